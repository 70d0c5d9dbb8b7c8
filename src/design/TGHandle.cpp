#include "design/TGHandle.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "design/TGBasePanel.h"
#include "design/TGGraphicControl.h"
#include "platform/Numbers.h"
#include "platform/TickClock.h"

namespace {
constexpr QSize idleSize(24, 24);
// A press shorter than this is a click, never a drag.
constexpr quint32 clickMilliseconds = 150;
// A press on an unselected object turns into a drag once the mouse moves after this long.
constexpr quint32 dragDelayMilliseconds = 10;

int snap(int value, int grid)
{
    return grid * Div(value, grid);
}

QRect grownBy2(const TGGraphicControl &object)
{
    return object.boundsRect().adjusted(-2, -2, 2, 2);
}
} // namespace

TGHandle::TGHandle(TGBasePanel &panel)
    : QWidget(&panel)
    , m_panel(panel)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    resize(idleSize);
    setEnabled(false);
    hide();
}

TGGraphicControl *TGHandle::SelectedObject(int index) const
{
    if (index < 0 || index >= SelectionCount())
        return nullptr;
    return m_selection[std::size_t(index)];
}

bool TGHandle::isSelected(const TGGraphicControl &object) const
{
    return std::find(m_selection.begin(), m_selection.end(), &object) != m_selection.end();
}

void TGHandle::AddToSelection(TGGraphicControl &object)
{
    if (object.unselectable())
        return;
    m_pressTime = TickClock::now();
    if (isSelected(object))
        return;
    m_panel.setScreenCursor(Cursors::crHandGrab);
    if (m_selection.empty()) {
        setDrawnBand(std::nullopt);
        setEnabled(true);
        show();
        setGeometry(object.left() - 2, object.top() - 2, object.width() + 5, object.height() + 5);
        m_selection.push_back(&object);
    } else {
        m_selection.push_back(&object);
        fitTo(m_selection);
    }
    m_hitZone = 0;
    takeMouseAndFocus();
    m_panel.repaintSurface();
}

void TGHandle::fitTo(const std::vector<TGGraphicControl *> &objects)
{
    const TGGraphicControl &first = *objects.front();
    QRect frame(first.left() - 2, first.top() - 2, first.width() + 5, first.height() + 5);
    for (const TGGraphicControl *object : objects) {
        const int left = std::min(frame.x(), object->left() - 2);
        const int top = std::min(frame.y(), object->top() - 2);
        const int right = std::max(frame.x() + frame.width() - 3, object->left() + object->width());
        const int bottom = std::max(frame.y() + frame.height() - 3, object->top() + object->height());
        frame = QRect(left, top, right - left + 3, bottom - top + 3);
    }
    setGeometry(frame);
}

void TGHandle::RemoveFromSelection(TGGraphicControl &object)
{
    const auto found = std::find(m_selection.begin(), m_selection.end(), &object);
    if (found == m_selection.end())
        return;
    m_selection.erase(found);
    if (m_selection.empty())
        emptied();
    else
        fitTo(m_selection);
    m_panel.repaintSurface();
}

void TGHandle::ClearSelection()
{
    m_selection.clear();
    emptied();
    resize(idleSize);
    m_panel.repaintSurface();
}

void TGHandle::emptied()
{
    m_locked = false;
    m_captured = false;
    m_dragging = false;
    m_keyboardBand.reset();
    setDrawnBand(std::nullopt);
    // Hiding the focused frame would hand the keyboard to some other widget of the window.
    if (hasFocus())
        m_panel.setFocus(Qt::OtherFocusReason);
    hide();
    setEnabled(false);
}

void TGHandle::takeMouseAndFocus()
{
    raise();
    m_captured = true;
    setFocus(Qt::OtherFocusReason);
}

void TGHandle::UpdateFrame()
{
    if (m_selection.empty())
        return;
    raise();
    int minLeft = m_selection.front()->left();
    int minTop = m_selection.front()->top();
    int maxRight = m_selection.front()->left() + m_selection.front()->width();
    int maxBottom = m_selection.front()->top() + m_selection.front()->height();
    for (const TGGraphicControl *object : m_selection) {
        minLeft = std::min(minLeft, object->left());
        minTop = std::min(minTop, object->top());
        maxRight = std::max(maxRight, object->left() + object->width());
        maxBottom = std::max(maxBottom, object->top() + object->height());
    }
    setGeometry(minLeft - 2, minTop - 2, maxRight - minLeft + 6, maxBottom - minTop + 6);
    m_panel.repaintSurface();
}

void TGHandle::BringSelectionToFront()
{
    if (m_selection.empty() || m_locked)
        return;
    for (TGGraphicControl *object : m_selection)
        m_panel.bringToFront(*object);
    raise();
    setFocus(Qt::OtherFocusReason);
}

void TGHandle::SendSelectionToBack()
{
    if (m_selection.empty() || m_locked)
        return;
    for (TGGraphicControl *object : m_selection)
        m_panel.sendToBack(*object);
    raise();
    setFocus(Qt::OtherFocusReason);
}

TGGraphicControl *TGHandle::ObjectAt(QPoint panelPoint) const
{
    for (TGGraphicControl *object : m_selection) {
        if (grownBy2(*object).contains(panelPoint))
            return object;
    }
    return nullptr;
}

void TGHandle::ForwardMouse(bool release, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            QPoint point)
{
    // The objects are not widgets: what lies under the frame is the panel and its objects.
    const QPoint panelPoint = point + pos();
    if (release)
        m_panel.panelMouseUp(button, modifiers, panelPoint);
    else
        m_panel.panelMouseDown(button, modifiers, panelPoint);
}

void TGHandle::setFrameBounds(const QRect &bounds)
{
    const QRect old = geometry();
    for (TGGraphicControl *object : m_selection) {
        if (object->locked())
            continue;
        object->setBounds(bounds.x() + object->left() - old.x(), bounds.y() + object->top() - old.y(),
                          bounds.width() + object->width() - old.width(),
                          bounds.height() + object->height() - old.height());
    }
    setGeometry(bounds);
    m_panel.repaintSurface();
}

void TGHandle::setGridX(int grid)
{
    if (grid == m_storedGridX)
        return;
    m_storedGridX = std::clamp(grid, 1, 32);
    m_gridX = m_storedGridX;
}

void TGHandle::setGridY(int grid)
{
    if (grid == m_storedGridY)
        return;
    m_storedGridY = std::clamp(grid, 1, 32);
    m_gridY = m_storedGridY;
}

void TGHandle::setSnapToGrid(bool snap)
{
    m_gridX = snap ? m_storedGridX : 1;
    m_gridY = snap ? m_storedGridY : 1;
}

TGHandle::Zone TGHandle::zoneAt(QPoint point) const
{
    Zone result;
    const int x = point.x();
    const int y = point.y();
    const int w = width();
    const int h = height();
    const auto near = [](double distance, double reach) { return std::abs(distance) < reach; };
    // Later matches override earlier ones, so edge middles win over corners on tiny frames.
    const struct
    {
        bool hit;
        int zone;
        TCursor cursor;
    } tests[] = {
        {near(x, 8) && near(y, 8), 1, Cursors::crSizeNWSE},
        {near(x - w, 8) && near(y - h, 8), 4, Cursors::crSizeNWSE},
        {near(x - w, 8) && near(y, 8), 2, Cursors::crSizeNESW},
        {near(x, 8) && near(y - h, 8), 3, Cursors::crSizeNESW},
        {near(x - w * 0.5, 6) && near(y, 8), 5, Cursors::crSizeNS},
        {near(x - w * 0.5, 6) && near(y - h, 8), 7, Cursors::crSizeNS},
        {near(y - h * 0.5, 6) && near(x, 8), 6, Cursors::crSizeWE},
        {near(y - h * 0.5, 6) && near(x - w, 8), 8, Cursors::crSizeWE},
    };
    for (const auto &test : tests) {
        if (test.hit) {
            result.zone = test.zone;
            result.cursor = test.cursor;
        }
    }
    return result;
}

QRect TGHandle::dragBounds(QPoint point) const
{
    const int dx = point.x() - m_dragStart.x();
    const int dy = point.y() - m_dragStart.y();
    const int l0 = x();
    const int t0 = y();
    const int w0 = width();
    const int h0 = height();
    const auto snapX = [this](int v) { return snap(v, m_gridX); };
    const auto snapY = [this](int v) { return snap(v, m_gridY); };
    int left = l0;
    int top = t0;
    int w = w0;
    int h = h0;
    const bool movesLeft = m_hitZone == 1 || m_hitZone == 3 || m_hitZone == 6;
    const bool movesTop = m_hitZone == 1 || m_hitZone == 2 || m_hitZone == 5;
    const bool movesRight = m_hitZone == 2 || m_hitZone == 4 || m_hitZone == 8;
    const bool movesBottom = m_hitZone == 3 || m_hitZone == 4 || m_hitZone == 7;
    if (m_hitZone == 0) {
        left = snapX(l0 + dx);
        top = snapY(t0 + dy);
    }
    if (movesLeft) {
        left = snapX(l0 + dx);
        w = w0 + l0 - left;
    }
    if (movesTop) {
        top = snapY(t0 + dy);
        h = h0 + t0 - top;
    }
    if (movesRight)
        w = snapX(w0 + dx) - 1;
    if (movesBottom)
        h = snapY(h0 + dy) - 1;
    return QRect(left, top, std::max(w, 5), std::max(h, 5));
}

QPoint TGHandle::clampToPanel(QPoint point) const
{
    return QPoint(std::clamp(point.x(), -x(), std::max(-x(), m_panel.width() - x())),
                  std::clamp(point.y(), -y(), std::max(-y(), m_panel.height() - y())));
}

void TGHandle::setDrawnBand(std::optional<QRect> band)
{
    if (band == m_drawnBand)
        return;
    m_drawnBand = band;
    m_panel.repaintSurface();
}

void TGHandle::handlePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    m_pressTime = TickClock::now();
    const QPoint panelPoint = point + pos();
    if (m_panel.Pointing() && button == Qt::LeftButton) {
        if (!m_selection.empty() && !m_locked) {
            m_dragStart = point;
            m_dragging = true;
            m_captured = true;
        }
        m_panel.frameMouseDown(button, modifiers, panelPoint);
    } else if (button == Qt::RightButton) {
        TGGraphicControl *object = ObjectAt(panelPoint);
        if (object && SelectionCount() == 1)
            object->ShowPopupAt(m_panel.mapToGlobal(panelPoint));
        else
            m_panel.showPanelMenu(panelPoint);
    } else {
        m_panel.setScreenCursor(Cursors::crDefault);
        m_captured = true;
        ForwardMouse(false, button, modifiers, point);
    }
}

void TGHandle::handleMove(Qt::MouseButtons buttons, QPoint point)
{
    if (m_doubleClicked)
        m_dragging = false;
    m_doubleClicked = false;
    const bool leftDown = buttons & Qt::LeftButton;
    if (!m_panel.Pointing()) {
        m_panel.setScreenCursor(Cursors::crDrag);
    } else if (!leftDown || m_dragging || m_locked) {
        if (!leftDown)
            m_captured = false;
        Zone zone;
        if (!m_dragging)
            m_panel.setScreenCursor(Cursors::crHandGrab);
        if (SelectionCount() == 1) {
            zone = zoneAt(point);
            if (zone.zone != 0)
                m_panel.setScreenCursor(zone.cursor);
        }
        if (m_locked)
            m_panel.setScreenCursor(Cursors::crNoDrop);
        if (m_dragging)
            setDrawnBand(dragBounds(clampToPanel(point)));
        else
            m_hitZone = zone.zone;
    } else if (m_pressTime != 0 && TickClock::now() - m_pressTime > dragDelayMilliseconds) {
        m_dragStart = point;
        m_dragging = true;
    }
    m_panel.rubberBandMove(point + pos());
}

void TGHandle::handleRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    // Held to the panel like the drag itself, so that a quick click outside the panel moves nothing.
    if (m_dragging && TickClock::now() - m_pressTime < clickMilliseconds)
        m_dragStart = clampToPanel(point);
    m_pressTime = 0;
    if (!m_dragging || button != Qt::LeftButton) {
        m_captured = false;
        ForwardMouse(true, button, modifiers, point);
    } else {
        const QPoint clamped = clampToPanel(point);
        const QRect bounds = dragBounds(clamped);
        setDrawnBand(std::nullopt);
        if (clamped != m_dragStart)
            setFrameBounds(bounds);
        setFocus(Qt::OtherFocusReason);
        m_dragging = false;
        m_panel.setScreenCursor(Cursors::crDefault);
        m_captured = false;
        m_panel.panelMouseUp(button, modifiers, point + pos());
    }
    m_panel.repaintSurface();
}

void TGHandle::handleDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    // The second press of a double-click is a press as well.
    handlePress(button, modifiers, point);
    m_doubleClicked = true;
    if (button == Qt::LeftButton)
        m_panel.panelDoubleClick(nullptr, point + pos());
}

void TGHandle::mousePressEvent(QMouseEvent *event)
{
    handlePress(event->button(), event->modifiers(), event->position().toPoint());
}

void TGHandle::mouseMoveEvent(QMouseEvent *event)
{
    handleMove(event->buttons(), event->position().toPoint());
}

void TGHandle::mouseReleaseEvent(QMouseEvent *event)
{
    handleRelease(event->button(), event->modifiers(), event->position().toPoint());
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent *event)
{
    handleDoubleClick(event->button(), event->modifiers(), event->position().toPoint());
}

void TGHandle::leaveEvent(QEvent *)
{
    if (!m_dragging)
        m_panel.setScreenCursor(m_panel.Pointing() ? Cursors::crDefault : Cursors::crDrag);
}

bool TGHandle::nudge(int key, bool resize)
{
    if (!m_keyboardBand)
        m_keyboardBand = QRect(QPoint(x() + 2, y() + 2), QPoint(x() + width() - 3, y() + height() - 3));
    QRect &band = *m_keyboardBand;
    const int w = band.right() - band.left() + 1;
    const int h = band.bottom() - band.top() + 1;
    switch (key) {
    case Qt::Key_Left:
        if (resize) {
            if (w > 10)
                band.setRight(band.right() - 1);
        } else if (band.left() > 0) {
            band.translate(-1, 0);
        }
        break;
    case Qt::Key_Up:
        if (resize) {
            if (h > 10)
                band.setBottom(band.bottom() - 1);
        } else if (band.top() > 0) {
            band.translate(0, -1);
        }
        break;
    case Qt::Key_Right:
        if (m_panel.width() >= w + band.left()) {
            if (resize)
                band.setRight(band.right() + 1);
            else
                band.translate(1, 0);
        }
        break;
    case Qt::Key_Down:
        if (m_panel.height() >= h + band.top()) {
            if (resize)
                band.setBottom(band.bottom() + 1);
            else
                band.translate(0, 1);
        }
        break;
    default:
        return false;
    }
    return true;
}

void TGHandle::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !m_selection.empty()) {
        nudge(key, (event->modifiers() & Qt::ShiftModifier) && SelectionCount() == 1);
        m_panel.repaintSurface();
        event->accept();
        return;
    }
    // The frame hands every other key to the panel itself, so that it arrives there once.
    if (!m_panel.panelKeyDown(key, event->modifiers()))
        event->ignore();
}

void TGHandle::keyReleaseEvent(QKeyEvent *event)
{
    // Held keys repeat as press and release pairs here: the nudge applies when the key comes up.
    if (event->isAutoRepeat() || !m_keyboardBand) {
        event->ignore();
        return;
    }
    const QRect band = *m_keyboardBand;
    m_keyboardBand.reset();
    setFrameBounds(QRect(band.left() - 2, band.top() - 2, band.right() - band.left() + 5,
                         band.bottom() - band.top() + 5));
    m_panel.repaintSurface();
}

void TGHandle::paintEvent(QPaintEvent *)
{
    // Transparent: the panel draws the handles of the selected objects under this frame.
}
