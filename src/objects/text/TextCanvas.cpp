#include "objects/text/TextCanvas.h"

#include <QImage>

#include "design/TGGraphicControl.h"
#include "platform/Font.h"
#include "platform/Numbers.h"
#include "platform/Report.h"
#include "platform/Screen.h"

CanvasFont TextCanvas::zoomedFont(const Font &font, float scale)
{
    CanvasFont canvasFont;
    canvasFont.name = font.name();
    canvasFont.height = font.height();
    if (scale != 1.0f) {
        const int points = int(Trunc(double(font.size()) * double(scale)));
        canvasFont.height = -MulDiv(points, Screen::pixelsPerInch(), 72);
    }
    canvasFont.style = font.style();
    canvasFont.color = font.color();
    canvasFont.pitch = font.pitch();
    return canvasFont;
}

Canvas &TextCanvas::measuringCanvas()
{
    static QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    static Canvas canvas(&image);
    return canvas;
}

void TextCanvas::printBox(Report &report, double x, double y, const TGGraphicControl &object,
                          const std::function<void(Canvas &)> &draw)
{
    if (object.width() < 1 || object.height() < 1)
        return;
    const double p = Screen::pixelsPerInch();
    const QRectF target(
        QPointF(x + object.left() / p, y + object.top() / p),
        QPointF(x + (object.left() + object.width()) / p, y + (object.top() + object.height()) / p));
    report.stretchDrawing(target, QSize(object.width(), object.height()), draw);
}
