#include <gtest/gtest.h>

#include <QImage>

#include "objects/shapes/TGLabelShapes.h"
#include "objects/shapes/TGLineShape.h"
#include "platform/Canvas.h"
#include "platform/Screen.h"
#include "support/CallRecordingReport.h"
#include "support/InkedBox.h"
#include "support/RecordingSurface.h"

namespace {

// Paints one object the way the panel does, on a white image of its own size plus a margin.
QImage paintAlone(TGGraphicControl &object)
{
    QImage image(object.width() + 4, object.height() + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    canvas.SetOrigin(QPoint(2, 2));
    object.paintOn(canvas);
    return image;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x + 2, y + 2)) < 128;
}

// The inked rows and columns of a painted object, in object coordinates.
QRect inkBounds(const QImage &image)
{
    return inkedBox(image).translated(-2, -2);
}

} // namespace

TEST(LineShapePaint, StraightLinesAreInsetByHalfThePenDiagonalsRunCornerToCorner)
{
    struct Case
    {
        TLineStyle style;
        int penWidth;
        float scale;
        QRect ink;
    };
    const Case cases[] = {
        // Pen 5: runs at y = 2 from x = 2 to x = Width - 2; the stroke lies within the bounds.
        {TLineStyle::stHorizontal, 5, 1.0f, QRect(0, 0, 40, 5)},
        {TLineStyle::stVertical, 3, 1.0f, QRect(0, 0, 3, 20)},
        {TLineStyle::stHorizontal, 1, 1.0f, QRect(0, 0, 40, 1)},
        // Zoom 0.5 turns a 1-pixel pen into width 0, still the thinnest line; the rule then ends one
        // pixel past the bounds, which the panel's clip to the object hides.
        {TLineStyle::stHorizontal, 1, 0.5f, QRect(0, 0, 41, 1)},
    };
    for (const Case &c : cases) {
        TGLineShape line;
        line.setBounds(0, 0, 40, 20);
        line.setLineStyle(c.style);
        line.pen().setWidth(c.penWidth);
        line.setScale(c.scale);
        EXPECT_EQ(inkBounds(paintAlone(line)), c.ink) << int(c.style) << " pen " << c.penWidth;
    }
}

TEST(LineShapePaint, DiagonalsTouchTheirCornersWhateverThePen)
{
    TGLineShape line;
    line.setBounds(0, 0, 40, 20);
    line.setLineStyle(TLineStyle::stAngleSlopingDown);
    line.pen().setWidth(8);
    const QImage image = paintAlone(line);
    EXPECT_TRUE(dark(image, 0, 0));
    EXPECT_TRUE(dark(image, 38, 19));
}

TEST(ShapePaint, OutlineStaysInsideTheBoundsAndTheFillInsideTheOutline)
{
    struct Case
    {
        TShapeType shape;
        int penWidth;
        float scale;
        QRect ink;
    };
    const Case cases[] = {
        {TShapeType::stRectangle, 1, 1.0f, QRect(0, 0, 30, 20)},
        {TShapeType::stRectangle, 4, 1.0f, QRect(0, 0, 30, 20)},
        {TShapeType::stSquare, 4, 1.0f, QRect(0, 0, 30, 20)},
        {TShapeType::stEllipse, 3, 1.0f, QRect(0, 0, 30, 20)},
        {TShapeType::stCircle, 1, 1.0f, QRect(0, 0, 30, 20)},
        {TShapeType::stRoundRect, 2, 1.0f, QRect(0, 0, 30, 20)},
    };
    for (const Case &c : cases) {
        TGLabelShapes shape;
        shape.setBounds(0, 0, 30, 20);
        shape.setShape(c.shape);
        shape.pen().setWidth(c.penWidth);
        const QImage image = paintAlone(shape);
        EXPECT_EQ(inkBounds(image), c.ink) << int(c.shape) << " pen " << c.penWidth;
        EXPECT_EQ(image.pixel(2 + 15, 2 + 10), qRgb(255, 255, 255)) << "white fill";
    }
}

TEST(ShapePaint, ZoomedPenWidthsNeverVanish)
{
    struct Case
    {
        int penWidth;
        float scale;
        int drawn;
    };
    const Case cases[] = {{1, 0.5f, 1}, {3, 0.5f, 2}, {1, 1.5f, 2}, {5, 1.5f, 8}, {0, 0.5f, 0}, {4, 1.0f, 4}};
    for (const Case &c : cases) {
        TGLabelShapes shape;
        shape.pen().setWidth(c.penWidth);
        shape.setScale(c.scale);
        EXPECT_EQ(shape.screenPenWidth(), c.drawn) << c.penWidth << " at " << c.scale;
    }
}

TEST(ShapePaint, RoundedCornersUseTheExtendedPrecisionRule)
{
    struct Case
    {
        int side, percent, corner;
    };
    const Case cases[] = {{100, 20, 19}, {100, 30, 29}, {100, 60, 59},
                          {100, 25, 25}, {100, 50, 50}, {200, 25, 50}};
    for (const Case &c : cases)
        EXPECT_EQ(TGLabelShapes::cornerSize(c.side, c.percent), c.corner) << c.percent << " % of " << c.side;
}

TEST(ShapeMenu, RoundingSubmenuOnlyForRoundedRectanglesAndTransparentToggles)
{
    RecordingSurface surface;
    for (const TShapeType shape : {TShapeType::stRectangle, TShapeType::stRoundRect, TShapeType::stEllipse}) {
        auto *object = static_cast<TGLabelShapes *>(surface.addObject(std::make_unique<TGLabelShapes>()));
        object->setShape(shape);
        object->Loaded();
        const bool rounded = object->ObjectMenu()->find(QStringLiteral("Degree of Rounding")) != nullptr;
        EXPECT_EQ(rounded, shape == TShapeType::stRoundRect);
        if (rounded) {
            object->ObjectMenu()->find(QStringLiteral("20 %"))->click();
            EXPECT_EQ(object->roundPerc(), 20);
        }
        object->ObjectMenu()->find(QStringLiteral("Transparent"))->click();
        EXPECT_TRUE(object->transparent());
        EXPECT_EQ(object->brush().style(), BrushStyle::bsClear);
        object->PopupOpening();
        EXPECT_TRUE(object->ObjectMenu()->find(QStringLiteral("Transparent"))->checked());
    }
}

TEST(ShapePrint, LinesAndShapesPrintInInchesWithHundredthInchPens)
{
    Screen::setPixelsPerInch(96);
    CallRecordingReport report;
    TGLineShape line;
    line.setBounds(96, 48, 192, 10);
    line.pen().setWidth(3);
    line.PrintAt(report, 1.0, 2.0);
    EXPECT_EQ(report.pen.width, -3);
    EXPECT_EQ(report.calls, (QStringList{"moveTo(2, 2.510416667)", "lineTo(4, 2.510416667)"}));

    report.calls.clear();
    TGLabelShapes shape;
    shape.setShape(TShapeType::stRoundRect);
    shape.setBounds(0, 0, 200, 100);
    shape.pen().setWidth(2);
    shape.PrintAt(report, 0.5, 0.5);
    EXPECT_EQ(report.pen.width, -2);
    EXPECT_EQ(report.calls,
              (QStringList{"roundRect(0.5, 0.5, 2.583333333, 1.541666667, 0.5208333333, 0.5208333333)"}));

    // The same line prints 3/100 inch wide on a 120 pixels-per-inch screen.
    Screen::setPixelsPerInch(120);
    line.PrintAt(report, 0, 0);
    EXPECT_EQ(report.pen.width, -3);
    shape.pen().setWidth(1);
    shape.PrintAt(report, 0, 0);
    EXPECT_EQ(report.pen.width, 0) << "trunc(1 / 120 * 100) = 0";
    Screen::setPixelsPerInch(96);
}
