#include "design/TGPelloraPanel32.h"

#include "design/TGGraphicControl.h"
#include "document/ObjectClassRegistry.h"
#include "objects/ObjectClasses.h"

namespace {
// Sets an enumeration property by the name of its value, through the class's property table.
void setEnumeration(TGGraphicControl &object, QByteArrayView property, QByteArrayView value)
{
    const PropertyInfo *info = object.findProperty(property);
    if (!info || !info->setOrdinal)
        return;
    const auto found = std::find(info->names.begin(), info->names.end(), value);
    if (found != info->names.end())
        info->setOrdinal(object, found - info->names.begin());
}
} // namespace

TGPelloraPanel32::TGPelloraPanel32(const QString &fileFolder, QWidget *parent)
    : TGBasePanel(fileFolder, parent)
{
    // Documents name the classes of their objects.
    registerLabelObjectClasses();
}

void TGPelloraPanel32::setPanelState(TLPanelState state)
{
    if (state == m_panelState)
        return;
    m_panelState = state;
    setPointing(state == TLPanelState::psPointing);
    setScreenCursor(Pointing() ? Cursors::crDefault : Cursors::crDrag);
}

TGPelloraPanel32::ToolObject TGPelloraPanel32::toolObject(TLPanelState state)
{
    switch (state) {
    case TLPanelState::psPointing:
        break;
    case TLPanelState::psLabel:
        return {"TGPLabel"};
    case TLPanelState::psSymbolLabel:
        return {"TGSymbolLabel"};
    case TLPanelState::psCounterLabel:
        return {"TGCounterLabel"};
    case TLPanelState::psMultiLineLabel:
        return {"TGMultiLineLabel"};
    case TLPanelState::psRectangle:
        return {"TGLabelShapes", "Shape", "stRectangle", false};
    case TLPanelState::psEllipse:
        return {"TGLabelShapes", "Shape", "stEllipse", false};
    case TLPanelState::psRoundRectangle:
        return {"TGLabelShapes", "Shape", "stRoundRect", false};
    case TLPanelState::psLine:
        return {"TGLineShape", "LineStyle", "stVertical", false};
    case TLPanelState::psImage:
        return {"TGImage"};
    case TLPanelState::psSuperShape:
        return {"TSuperShape"};
    case TLPanelState::psRichLabel:
        return {"TGPRichBaseLabel"};
    case TLPanelState::psSuperText:
        return {"TGSuperText"};
    case TLPanelState::psCircleText:
        return {"TGPCircleText"};
    }
    return {};
}

void TGPelloraPanel32::CreateObjectInRect(const QRect &rect)
{
    QRect r = rect;
    if (r.width() < 25)
        r.setWidth(50);
    if (r.height() < 15)
        r.setHeight(15);
    const ToolObject tool = toolObject(m_panelState);
    if (tool.className.isEmpty())
        return;
    std::unique_ptr<TGGraphicControl> created = ObjectClassRegistry::create(tool.className);
    if (!created)
        return;
    created->Loaded();
    if (!tool.property.isEmpty())
        setEnumeration(*created, tool.property, tool.value);
    created->PrepareNewObject(panelFont());
    TGGraphicControl &object = *created;
    PlaceNewObject(std::move(created), r);
    if (tool.backToPointer)
        setPanelState(TLPanelState::psPointing);
    if (!object.EditNewObject()) {
        removeFromSelection(object);
        deleteObject(object);
    }
}

void TGPelloraPanel32::PlaceNewObject(std::unique_ptr<TGGraphicControl> object, const QRect &rect)
{
    object->setName(uniqueObjectName(QStringLiteral("Special"), 1, 1000));
    TGGraphicControl &placed = *addObject(std::move(object));
    placed.setBounds(rect.left(), rect.top(), std::max(rect.width(), 10), std::max(rect.height(), 15));
    hookObjectEvents();
    placed.setScale(scale());
    objectNeedsRepaint(placed);
    raiseChanged();
    processPendingEvents();
}
