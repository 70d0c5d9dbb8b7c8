#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "platform/Color.h"
#include "platform/EdgeRect.h"

class TGGraphicControl;

enum class ClipboardCommand { Cut, Copy, Paste, Delete };

// What label objects live on: it owns them in z-order (first = bottom) and gives them the
// services they call (change notification, selection, repaint). The design panel is the real
// one; this base keeps the objects and answers every service with "nothing happens", which is
// also what a surface that is not a design panel does.
class DesignSurface
{
public:
    DesignSurface();
    virtual ~DesignSurface();
    DesignSurface(const DesignSurface &) = delete;
    DesignSurface &operator=(const DesignSurface &) = delete;

    int objectCount() const { return int(m_objects.size()); }
    TGGraphicControl *objectAt(int index) const;
    int indexOf(const TGGraphicControl &object) const;
    // Adds on top of the z-order and becomes the object's parent.
    TGGraphicControl *addObject(std::unique_ptr<TGGraphicControl> object);
    std::unique_ptr<TGGraphicControl> takeObject(TGGraphicControl &object);
    void deleteObject(TGGraphicControl &object);
    void bringToFront(TGGraphicControl &object);
    void sendToBack(TGGraphicControl &object);

    // Component names are unique among the objects, compared without regard to case.
    bool hasObjectNamed(const QString &name) const;
    // prefix + the first number in first..last not in use; empty when all are taken.
    QString uniqueObjectName(const QString &prefix, int first, int last) const;

    bool printing() const { return m_printing; }
    void setPrinting(bool printing) { m_printing = printing; }
    bool previewing() const { return m_previewing; }
    void setPreviewing(bool previewing) { m_previewing = previewing; }
    float scale() const { return m_scale; }

    virtual bool isDesignPanel() const { return false; }
    virtual int surfaceWidth() const { return 0; }
    virtual int surfaceHeight() const { return 0; }

    // Services the objects call.
    virtual void raiseChanged() {}
    virtual void postFrameUpdate() {}
    virtual void objectNeedsRepaint(const TGGraphicControl &) {}
    virtual void repaintSurface() {}
    virtual void processPendingEvents() {}
    virtual bool isSelected(const TGGraphicControl &) const { return false; }
    virtual int selectionCount() const { return 0; }
    virtual void addToSelection(TGGraphicControl &) {}
    virtual void removeFromSelection(TGGraphicControl &) {}
    virtual void clearSelection() {}
    virtual TColor handleColor() const { return Colors::clBlack; }
    virtual TColor secondaryHandleColor() const { return Colors::clGray; }
    // Fills selection handle squares on the surface's own canvas while it paints.
    virtual void drawHandles(const std::vector<EdgeRect> &, TColor) {}
    virtual void objectClipboardCommand(TGGraphicControl &, ClipboardCommand) {}
    virtual void afterClone() {}
    // Routes every object's mouse to the surface and gives each object the surface's zoom.
    virtual void hookObjectEvents();

protected:
    void setScaleValue(float scale) { m_scale = scale; }
    // Runs before an object leaves the surface, so it can drop out of the selection first.
    virtual void objectLeaving(TGGraphicControl &) {}

private:
    std::vector<std::unique_ptr<TGGraphicControl>> m_objects;
    bool m_printing = false;
    bool m_previewing = false;
    float m_scale = 1.0f;
};
