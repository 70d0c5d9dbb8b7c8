#pragma once

#include "design/TGBasePanel.h"

enum class TLPanelState {
    psPointing,
    psLabel,
    psSymbolLabel,
    psCounterLabel,
    psMultiLineLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psSuperShape,
    psRichLabel,
    psSuperText,
    psCircleText
};

// The design panel with its drawing tools: a drag with a tool creates that tool's object.
class TGPelloraPanel32 : public TGBasePanel
{
    Q_OBJECT
public:
    explicit TGPelloraPanel32(const QString &fileFolder, QWidget *parent = nullptr);

    TLPanelState PanelState() const { return m_panelState; }
    void setPanelState(TLPanelState state);

    void CreateObjectInRect(const QRect &rect) override;
    // Puts a tool's new object on the panel in the rectangle, named "Special" + the first free
    // number.
    void PlaceNewObject(std::unique_ptr<TGGraphicControl> object, const QRect &rect);

    // What a tool creates: the class it asks the registry for and the enumeration property set
    // on the new object before it is placed. An empty class name creates nothing.
    struct ToolObject
    {
        QByteArray className;
        QByteArray property;
        QByteArray value;
        // Text tools, pictures and super shapes hand over to the pointer after placing; the
        // shape tools leave that to whoever handles objectDropped().
        bool backToPointer = true;
    };
    static ToolObject toolObject(TLPanelState state);

private:
    TLPanelState m_panelState = TLPanelState::psPointing;
};
