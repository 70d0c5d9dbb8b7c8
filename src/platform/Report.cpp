#include "platform/Report.h"

#include "platform/Canvas.h"

void Report::stretchDrawing(const QRectF &inches, QSize frame, const std::function<void(Canvas &)> &draw)
{
    QPicture picture;
    {
        Canvas canvas(&picture);
        draw(canvas);
    }
    // The frame is the whole drawing area, not just the part that was drawn on.
    picture.setBoundingRect(QRect(QPoint(0, 0), frame));
    stretchPicture(inches, picture);
}
