#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

#include "platform/Cursor.h"
#include "platform/EdgeRect.h"
#include "platform/Persistent.h"
#include "platform/PopupMenu.h"

class Canvas;
class DesignSurface;
class Font;
class Report;

// The base of every object placed on a label. Objects are plain objects owned by their design
// surface; the surface paints them, routes the mouse to itself and offers the services below.
// Geometry is in screen pixels at the current zoom.
class TGGraphicControl : public Persistent
{
public:
    TGGraphicControl();
    ~TGGraphicControl() override;
    TGGraphicControl(const TGGraphicControl &) = delete;
    TGGraphicControl &operator=(const TGGraphicControl &) = delete;

    // The name the class is registered and streamed under.
    virtual QByteArray className() const = 0;
    const PropertyTable &publishedProperties() const override;
    // Tag, Left, Top, Width, Height, Cursor, Hint, Locked, Unselectable.
    static const PropertyTable &baseProperties();

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    DesignSurface *parentSurface() const { return m_parent; }
    void setParentSurface(DesignSurface *parent) { m_parent = parent; }
    bool parentIsDesignPanel() const;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int left() const { return m_left; }
    void setLeft(int left) { setBounds(left, m_top, m_width, m_height); }
    int top() const { return m_top; }
    void setTop(int top) { setBounds(m_left, top, m_width, m_height); }
    int width() const { return m_width; }
    void setWidth(int width) { setBounds(m_left, m_top, width, m_height); }
    int height() const { return m_height; }
    void setHeight(int height) { setBounds(m_left, m_top, m_width, height); }
    void setBounds(int left, int top, int width, int height);
    QRect boundsRect() const { return QRect(m_left, m_top, m_width, m_height); }
    TCursor cursor() const { return m_cursor; }
    void setCursor(TCursor cursor) { m_cursor = cursor; }
    QString hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    bool unselectable() const { return m_unselectable; }
    void setUnselectable(bool unselectable);

    // The zoom factor; assigned directly by the surface, changed with rescaling by SetZoom.
    float scale() const { return m_scale; }
    void setScale(float scale) { m_scale = scale; }
    EdgeRect lastBounds() const { return m_lastBounds; }

    // Set while the object's properties are read and until Loaded: no change notification then.
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    PopupMenu *ObjectMenu() const { return m_objectMenu.get(); }
    // When set, a double-click on the selected object runs it instead of opening the menu.
    std::function<void(TGGraphicControl &)> OnEditRequest;

    // The canvas Paint draws on: the surface's own canvas while painting the screen, another one
    // while recording for print.
    Canvas *DrawCanvas = nullptr;
    // Screen paint: the surface hands its canvas, already placed at the object's origin.
    void paintOn(Canvas &canvas);
    // Redirected paint (recordings, previews): no handles, no bounds check.
    void paintTo(Canvas &canvas);
    bool paintingOnOwnCanvas() const { return m_ownCanvas && DrawCanvas == m_ownCanvas; }

    virtual void Loaded();
    virtual void Paint();
    virtual void BoundsChanged();
    virtual void PopupOpening() {}
    virtual void ApplyFont(const Font &) {}
    virtual void AfterFontChange() {}
    virtual void AdvanceAfterLabel() {}
    virtual void PrepareForPrinting() {}
    virtual void PrintAt(Report &, double, double) {}
    // A drawing tool is about to place this object: take the panel's font where it has one and
    // the start values a new object of its kind gets.
    virtual void PrepareNewObject(const Font &) {}
    // A drawing tool has just placed this object: open its dialog. False discards the object (a
    // picture whose browser was cancelled).
    virtual bool EditNewObject() { return true; }

    void NotifyChanged();
    void RequestFrameUpdate();
    void PaintHandles();
    // The handle squares around bounds (right and bottom exclusive): four corners, and the four
    // edge middles when the object is the only one selected.
    static std::vector<EdgeRect> handleRects(const EdgeRect &bounds, bool onlySelection);
    void ShowPopupAt(QPoint screenPosition);
    void SetZoom(float newScale);
    // Asks the surface to repaint the object's area.
    void Invalidate();

    enum class TrimMode { Leading, Trailing, Both };
    static QString TrimSpaces(const QString &text, TrimMode mode);

    // The base menu's commands.
    void BringToFrontClick();
    void SendToBackClick();
    void CutClick();
    void CopyClick();
    void DeleteClick();
    TGGraphicControl *CloneClick();
    void LockedClick();
    void UnselectableClick();
    void CenterVerticallyClick();
    void CenterHorizontallyClick();

private:
    void afterCentring();

    QString m_name;
    DesignSurface *m_parent = nullptr;
    int m_tag = 0;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    TCursor m_cursor = Cursors::crDefault;
    QString m_hint;

    MenuItem *m_lockedItem = nullptr;
    Canvas *m_ownCanvas = nullptr;
    bool m_boundsCheckBusy = false;
    float m_scale = 1.0f;
    std::unique_ptr<PopupMenu> m_objectMenu;
    EdgeRect m_lastBounds;
    bool m_locked = false;
    bool m_unselectable = false;
    bool m_loading = false;
};
