#include "print/PainterReport.h"

#include <QPaintEngine>
#include <QPainter>

#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/Canvas.h"
#include "platform/Numbers.h"

namespace {

// The PDF engine behind files and printers takes and frees buffers of a few hundred kilobytes for
// every sheet. glibc would map and unmap each of them afresh, which costs more than drawing the
// sheet, so freed blocks of that size are kept for reuse for the rest of the process.
void keepPageBuffersForReuse()
{
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
}

} // namespace

PainterReport::PainterReport() = default;

// Derived reports end a running job in their own destructors, while their device still exists.
PainterReport::~PainterReport() = default;

void PainterReport::start()
{
    m_aborted = false;
    keepPageBuffersForReuse();
    QPaintDevice &device = beginDevice();
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&device)) {
        m_painter.reset();
        throw ReportError(QStringLiteral("The print job could not be started."));
    }
    m_canvas = std::make_unique<Canvas>(*m_painter);
    m_pageNumber = 1;
    applyState();
}

void PainterReport::newPage()
{
    if (!running() || m_aborted)
        return;
    // The canvas hands the painter back before the sheet changes under it.
    m_canvas.reset();
    nextSheet(*m_painter);
    m_canvas = std::make_unique<Canvas>(*m_painter);
    ++m_pageNumber;
    applyState();
}

void PainterReport::finish()
{
    if (!m_painter)
        return;
    m_canvas.reset();
    m_painter->end();
    m_painter.reset();
    endDevice();
}

void PainterReport::abort()
{
    if (m_aborted || !m_painter)
        return;
    m_aborted = true;
    abortDevice();
    finish();
}

int PainterReport::toPixelsX(double inches) const
{
    return int(Round(inches * xDpi()));
}

int PainterReport::toPixelsY(double inches) const
{
    return int(Round(inches * yDpi()));
}

void PainterReport::applyState()
{
    setPen(m_pen);
    setBrush(m_brush);
    setFont(m_font);
}

void PainterReport::setPen(const ReportPen &pen)
{
    m_pen = pen;
    if (Canvas *c = canvas()) {
        // Hundredths of an inch become device pixels, never fewer than one.
        const int width = pen.width < 0 ? std::max(1, int(Round(-pen.width / 100.0 * xDpi()))) : pen.width;
        c->SetPen({pen.color, width, pen.style, pen.mode});
    }
}

void PainterReport::setBrush(const ReportBrush &brush)
{
    m_brush = brush;
    if (Canvas *c = canvas()) {
        CanvasBrush canvasBrush;
        canvasBrush.color = brush.color;
        canvasBrush.style = brush.style;
        c->SetBrush(canvasBrush);
    }
}

void PainterReport::setFont(const ReportFont &font)
{
    m_font = font;
    if (Canvas *c = canvas()) {
        // The character height in device pixels keeps the point size on any resolution.
        CanvasFont canvasFont;
        canvasFont.name = font.name;
        canvasFont.height = -std::max(1, int(Round(font.size * yDpi() / 72.0)));
        canvasFont.style = font.style;
        canvasFont.color = font.color;
        c->SetFont(canvasFont);
    }
}

void PainterReport::moveTo(double x, double y)
{
    if (Canvas *c = canvas())
        c->MoveTo(toPixelsX(x), toPixelsY(y));
}

void PainterReport::lineTo(double x, double y)
{
    if (Canvas *c = canvas())
        c->LineTo(toPixelsX(x), toPixelsY(y));
}

void PainterReport::rectangle(double x1, double y1, double x2, double y2)
{
    if (Canvas *c = canvas())
        c->Rectangle(toPixelsX(x1), toPixelsY(y1), toPixelsX(x2), toPixelsY(y2));
}

void PainterReport::roundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                              double cornerHeight)
{
    if (Canvas *c = canvas())
        c->RoundRect(toPixelsX(x1), toPixelsY(y1), toPixelsX(x2), toPixelsY(y2), toPixelsX(cornerWidth),
                     toPixelsY(cornerHeight));
}

void PainterReport::ellipse(double x1, double y1, double x2, double y2)
{
    if (Canvas *c = canvas())
        c->Ellipse(toPixelsX(x1), toPixelsY(y1), toPixelsX(x2), toPixelsY(y2));
}

void PainterReport::stretchPicture(const QRectF &inches, const QPicture &picture)
{
    if (Canvas *c = canvas())
        c->StretchDraw(toPixelsX(inches.left()), toPixelsY(inches.top()), toPixelsX(inches.right()),
                       toPixelsY(inches.bottom()), picture);
}

void PainterReport::stretchImage(const QRectF &inches, const QImage &image)
{
    if (Canvas *c = canvas())
        c->StretchDraw(toPixelsX(inches.left()), toPixelsY(inches.top()), toPixelsX(inches.right()),
                       toPixelsY(inches.bottom()), image);
}

void PainterReport::stretchDrawing(const QRectF &inches, QSize frame,
                                   const std::function<void(Canvas &)> &draw)
{
    Canvas *c = canvas();
    if (!c || frame.isEmpty())
        return;
    // A PDF page takes the drawing straight, its text staying text; other devices replay a
    // recording, which keeps what they show whatever their resolution.
    if (m_painter->paintEngine()->type() != QPaintEngine::Pdf) {
        Report::stretchDrawing(inches, frame, draw);
        return;
    }
    const int left = toPixelsX(inches.left());
    const int top = toPixelsY(inches.top());
    const int right = toPixelsX(inches.right());
    const int bottom = toPixelsY(inches.bottom());
    if (left == right || top == bottom)
        return;
    m_painter->save();
    m_painter->translate(right < left ? left + 1 : left, bottom < top ? top + 1 : top);
    m_painter->scale(double(right - left) / frame.width(), double(bottom - top) / frame.height());
    {
        Canvas frameCanvas(*m_painter);
        draw(frameCanvas);
    }
    m_painter->restore();
}

void PainterReport::textOut(double x, double y, const QString &text)
{
    if (Canvas *c = canvas()) {
        const TextAlign oldAlign = c->SetTextAlign({TextHorizontal::Left, TextVertical::Baseline});
        const BackgroundMode oldMode = c->SetBkMode(BackgroundMode::Transparent);
        c->TextOut(toPixelsX(x), toPixelsY(y), text);
        c->SetBkMode(oldMode);
        c->SetTextAlign(oldAlign);
    }
}

void PainterReport::polygonPixels(const QPolygon &points)
{
    if (Canvas *c = canvas())
        c->Polygon(points);
}

void PainterReport::fillRectPixels(const QRect &rect)
{
    if (Canvas *c = canvas())
        c->FillRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

void PainterReport::setClipPixels(const QPainterPath &region)
{
    if (Canvas *c = canvas())
        c->SetClipRegion(region);
}

void PainterReport::removeClip()
{
    if (Canvas *c = canvas())
        c->RemoveClip();
}
