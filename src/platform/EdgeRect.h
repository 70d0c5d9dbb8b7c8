#pragma once

#include <QRect>

// A rectangle by its four edges, right and bottom exclusive, as the geometry rules are written.
struct EdgeRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static EdgeRect fromBounds(int left, int top, int width, int height)
    {
        return {left, top, left + width, top + height};
    }
    static EdgeRect fromQRect(const QRect &rect)
    {
        return fromBounds(rect.x(), rect.y(), rect.width(), rect.height());
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool operator==(const EdgeRect &) const = default;
};
