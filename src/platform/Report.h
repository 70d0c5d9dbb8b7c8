#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPicture>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

#include "platform/Color.h"
#include "platform/GraphicsTypes.h"

class Canvas;

// A report pen: a negative width is hundredths of an inch (never thinner than one device pixel on
// paper), zero or more is device pixels, zero being the thinnest line.
struct ReportPen
{
    TColor color = Colors::clBlack;
    PenStyle style = PenStyle::psSolid;
    PenMode mode = PenMode::pmCopy;
    int width = 1;
    bool operator==(const ReportPen &) const = default;
};

struct ReportBrush
{
    TColor color = Colors::clWhite;
    BrushStyle style = BrushStyle::bsSolid;
    bool operator==(const ReportBrush &) const = default;
};

// A report font: the size is in points, so that text measures the same on paper at any resolution.
struct ReportFont
{
    QString name = QStringLiteral("Arial");
    int size = 8;
    FontStyles style = 0;
    TColor color = Colors::clBlack;
    bool operator==(const ReportFont &) const = default;
};

// One page of a print job as label objects draw on it: positions in inches from the paper's
// top-left corner (the printer's unprintable border is the implementation's business).
// Implementations: the system printer, a PDF file, the recording kept for the preview.
class Report
{
public:
    virtual ~Report() = default;

    // Device resolution in dots per inch.
    virtual double xDpi() const = 0;
    virtual double yDpi() const = 0;

    virtual void setPen(const ReportPen &pen) = 0;
    virtual void setBrush(const ReportBrush &brush) = 0;

    virtual void moveTo(double x, double y) = 0;
    virtual void lineTo(double x, double y) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;
    // The corner ellipse is cornerWidth x cornerHeight inches.
    virtual void roundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                           double cornerHeight) = 0;
    virtual void ellipse(double x1, double y1, double x2, double y2) = 0;
    // A recorded picture replayed to fill the rectangle, whatever the device's resolution.
    virtual void stretchPicture(const QRectF &inches, const QPicture &picture) = 0;
    virtual void stretchImage(const QRectF &inches, const QImage &image) = 0;
    // What draw puts on a canvas of frame pixels, stretched over the rectangle as a recording of it
    // would be. Reports that can draw it straight onto the page at that scale do so.
    virtual void stretchDrawing(const QRectF &inches, QSize frame, const std::function<void(Canvas &)> &draw);

    // Text, clip regions and printer-pixel drawing. Printer pixels count from the paper's top-left
    // corner at xDpi() x yDpi(). A report that only notes what objects draw may leave these out.
    virtual void setFont(const ReportFont &) {}
    // The text's baseline starts at (x, y), over a transparent background.
    virtual void textOut(double /*x*/, double /*y*/, const QString & /*text*/) {}
    virtual void polygonPixels(const QPolygon & /*points*/) {}
    // The brush alone over the rectangle, right and bottom exclusive.
    virtual void fillRectPixels(const QRect & /*rect*/) {}
    virtual void setClipPixels(const QPainterPath & /*region*/) {}
    virtual void removeClip() {}
};
