#include "objects/text/LabelTextLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The 1.2 rules are evaluated in 80-bit precision, as the stored boxes were fitted.
bool belowTimesOnePointTwo(int value, int limit)
{
    return value * 1.2L < limit;
}

int timesOnePointTwo(int value)
{
    return int(std::trunc(value * 1.2L));
}

// An offset as it looks on the page when the line is turned counter-clockwise by the angle.
QPoint turned(QPoint offset, int angle)
{
    switch (angle) {
    case 90:
        return {offset.y(), -offset.x()};
    case 180:
        return {-offset.x(), -offset.y()};
    case 270:
        return {-offset.y(), offset.x()};
    default:
        return offset;
    }
}

EdgeRect shifted(const EdgeRect &rect, QPoint by)
{
    return {rect.left + by.x(), rect.top + by.y(), rect.right + by.x(), rect.bottom + by.y()};
}

// The corner a turned line of text starts from.
QPoint startCorner(const EdgeRect &rect, int angle)
{
    switch (angle) {
    case 90:
        return {rect.left, rect.bottom};
    case 180:
        return {rect.right, rect.bottom};
    case 270:
        return {rect.right, rect.top};
    default:
        return {rect.left, rect.top};
    }
}

} // namespace

LabelTextLayout LabelTextLayout::compute(const Input &in)
{
    LabelTextLayout out;
    const int L = in.lineHeight;
    const int W = in.textWidth;
    const QPoint s = in.shadowOffset;
    const QPoint h = in.highlightOffset;
    const bool upright = in.angle == 0 || in.angle == 180;

    const int ox = std::max({0, -s.x(), -h.x()});
    const int oy = std::max({0, -s.y(), -h.y()});
    out.textOrigin = {ox, oy};
    const int E = L + s.y() - h.y();

    int width = in.width;
    int height = in.height;
    if (upright) {
        if (in.angle == 180 && 2 * W < width)
            width = 2 * W;
        if (width <= 5)
            width = W;
        if (belowTimesOnePointTwo(E, height))
            height = timesOnePointTwo(E);
        if (height < E)
            height = E;
    } else {
        if (belowTimesOnePointTwo(W, height))
            height = timesOnePointTwo(W);
        if (height < 5)
            height = W;
        if (belowTimesOnePointTwo(E, width))
            width = timesOnePointTwo(E);
        if (width < E)
            width = E;
    }
    out.width = width;
    out.height = height;

    EdgeRect text = upright ? EdgeRect{ox, oy, width, oy + L} : EdgeRect{oy, ox, oy + L, height - oy};
    const int textHeight = text.bottom - text.top + 1;
    const int textWidth = text.right - text.left + 1;
    if (in.angle == 90)
        text = shifted(text, {0, height - textHeight + h.x()});
    else if (in.angle == 180)
        text = shifted(text, {width - textWidth - s.y(), 0});
    out.textRect = text;
    out.shadowRect = shifted(text, turned(s, in.angle));
    out.highlightRect = shifted(text, turned(h, in.angle));

    out.textPoint = startCorner(out.textRect, in.angle);
    out.shadowPoint = startCorner(out.shadowRect, in.angle);
    out.highlightPoint = startCorner(out.highlightRect, in.angle);

    if (in.angle == 0) {
        int x = out.textRect.left;
        if (in.alignment == TAlignment::taRightJustify)
            x = out.textRect.right - W;
        else if (in.alignment == TAlignment::taCenter)
            x = (out.textRect.right - out.textRect.left) / 2 - W / 2;
        out.textPoint.setX(x);
        out.highlightPoint.setX(x + h.x());
        out.shadowPoint.setX(x + s.x());
    }
    return out;
}
