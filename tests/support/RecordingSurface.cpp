#include "support/RecordingSurface.h"

#include <algorithm>

#include "objects/ObjectClasses.h"

void RecordingSurface::registerClasses()
{
    registerLabelObjectClasses();
}

bool RecordingSurface::isSelected(const TGGraphicControl &object) const
{
    return std::find(selection.begin(), selection.end(), &object) != selection.end();
}

void RecordingSurface::addToSelection(TGGraphicControl &object)
{
    if (!object.unselectable() && !isSelected(object))
        selection.push_back(&object);
}

void RecordingSurface::removeFromSelection(TGGraphicControl &object)
{
    std::erase(selection, &object);
}

void RecordingSurface::objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command)
{
    clipboardCommands.emplace_back(&object, command);
}

void RecordingSurface::drawHandles(const std::vector<EdgeRect> &rects, TColor color)
{
    handles.insert(handles.end(), rects.begin(), rects.end());
    handlesColor = color;
}
