#pragma once

#include <QPoint>

#include "objects/text/TextEffects.h"
#include "platform/EdgeRect.h"

// Where a single line of text and its shadow and highlight copies go in a box, given the measured
// line. Rectangles are (left, top, right, bottom); points are where a turned line of text starts.
struct LabelTextLayout
{
    struct Input
    {
        int lineHeight = 0; // tmHeight + internal + external leading
        int textWidth = 0;  // the caption with one trailing space
        QPoint shadowOffset;
        QPoint highlightOffset;
        int angle = 0;
        TAlignment alignment = TAlignment::taLeftJustify;
        int width = 0;
        int height = 0;
    };

    static LabelTextLayout compute(const Input &input);

    int width = 0; // the box after fitting it to the line
    int height = 0;
    QPoint textOrigin;
    EdgeRect textRect;
    EdgeRect shadowRect;
    EdgeRect highlightRect;
    QPoint textPoint;
    QPoint shadowPoint;
    QPoint highlightPoint;
};
