#include <gtest/gtest.h>

#include "objects/text/LabelTextLayout.h"

namespace {

struct LayoutCase
{
    const char *what;
    LabelTextLayout::Input input;
    QSize box;
    QPoint origin;
    EdgeRect text;
    EdgeRect shadow;
    EdgeRect highlight;
    QPoint textPoint;
    QPoint shadowPoint;
    QPoint highlightPoint;
};

using Align = TAlignment;

// A line 19 pixels high and 40 wide throughout, so every number below follows from the rules.
LabelTextLayout::Input line(int angle, QSize box, QPoint shadow = {}, QPoint highlight = {},
                            Align alignment = Align::taLeftJustify)
{
    return {19, 40, shadow, highlight, angle, alignment, box.width(), box.height()};
}

} // namespace

TEST(LabelTextLayout, FollowsTheRulesForEveryAngleOffsetAndAlignment)
{
    const LayoutCase cases[] = {
        {"plain upright line: height limited to 1.2 E",
         line(0, {142, 33}),
         {142, 22},
         {0, 0},
         {0, 0, 142, 19},
         {0, 0, 142, 19},
         {0, 0, 142, 19},
         {0, 0},
         {0, 0},
         {0, 0}},
        {"shadow down-right 3 and highlight up-left 2 make room above and left",
         line(0, {142, 33}, {3, 3}, {-2, -2}),
         {142, 28},
         {2, 2},
         {2, 2, 142, 21},
         {5, 5, 145, 24},
         {0, 0, 140, 19},
         {2, 2},
         {5, 5},
         {0, 0}},
        {"a low box is raised to E",
         line(0, {142, 10}, {0, 4}),
         {142, 23},
         {0, 0},
         {0, 0, 142, 19},
         {0, 4, 142, 23},
         {0, 0, 142, 19},
         {0, 0},
         {0, 4},
         {0, 0}},
        {"a box of 5 pixels or less takes the text width",
         line(0, {5, 22}),
         {40, 22},
         {0, 0},
         {0, 0, 40, 19},
         {0, 0, 40, 19},
         {0, 0, 40, 19},
         {0, 0},
         {0, 0},
         {0, 0}},
        {"right alignment",
         line(0, {142, 22}, {}, {}, Align::taRightJustify),
         {142, 22},
         {0, 0},
         {0, 0, 142, 19},
         {0, 0, 142, 19},
         {0, 0, 142, 19},
         {102, 0},
         {102, 0},
         {102, 0}},
        {"centre measured from 0, not from the rectangle, with a left-moving shadow",
         line(0, {142, 22}, {-4, 0}, {}, Align::taCenter),
         {142, 22},
         {4, 0},
         {4, 0, 142, 19},
         {0, 0, 138, 19},
         {4, 0, 142, 19},
         {49, 0},
         {45, 0},
         {49, 0}},
        {"90 degrees: length limited to 1.2 W, thickness to 1.2 E, rectangle shifted",
         line(90, {33, 142}),
         {22, 48},
         {0, 0},
         {0, -1, 19, 47},
         {0, -1, 19, 47},
         {0, -1, 19, 47},
         {0, 47},
         {0, 47},
         {0, 47}},
        {"90 degrees with a shadow turned with the text",
         line(90, {33, 142}, {3, 3}, {2, -2}),
         {28, 48},
         {0, 2},
         {2, 3, 21, 49},
         {5, 0, 24, 46},
         {0, 1, 19, 47},
         {2, 49},
         {5, 46},
         {0, 47}},
        {"180 degrees: a box wider than twice the text shrinks to 2 W",
         line(180, {142, 33}),
         {80, 22},
         {0, 0},
         {-1, 0, 79, 19},
         {-1, 0, 79, 19},
         {-1, 0, 79, 19},
         {79, 19},
         {79, 19},
         {79, 19}},
        {"180 degrees with a shadow: shifted back by its depth, turned up and left",
         line(180, {142, 33}, {3, 3}),
         {80, 26},
         {0, 0},
         {-4, 0, 76, 19},
         {-7, -3, 73, 16},
         {-4, 0, 76, 19},
         {76, 19},
         {73, 16},
         {76, 19}},
        {"270 degrees: no shift, text starts top right",
         line(270, {33, 142}, {0, 2}),
         {25, 48},
         {0, 0},
         {0, 0, 19, 48},
         {-2, 0, 17, 48},
         {0, 0, 19, 48},
         {19, 0},
         {17, 0},
         {19, 0}},
        {"a turned box lower than 5 pixels takes the text width as its length",
         line(270, {22, 4}),
         {22, 40},
         {0, 0},
         {0, 0, 19, 40},
         {0, 0, 19, 40},
         {0, 0, 19, 40},
         {19, 0},
         {19, 0},
         {19, 0}},
    };
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.what);
        const LabelTextLayout out = LabelTextLayout::compute(c.input);
        EXPECT_EQ(QSize(out.width, out.height), c.box);
        EXPECT_EQ(out.textOrigin, c.origin);
        EXPECT_EQ(out.textRect, c.text);
        EXPECT_EQ(out.shadowRect, c.shadow);
        EXPECT_EQ(out.highlightRect, c.highlight);
        EXPECT_EQ(out.textPoint, c.textPoint);
        EXPECT_EQ(out.shadowPoint, c.shadowPoint);
        EXPECT_EQ(out.highlightPoint, c.highlightPoint);
    }
}

TEST(LabelTextLayout, HeightEndsBetweenEAndOnePointTwoE)
{
    struct Case
    {
        int height;
        int expected;
    };
    // E = 20: Trunc(24.0) must stay 24, not drop to 23 through rounding of 1.2.
    const Case cases[] = {{100, 24}, {25, 24}, {24, 24}, {23, 23}, {20, 20}, {19, 20}, {1, 20}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.height);
        LabelTextLayout::Input input{20, 50, {}, {}, 0, TAlignment::taLeftJustify, 100, c.height};
        EXPECT_EQ(LabelTextLayout::compute(input).height, c.expected);
    }
}
