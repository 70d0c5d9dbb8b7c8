#pragma once

#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

#include "platform/Color.h"
#include "platform/Cursor.h"

class PopupMenu;
class TGBasePanel;
class TGGraphicControl;

// The selection frame: a transparent child of the panel laid over the selected objects. It keeps
// the selection, catches the mouse over it, moves and resizes the selection by mouse drags (with an
// XOR band and optional grid snapping) and by the arrow keys. The handle squares are drawn by the
// panel, object by object.
class TGHandle : public QWidget
{
    Q_OBJECT
public:
    explicit TGHandle(TGBasePanel &panel);

    int SelectionCount() const { return int(m_selection.size()); }
    TGGraphicControl *SelectedObject(int index) const;
    const std::vector<TGGraphicControl *> &selection() const { return m_selection; }
    bool isSelected(const TGGraphicControl &object) const;
    void AddToSelection(TGGraphicControl &object);
    void RemoveFromSelection(TGGraphicControl &object);
    void ClearSelection();
    // Refits the frame to the selection without moving the objects.
    void UpdateFrame();
    void BringSelectionToFront();
    void SendSelectionToBack();
    // The first selected object whose bounds grown by 2 contain the panel point.
    TGGraphicControl *ObjectAt(QPoint panelPoint) const;
    // Resends a press or release at a frame point to what lies under it on the panel.
    void ForwardMouse(bool release, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);

    // Frame bounds as (left, top, width, height) on the panel. Setting them moves and sizes every
    // selected object that is not locked by the same amounts.
    QRect frameBounds() const { return geometry(); }
    void setFrameBounds(const QRect &bounds);

    bool Locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    TColor Color() const { return m_color; }
    void setColor(TColor color) { m_color = color; }
    TColor SecondaryColor() const { return m_secondaryColor; }
    void setSecondaryColor(TColor color) { m_secondaryColor = color; }
    int GridX() const { return m_gridX; }
    void setGridX(int grid);
    int GridY() const { return m_gridY; }
    void setGridY(int grid);
    bool SnapToGrid() const { return m_gridX > 1 || m_gridY > 1; }
    void setSnapToGrid(bool snap);

    int HitZone() const { return m_hitZone; }
    bool Dragging() const { return m_dragging; }
    // The frame bounds whose rubber band is drawn now, if any.
    std::optional<QRect> drawnBand() const { return m_drawnBand; }
    // The keyboard band (left, top, right, bottom inclusive) while an arrow-key nudge runs.
    std::optional<QRect> keyboardBand() const { return m_keyboardBand; }
    // The next mouse move cancels the drag a double-click's second press began.
    void ignorePendingDrag() { m_doubleClicked = true; }

    // The mouse is routed here until released, also while it is over the panel.
    bool capturesMouse() const { return m_captured; }
    void releaseCapture() { m_captured = false; }
    // Mouse handling in frame coordinates, for events the frame receives and captured ones.
    void handlePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void handleMove(Qt::MouseButtons buttons, QPoint point);
    void handleRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void handleDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);

    // The bounds a drag to the frame point gives now.
    QRect dragBounds(QPoint point) const;
    // The zone (0 to 8) and cursor a frame point shows for a single selection.
    struct Zone
    {
        int zone = 0;
        TCursor cursor = Cursors::crHandGrab;
    };
    Zone zoneAt(QPoint point) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitTo(const std::vector<TGGraphicControl *> &objects);
    void emptied();
    void takeMouseAndFocus();
    QPoint clampToPanel(QPoint point) const;
    void setDrawnBand(std::optional<QRect> band);
    bool nudge(int key, bool resize);

    TGBasePanel &m_panel;
    quint32 m_pressTime = 0;
    QPoint m_dragStart;
    int m_hitZone = 0;
    bool m_dragging = false;
    std::optional<QRect> m_keyboardBand;
    std::optional<QRect> m_drawnBand;
    bool m_locked = false;
    TColor m_color = Colors::clBlack;
    TColor m_secondaryColor = Colors::clGray;
    int m_gridX = 1;
    int m_gridY = 1;
    int m_storedGridX = 8;
    int m_storedGridY = 8;
    std::vector<TGGraphicControl *> m_selection;
    bool m_doubleClicked = false;
    bool m_captured = false;
};
