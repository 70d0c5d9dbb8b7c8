#pragma once

#include <QImage>
#include <QRect>

// The box around the image's dark pixels (grey below half).
inline QRect inkedBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}
