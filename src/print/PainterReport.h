#pragma once

#include <QString>

#include <memory>
#include <stdexcept>

#include "platform/Report.h"

class Canvas;
class QPaintDevice;
class QPainter;

// A device or driver failure while a job starts or runs; the text is one line for the user.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

// A print job drawn with a painter on a paint device whose origin is the paper's top-left corner,
// one device pixel being 1/xDpi() by 1/yDpi() inch. Inches are rounded to the nearest device pixel;
// the drawing rules are the canvas's (see Canvas.h).
//
// A job runs start(), then drawing with newPage() between sheets, then finish(); abort() ends it
// at once, after which drawing is ignored and finish() only tidies up.
class PainterReport : public Report
{
public:
    PainterReport();
    ~PainterReport() override;
    PainterReport(const PainterReport &) = delete;
    PainterReport &operator=(const PainterReport &) = delete;

    void start();
    void newPage();
    void finish();
    void abort();
    bool aborted() const { return m_aborted; }
    bool running() const { return m_canvas != nullptr; }
    // 1 for the first sheet of the job.
    int pageNumber() const { return m_pageNumber; }

    void setPen(const ReportPen &pen) override;
    void setBrush(const ReportBrush &brush) override;
    void setFont(const ReportFont &font) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void roundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                   double cornerHeight) override;
    void ellipse(double x1, double y1, double x2, double y2) override;
    void stretchPicture(const QRectF &inches, const QPicture &picture) override;
    void stretchImage(const QRectF &inches, const QImage &image) override;
    void stretchDrawing(const QRectF &inches, QSize frame,
                        const std::function<void(Canvas &)> &draw) override;
    void textOut(double x, double y, const QString &text) override;
    void polygonPixels(const QPolygon &points) override;
    void fillRectPixels(const QRect &rect) override;
    void setClipPixels(const QPainterPath &region) override;
    void removeClip() override;

    // The drawing state last set, kept across sheets.
    const ReportPen &pen() const { return m_pen; }
    const ReportBrush &brush() const { return m_brush; }
    const ReportFont &font() const { return m_font; }

    int toPixelsX(double inches) const;
    int toPixelsY(double inches) const;

protected:
    // The device of the first sheet, ready for a painter; throws ReportError when it cannot be had.
    virtual QPaintDevice &beginDevice() = 0;
    // Moves the painter on to a fresh sheet.
    virtual void nextSheet(QPainter &painter) = 0;
    // After the painter has ended.
    virtual void endDevice() {}
    // Tells the device the job is cancelled, while the painter is still active.
    virtual void abortDevice() {}

private:
    Canvas *canvas() const { return m_aborted ? nullptr : m_canvas.get(); }
    void applyState();

    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<Canvas> m_canvas;
    ReportPen m_pen;
    ReportBrush m_brush;
    ReportFont m_font;
    int m_pageNumber = 0;
    bool m_aborted = false;
};
