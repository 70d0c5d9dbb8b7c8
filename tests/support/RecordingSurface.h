#pragma once

#include <vector>

#include "design/DesignSurface.h"
#include "design/TGGraphicControl.h"

// A design surface that records what objects ask of it, with a plain selection list.
class RecordingSurface : public DesignSurface
{
public:
    explicit RecordingSurface(int width = 300, int height = 96)
        : m_width(width)
        , m_height(height)
    {
        registerClasses();
    }

    bool isDesignPanel() const override { return true; }
    int surfaceWidth() const override { return m_width; }
    int surfaceHeight() const override { return m_height; }
    void setSurfaceSize(int width, int height)
    {
        m_width = width;
        m_height = height;
    }

    void raiseChanged() override { ++changes; }
    void postFrameUpdate() override { ++frameUpdates; }
    bool isSelected(const TGGraphicControl &object) const override;
    int selectionCount() const override { return int(selection.size()); }
    void addToSelection(TGGraphicControl &object) override;
    void removeFromSelection(TGGraphicControl &object) override;
    void clearSelection() override { selection.clear(); }
    void objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command) override;
    void drawHandles(const std::vector<EdgeRect> &rects, TColor color) override;

    int changes = 0;
    int frameUpdates = 0;
    std::vector<TGGraphicControl *> selection;
    std::vector<std::pair<TGGraphicControl *, ClipboardCommand>> clipboardCommands;
    std::vector<EdgeRect> handles;
    TColor handlesColor = -1;

private:
    static void registerClasses();

    int m_width;
    int m_height;
};
