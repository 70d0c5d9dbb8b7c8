#include "design/TGBasePanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include <array>

#include "design/PanelCommands.h"
#include "design/TGGraphicControl.h"
#include "design/TGHandle.h"
#include "platform/Canvas.h"
#include "platform/Numbers.h"
#include "platform/PopupMenu.h"

namespace {
// One byte per row, most significant bit leftmost; the 0 bits are the dots.
constexpr std::array<quint8, 8> grid4x4{0xFF, 0xFF, 0xDD, 0xFF, 0xFF, 0xFF, 0xDD, 0xFF};
constexpr std::array<quint8, 8> grid8x8{0xFF, 0xFF, 0xDF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr int labelCorner = 24;

QPainterPath shapeRegion(TLabelShapeType shape, int width, int height)
{
    switch (shape) {
    case TLabelShapeType::lsRectangle:
        return Canvas::RectRegion(0, 0, width + 1, height + 1);
    case TLabelShapeType::lsRoundRect:
        return Canvas::RoundRectRegion(0, 0, width + 1, height + 1, labelCorner, labelCorner);
    case TLabelShapeType::lsEllipse:
        break;
    }
    return Canvas::EllipticRegion(0, 0, width + 1, height + 1);
}

// The rectangle two corners span, right and bottom edges exclusive.
QRect normalisedRect(QPoint from, QPoint to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
}

void removeFileQuietly(const QString &path)
{
    if (QFile::exists(path))
        QFile::remove(path);
}
} // namespace

TGBasePanel::TGBasePanel(const QString &fileFolder, QWidget *parent)
    : QWidget(parent)
    , m_clipboardFile(QDir(fileFolder).filePath(QStringLiteral("Clipbrd.tmp")))
    , m_tempFile(QDir(fileFolder).filePath(QStringLiteral("TempFile.tmp")))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_frame = std::make_unique<TGHandle>(*this);
    m_commands = std::make_unique<PanelCommands>(*this);
    m_menu = std::make_unique<PopupMenu>();
    m_commands->buildMenu(*m_menu);
}

TGBasePanel::~TGBasePanel()
{
    removeFileQuietly(m_clipboardFile);
    removeFileQuietly(m_tempFile);
}

void TGBasePanel::setDrawOutline(bool draw)
{
    m_drawOutline = draw;
    update();
}

void TGBasePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TGBasePanel::setColorPicture(const QImage &picture)
{
    m_colorPicture = picture;
    update();
}

void TGBasePanel::setShape(TLabelShapeType shape)
{
    m_shape = shape;
    update();
}

void TGBasePanel::setGridSize(TGridSize size)
{
    if (size == m_gridSize)
        return;
    m_gridSize = size;
    const int step = size == TGridSize::gs4x4 ? 4 : 8;
    m_frame->setGridX(step);
    m_frame->setGridY(step);
    // A new grid step must not switch snapping on behind the user's back.
    m_frame->setSnapToGrid(m_snapToGrid);
    update();
}

void TGBasePanel::setShowGrid(bool show)
{
    m_showGrid = show;
    update();
}

void TGBasePanel::setSnapToGrid(bool snap)
{
    if (snap == m_snapToGrid)
        return;
    m_snapToGrid = snap;
    if (snap) {
        const int step = m_gridSize == TGridSize::gs4x4 ? 4 : 8;
        m_frame->setGridX(step);
        m_frame->setGridY(step);
    }
    m_frame->setSnapToGrid(snap);
}

void TGBasePanel::SetZoom(float newScale)
{
    if (newScale == scale())
        return;
    m_zoomBusy = true;
    if (scale() * 10 == 0)
        setScaleValue(1.0f);
    const long double r = float(newScale / scale());
    resize(int(RoundExtended(width() * r)), int(RoundExtended(r * height())));
    setScaleValue(newScale);
    for (int i = 0; i < objectCount(); ++i)
        objectAt(i)->SetZoom(newScale);
    processPendingEvents();
    m_zoomBusy = false;
}

void TGBasePanel::ClearObjects()
{
    clearSelection();
    while (objectCount() > 0)
        deleteObject(*objectAt(objectCount() - 1));
}

void TGBasePanel::KeepObjectsInside()
{
    clearSelection();
    for (int i = objectCount() - 1; i >= 0; --i) {
        TGGraphicControl &object = *objectAt(i);
        if (object.top() > height() - 10)
            object.setTop(height() - 10);
        if (object.left() > width() - 20)
            object.setLeft(width() - 20);
    }
}

void TGBasePanel::RemoveOutsideObjects()
{
    clearSelection();
    for (int i = objectCount() - 1; i >= 0; --i) {
        TGGraphicControl &object = *objectAt(i);
        if (object.top() > height() - 10 || object.left() > width() - 10 || object.width() < 1 ||
            object.height() < 1)
            deleteObject(object);
    }
}

void TGBasePanel::PrintLabelAt(Report &report, double x, double y)
{
    for (int i = 0; i < objectCount(); ++i)
        objectAt(i)->PrintAt(report, x, y);
}

void TGBasePanel::PrepareForPrinting()
{
    for (int i = 0; i < objectCount(); ++i)
        objectAt(i)->PrepareForPrinting();
}

void TGBasePanel::AdvanceAfterLabel()
{
    for (int i = 0; i < objectCount(); ++i)
        objectAt(i)->AdvanceAfterLabel();
}

bool TGBasePanel::HasComplexObjects() const
{
    for (int i = 0; i < objectCount(); ++i) {
        const QByteArray name = objectAt(i)->className();
        if (name == "TGSuperText" || name == "TSuperShape")
            return true;
    }
    return false;
}

void TGBasePanel::CreateObjectInRect(const QRect &) {}

void TGBasePanel::SelectInRect(const QRect &rect, bool shift)
{
    std::vector<TGGraphicControl *> chosen;
    if (shift)
        chosen = m_frame->selection();
    clearSelection();
    if (!rect.isEmpty()) {
        // Touching edges count: both rectangles are taken with their right and bottom edges.
        const QRect band = rect.adjusted(0, 0, 1, 1);
        for (int i = objectCount() - 1; i >= 0; --i) {
            TGGraphicControl *object = objectAt(i);
            if (!band.intersects(object->boundsRect().adjusted(0, 0, 1, 1)))
                continue;
            const auto found = std::find(chosen.begin(), chosen.end(), object);
            if (shift && found != chosen.end())
                chosen.erase(found);
            else
                chosen.push_back(object);
        }
    }
    for (TGGraphicControl *object : chosen)
        m_frame->AddToSelection(*object);
}

void TGBasePanel::showPanelMenu(QPoint panelPoint)
{
    m_menu->popup(mapToGlobal(panelPoint));
}

void TGBasePanel::setScreenCursor(TCursor cursor)
{
    m_screenCursor = cursor;
    const QCursor shape(toQtCursorShape(cursor));
    setCursor(shape);
    m_frame->setCursor(shape);
}

void TGBasePanel::paintLabelBackground(QImage &image) const
{
    image.fill(Qt::white);
    Canvas canvas(&image);
    const int w = width();
    const int h = height();
    const QPainterPath region = shapeRegion(m_shape, w, h);
    for (const QImage *art : {&m_picture, &m_colorPicture}) {
        if (art->isNull())
            continue;
        canvas.SetClipRegion(region);
        canvas.StretchDraw(0, 0, w, h, *art);
        canvas.RemoveClip();
    }
    if (m_drawOutline) {
        canvas.SetPen({Colors::clBlack, 1, PenStyle::psDot, PenMode::pmCopy});
        canvas.SetBrush({Colors::clWhite, BrushStyle::bsClear});
        switch (m_shape) {
        case TLabelShapeType::lsRectangle:
            canvas.Rectangle(0, 0, w, h);
            break;
        case TLabelShapeType::lsRoundRect:
            canvas.RoundRect(0, 0, w, h, labelCorner, labelCorner);
            break;
        case TLabelShapeType::lsEllipse:
            canvas.Ellipse(0, 0, w, h);
            break;
        }
    }
    if (m_showGrid) {
        canvas.SetClipRegion(region);
        canvas.SetBrush(CanvasBrush::Pattern(m_gridSize == TGridSize::gs4x4 ? grid4x4 : grid8x8,
                                             Colors::clGreen, Colors::clWhite));
        canvas.PatBlt(0, 0, w, h, PatternRop::PatAndDst);
        canvas.RemoveClip();
    }
}

void TGBasePanel::paintSurface(QPainter &painter, const QRect &area)
{
    QImage label(size(), QImage::Format_RGB32);
    paintLabelBackground(label);
    painter.drawImage(0, 0, label);

    QPainter *const outer = m_painter;
    m_painter = &painter;
    for (int i = 0; i < objectCount(); ++i) {
        TGGraphicControl &object = *objectAt(i);
        const QRect bounds = object.boundsRect();
        // Handles reach 2 pixels beyond the bounds.
        if (!area.intersects(bounds.adjusted(-2, -2, 2, 2)))
            continue;
        Canvas canvas(painter);
        canvas.SetOrigin(bounds.topLeft());
        canvas.SetClipRegion(Canvas::RectRegion(bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                                                bounds.top() + bounds.height()));
        object.paintOn(canvas);
    }
    // The frame's paint: every selected object's handles on top of all objects.
    for (TGGraphicControl *object : m_frame->selection())
        object->PaintHandles();
    m_painter = outer;
    paintBands(painter);
}

void TGBasePanel::paintBands(QPainter &painter) const
{
    Canvas canvas(painter);
    canvas.SetPen({Colors::clWhite, 1, PenStyle::psDot, PenMode::pmXor});
    canvas.SetBrush({Colors::clWhite, BrushStyle::bsClear});
    const auto rubberBand = [&canvas](const QRect &band) {
        canvas.Rectangle(band.left(), band.top(), band.left() + band.width(), band.top() + band.height());
    };
    if (m_rubberBand)
        rubberBand(*m_rubberBand);
    if (const std::optional<QRect> drawn = m_frame->drawnBand()) {
        // The band shows where the objects go: inside the frame's 2-pixel margin.
        rubberBand(QRect(QPoint(drawn->left() + 2, drawn->top() + 2),
                         QPoint(drawn->left() + drawn->width() - 4, drawn->top() + drawn->height() - 4)));
    }
    if (const std::optional<QRect> band = m_frame->keyboardBand())
        canvas.DrawFocusRect(band->left(), band->top(), band->right() + 1, band->bottom() + 1);
}

void TGBasePanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintSurface(painter, event->rect());
}

TGGraphicControl *TGBasePanel::objectUnder(QPoint point) const
{
    for (int i = objectCount() - 1; i >= 0; --i) {
        if (objectAt(i)->boundsRect().contains(point))
            return objectAt(i);
    }
    return nullptr;
}

void TGBasePanel::startRubberBand(QPoint point)
{
    m_bandStart = point;
    m_rubberBand = QRect(point, QSize(0, 0));
    setScreenCursor(Cursors::crHandPoint);
    update();
}

void TGBasePanel::panelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    if (TGGraphicControl *object = objectUnder(point)) {
        ObjectMouseDown(*object, button, modifiers, point);
        return;
    }
    if (button == Qt::LeftButton)
        startRubberBand(point);
    else
        showPanelMenu(point);
}

void TGBasePanel::ObjectMouseDown(TGGraphicControl &object, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, QPoint point)
{
    if (!m_pointing || object.unselectable()) {
        if (button == Qt::LeftButton)
            startRubberBand(point);
        else
            showPanelMenu(point);
        return;
    }
    if (!(modifiers & Qt::ShiftModifier))
        clearSelection();
    m_frame->AddToSelection(object);
    repaintSurface();
    if (m_frame->SelectionCount() == 1 && button == Qt::RightButton) {
        // The menu takes over the mouse: no drag follows it.
        m_frame->releaseCapture();
        object.ShowPopupAt(mapToGlobal(point));
    }
}

void TGBasePanel::frameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    if (!m_pointing) {
        panelMouseDown(button, modifiers, point);
        return;
    }
    if (!(modifiers & Qt::ShiftModifier))
        return;
    const std::vector<TGGraphicControl *> selected = m_frame->selection();
    for (TGGraphicControl *object : selected) {
        if (object->boundsRect().contains(point))
            m_frame->RemoveFromSelection(*object);
    }
}

bool TGBasePanel::rubberBandMove(QPoint point)
{
    if (!m_bandStart)
        return false;
    setScreenCursor(Cursors::crHandPoint);
    m_rubberBand = normalisedRect(*m_bandStart, point);
    update();
    return true;
}

void TGBasePanel::panelMouseMove(QPoint point)
{
    if (rubberBandMove(point))
        return;
    if (m_pointing && objectUnder(point))
        setScreenCursor(Cursors::crHandPoint);
    else
        setScreenCursor(m_pointing ? Cursors::crDefault : Cursors::crDrag);
}

void TGBasePanel::panelMouseUp(Qt::MouseButton, Qt::KeyboardModifiers modifiers, QPoint point)
{
    if (!m_bandStart)
        return;
    const QPoint start = *m_bandStart;
    m_bandStart.reset();
    m_rubberBand.reset();
    const QRect rect = normalisedRect(start, point);
    update();
    if (m_pointing) {
        SelectInRect(rect, modifiers & Qt::ShiftModifier);
        setScreenCursor(Cursors::crDefault);
    } else {
        CreateObjectInRect(rect);
        Q_EMIT objectDropped(rect);
    }
}

void TGBasePanel::panelDoubleClick(TGGraphicControl *object, QPoint point)
{
    if (!object) {
        if (m_frame->SelectionCount() > 1)
            return;
        object = m_frame->ObjectAt(point);
    }
    if (object) {
        if (object->OnEditRequest)
            object->OnEditRequest(*object);
        else
            object->ShowPopupAt(mapToGlobal(point));
    }
    m_frame->ignorePendingDrag();
}

bool TGBasePanel::panelKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers & Qt::ControlModifier;
    if (control && key == Qt::Key_C)
        m_commands->clipboardCommand(ClipboardCommand::Copy);
    else if (control && key == Qt::Key_V)
        m_commands->clipboardCommand(ClipboardCommand::Paste);
    else if (control && key == Qt::Key_X)
        m_commands->clipboardCommand(ClipboardCommand::Cut);
    else if (!control && key == Qt::Key_Delete)
        m_commands->clipboardCommand(ClipboardCommand::Delete);
    else
        return false;
    return true;
}

void TGBasePanel::mousePressEvent(QMouseEvent *event)
{
    // A press begins a new gesture: whatever held the mouse before lets go.
    m_frame->releaseCapture();
    panelMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TGBasePanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    // A press that selected an object hands the rest of the gesture to the frame.
    if (m_frame->capturesMouse())
        m_frame->handleMove(event->buttons(), point - m_frame->pos());
    else
        panelMouseMove(point);
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (m_frame->capturesMouse())
        m_frame->handleRelease(event->button(), event->modifiers(), point - m_frame->pos());
    else
        panelMouseUp(event->button(), event->modifiers(), point);
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    // The second press of a double-click is a press as well.
    mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // Unselectable objects too: a double-click is how their menu is still reached.
    if (TGGraphicControl *object = objectUnder(point))
        panelDoubleClick(object, point);
}

void TGBasePanel::keyPressEvent(QKeyEvent *event)
{
    if (!panelKeyDown(event->key(), event->modifiers()))
        event->ignore();
}

void TGBasePanel::objectLeaving(TGGraphicControl &object)
{
    m_frame->RemoveFromSelection(object);
}

void TGBasePanel::raiseChanged()
{
    if (!m_zoomBusy)
        Q_EMIT labelChanged();
}

void TGBasePanel::postFrameUpdate()
{
    // Several bounds changes in a row settle before the frame refits once.
    if (m_frameUpdatePosted)
        return;
    m_frameUpdatePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_frameUpdatePosted = false;
            m_frame->UpdateFrame();
        },
        Qt::QueuedConnection);
}

void TGBasePanel::objectNeedsRepaint(const TGGraphicControl &object)
{
    update(object.boundsRect().adjusted(-3, -3, 3, 3));
}

void TGBasePanel::repaintSurface()
{
    update();
}

void TGBasePanel::processPendingEvents()
{
    QCoreApplication::processEvents();
}

bool TGBasePanel::isSelected(const TGGraphicControl &object) const
{
    return m_frame->isSelected(object);
}

int TGBasePanel::selectionCount() const
{
    return m_frame->SelectionCount();
}

void TGBasePanel::addToSelection(TGGraphicControl &object)
{
    m_frame->AddToSelection(object);
}

void TGBasePanel::removeFromSelection(TGGraphicControl &object)
{
    m_frame->RemoveFromSelection(object);
}

void TGBasePanel::clearSelection()
{
    m_frame->ClearSelection();
}

TColor TGBasePanel::handleColor() const
{
    return m_frame->Color();
}

TColor TGBasePanel::secondaryHandleColor() const
{
    return m_frame->SecondaryColor();
}

void TGBasePanel::drawHandles(const std::vector<EdgeRect> &rects, TColor color)
{
    if (!m_painter)
        return;
    // Handles reach beyond the object: they are drawn on the panel, outside the object's clip.
    m_painter->save();
    m_painter->setClipping(false);
    {
        Canvas canvas(*m_painter);
        canvas.SetBrush({color, BrushStyle::bsSolid});
        for (const EdgeRect &square : rects)
            canvas.FillRect(square.left, square.top, square.right, square.bottom);
    }
    m_painter->restore();
}

void TGBasePanel::objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command)
{
    m_commands->objectClipboardCommand(object, command);
}
