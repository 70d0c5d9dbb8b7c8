#include <QImage>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <ostream>

#include "platform/Canvas.h"

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF008000;

QImage blankImage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(white);
    return image;
}

// Every pixel differs from its neighbours, so that a wrong combination cannot go unnoticed.
QImage noiseImage(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71) & 0xFF, (x * y * 13) & 0xFF));
    return image;
}

QImage draw(QImage image, const std::function<void(Canvas &)> &paint)
{
    Canvas canvas(&image);
    paint(canvas);
    return image;
}

// The smallest rectangle holding every pixel that is not the background.
QRect inkBounds(const QImage &image, QRgb background = white)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int countPixels(const QImage &image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

CanvasPen pen(int width, PenStyle style = PenStyle::psSolid, PenMode mode = PenMode::pmCopy,
              TColor color = Colors::clBlack)
{
    return CanvasPen{color, width, style, mode};
}

CanvasBrush solid(TColor color)
{
    return CanvasBrush{color, BrushStyle::bsSolid};
}

CanvasBrush clear()
{
    return CanvasBrush{Colors::clWhite, BrushStyle::bsClear};
}

CanvasFont sans(int height, FontStyles style = 0)
{
    CanvasFont font;
    font.name = QStringLiteral("Liberation Sans");
    font.height = height;
    font.style = style;
    return font;
}

enum class Shape { Rectangle, Ellipse, RoundRect };

void drawShape(Canvas &canvas, Shape shape, QRect box)
{
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    switch (shape) {
    case Shape::Rectangle:
        canvas.Rectangle(box.x(), box.y(), right, bottom);
        break;
    case Shape::Ellipse:
        canvas.Ellipse(box.x(), box.y(), right, bottom);
        break;
    case Shape::RoundRect:
        canvas.RoundRect(box.x(), box.y(), right, bottom, 8, 8);
        break;
    }
}

struct ShapeCase
{
    Shape shape;
    int penWidth;
    PenStyle style;
    QRect box; // x, y, width, height as passed in (left, top, right, bottom) form
    QRect ink; // expected ink bounds
};

void PrintTo(const ShapeCase &c, std::ostream *out)
{
    *out << "shape " << int(c.shape) << " pen " << c.penWidth << " style " << int(c.style);
}

class ShapeEdges : public ::testing::TestWithParam<ShapeCase>
{
};

// A pen of width w on an object W x H gets the box (w div 2, w div 2, W - w + 1 + w div 2, ...) from
// its caller, which must keep the whole stroke inside the object.
const ShapeCase shapeCases[] = {
    {Shape::Rectangle, 1, PenStyle::psSolid, QRect(5, 5, 20, 15), QRect(5, 5, 20, 15)},
    {Shape::Ellipse, 1, PenStyle::psSolid, QRect(5, 5, 20, 15), QRect(5, 5, 20, 15)},
    {Shape::RoundRect, 1, PenStyle::psSolid, QRect(5, 5, 20, 15), QRect(5, 5, 20, 15)},
    {Shape::Rectangle, 4, PenStyle::psSolid, QRect(2, 2, 27, 17), QRect(0, 0, 30, 20)},
    {Shape::Ellipse, 4, PenStyle::psSolid, QRect(2, 2, 27, 17), QRect(0, 0, 30, 20)},
    {Shape::RoundRect, 4, PenStyle::psSolid, QRect(2, 2, 27, 17), QRect(0, 0, 30, 20)},
    {Shape::Rectangle, 5, PenStyle::psSolid, QRect(2, 2, 26, 16), QRect(0, 0, 30, 20)},
    {Shape::Rectangle, 0, PenStyle::psSolid, QRect(3, 4, 10, 10), QRect(3, 4, 10, 10)},
    {Shape::Rectangle, 4, PenStyle::psInsideFrame, QRect(3, 4, 20, 10), QRect(3, 4, 20, 10)},
    {Shape::Ellipse, 6, PenStyle::psInsideFrame, QRect(3, 4, 30, 20), QRect(3, 4, 30, 20)},
};

TEST_P(ShapeEdges, OutlineCoversExactlyTheExpectedPixels)
{
    const ShapeCase &c = GetParam();
    const QImage image = draw(blankImage(40, 30), [&](Canvas &canvas) {
        canvas.SetPen(pen(c.penWidth, c.style));
        canvas.SetBrush(clear());
        drawShape(canvas, c.shape, c.box);
    });
    EXPECT_EQ(inkBounds(image), c.ink);
}

TEST_P(ShapeEdges, FillStaysInsideTheOutline)
{
    const ShapeCase &c = GetParam();
    const QImage image = draw(blankImage(40, 30), [&](Canvas &canvas) {
        canvas.SetPen(pen(c.penWidth, c.style));
        canvas.SetBrush(solid(Colors::clRed));
        drawShape(canvas, c.shape, c.box);
    });
    EXPECT_EQ(inkBounds(image), c.ink);
    const QPoint centre = c.ink.center();
    EXPECT_EQ(image.pixel(centre), red);
    // The outline is on top on the middle row's outer pixels.
    EXPECT_EQ(image.pixel(c.ink.left(), centre.y()), black);
    EXPECT_EQ(image.pixel(c.ink.right(), centre.y()), black);
}

INSTANTIATE_TEST_SUITE_P(Canvas, ShapeEdges, ::testing::ValuesIn(shapeCases));

TEST(Canvas, ClearPenFillsTheWholeBoxAndNothingElse)
{
    for (Shape shape : {Shape::Rectangle, Shape::Ellipse, Shape::RoundRect}) {
        const QImage image = draw(blankImage(40, 30), [&](Canvas &canvas) {
            canvas.SetPen(pen(1, PenStyle::psClear));
            canvas.SetBrush(solid(Colors::clRed));
            drawShape(canvas, shape, QRect(4, 6, 20, 12));
        });
        EXPECT_EQ(inkBounds(image), QRect(4, 6, 20, 12)) << int(shape);
        EXPECT_EQ(countPixels(image, black), 0);
    }
    const QImage rectangle = draw(blankImage(40, 30), [](Canvas &canvas) {
        canvas.SetPen(pen(1, PenStyle::psClear));
        canvas.SetBrush(solid(Colors::clRed));
        canvas.Rectangle(4, 6, 24, 18);
    });
    EXPECT_EQ(countPixels(rectangle, red), 20 * 12);
}

TEST(Canvas, RoundRectCutsItsCorners)
{
    const QImage image = draw(blankImage(40, 40), [](Canvas &canvas) {
        canvas.SetBrush(clear());
        canvas.RoundRect(0, 0, 40, 40, 20, 20);
    });
    EXPECT_EQ(image.pixel(0, 0), white);
    EXPECT_EQ(image.pixel(39, 39), white);
    EXPECT_EQ(image.pixel(20, 0), black);
    EXPECT_EQ(image.pixel(0, 20), black);
    EXPECT_EQ(image.pixel(39, 20), black);
}

struct LineCase
{
    QPoint from;
    QPoint to;
    int penWidth;
    QRect ink;
};

void PrintTo(const LineCase &c, std::ostream *out)
{
    *out << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y() << " pen " << c.penWidth;
}

class Lines : public ::testing::TestWithParam<LineCase>
{
};

// Lines leave out their end pixel; width 0 draws like width 1. A wide pen from (h, h) to
// (W - w + 1 + h, h) lies wholly in the W pixels of its object.
const LineCase lineCases[] = {
    {QPoint(2, 5), QPoint(12, 5), 1, QRect(2, 5, 10, 1)},
    {QPoint(2, 5), QPoint(12, 5), 0, QRect(2, 5, 10, 1)},
    {QPoint(12, 5), QPoint(2, 5), 0, QRect(3, 5, 10, 1)},
    {QPoint(4, 1), QPoint(4, 9), 1, QRect(4, 1, 1, 8)},
    {QPoint(4, 9), QPoint(4, 1), 1, QRect(4, 2, 1, 8)},
    {QPoint(1, 1), QPoint(6, 6), 1, QRect(1, 1, 5, 5)},
    {QPoint(2, 2), QPoint(30 - 5 + 1 + 2, 2), 5, QRect(0, 0, 30, 5)},
    {QPoint(2, 2), QPoint(2, 20 - 4 + 1 + 2), 4, QRect(0, 0, 4, 20)},
};

TEST_P(Lines, CoverTheExpectedPixels)
{
    const LineCase &c = GetParam();
    const QImage image = draw(blankImage(40, 30), [&](Canvas &canvas) {
        canvas.SetPen(pen(c.penWidth));
        canvas.MoveTo(c.from.x(), c.from.y());
        canvas.LineTo(c.to.x(), c.to.y());
        EXPECT_EQ(canvas.PenPos(), c.to);
    });
    EXPECT_EQ(inkBounds(image), c.ink);
}

INSTANTIATE_TEST_SUITE_P(Canvas, Lines, ::testing::ValuesIn(lineCases));

TEST(Canvas, ThinLineIsOnePixelPerStep)
{
    const QImage image = draw(blankImage(40, 30), [](Canvas &canvas) {
        canvas.SetPen(pen(0));
        canvas.MoveTo(0, 0);
        canvas.LineTo(20, 10);
    });
    EXPECT_EQ(countPixels(image, black), 20);
}

TEST(Canvas, DashStylesFollowTheirPixelPatterns)
{
    struct Case
    {
        PenStyle style;
        QString pattern; // one character a pixel along the line, '#' drawn
    };
    const Case cases[] = {
        {PenStyle::psDot, "###...###...###...###...###..."},
        {PenStyle::psDash, "##################......######"},
        {PenStyle::psDashDot, "#########......###......######"},
        {PenStyle::psDashDotDot, "#########...###...###...######"},
        {PenStyle::psInsideFrame, "##############################"},
    };
    for (const Case &c : cases) {
        const QImage image = draw(blankImage(32, 3), [&](Canvas &canvas) {
            canvas.SetPen(pen(1, c.style));
            canvas.MoveTo(0, 1);
            canvas.LineTo(30, 1);
        });
        QString drawn;
        for (int x = 0; x < 30; ++x)
            drawn += image.pixel(x, 1) == black ? '#' : '.';
        EXPECT_EQ(drawn, c.pattern) << int(c.style);
        EXPECT_EQ(image.pixel(30, 1), white);
    }
}

TEST(Canvas, ClearPenDrawsNoLine)
{
    const QImage image = draw(blankImage(20, 20), [](Canvas &canvas) {
        canvas.SetPen(pen(3, PenStyle::psClear));
        canvas.MoveTo(0, 5);
        canvas.LineTo(15, 5);
    });
    EXPECT_TRUE(inkBounds(image).isEmpty());
}

struct XorCase
{
    QImage::Format format;
    int penWidth;
    PenStyle style;
    bool filled;
};

void PrintTo(const XorCase &c, std::ostream *out)
{
    *out << "format " << int(c.format) << " pen " << c.penWidth << " style " << int(c.style)
         << (c.filled ? " filled" : "");
}

class XorDrawing : public ::testing::TestWithParam<XorCase>
{
};

const XorCase xorCases[] = {
    {QImage::Format_RGB32, 1, PenStyle::psDot, false},
    {QImage::Format_ARGB32, 1, PenStyle::psDot, false},
    {QImage::Format_ARGB32_Premultiplied, 1, PenStyle::psSolid, true},
    {QImage::Format_RGB32, 5, PenStyle::psSolid, true},
    {QImage::Format_RGB32, 3, PenStyle::psDash, true},
};

TEST_P(XorDrawing, DrawnTwiceRestoresThePixels)
{
    const XorCase &c = GetParam();
    const QImage original = noiseImage(50, 40, c.format);
    const auto band = [&](Canvas &canvas) {
        canvas.SetPen(pen(c.penWidth, c.style, PenMode::pmXor, Colors::clWhite));
        canvas.SetBrush(c.filled ? solid(Colors::clWhite) : clear());
        canvas.Rectangle(5, 4, 40, 30);
        canvas.Ellipse(10, 8, 45, 38);
    };
    const QImage once = draw(original, band);
    EXPECT_NE(once, original);
    EXPECT_EQ(draw(once, band), original);
}

INSTANTIATE_TEST_SUITE_P(Canvas, XorDrawing, ::testing::ValuesIn(xorCases));

TEST(Canvas, XorCombinesEachPixelOfAFigureOnce)
{
    // The outline lies over the fill's edge; both are inverted, neither twice.
    const QImage original = noiseImage(30, 30, QImage::Format_RGB32);
    const QImage image = draw(original, [](Canvas &canvas) {
        canvas.SetPen(pen(3, PenStyle::psSolid, PenMode::pmXor, Colors::clWhite));
        canvas.SetBrush(solid(Colors::clWhite));
        canvas.Ellipse(2, 2, 28, 28);
        canvas.SetPen(pen(1, PenStyle::psSolid, PenMode::pmXor, Colors::clWhite));
        canvas.SetBrush(clear());
        canvas.Rectangle(0, 0, 30, 30);
    });
    const auto inverted = [&](int x, int y) {
        return image.pixel(x, y) == (original.pixel(x, y) ^ 0x00FFFFFF);
    };
    EXPECT_TRUE(inverted(15, 15));
    EXPECT_TRUE(inverted(2, 15));
    EXPECT_TRUE(inverted(3, 15));
    EXPECT_TRUE(inverted(4, 15));
    EXPECT_TRUE(inverted(0, 0));
    EXPECT_TRUE(inverted(15, 0));
    EXPECT_EQ(image.pixel(3, 3), original.pixel(3, 3));
}

TEST(Canvas, PenModesCombineWithTheDestination)
{
    struct Case
    {
        PenMode mode;
        QRgb expected; // pen $0F3355 ($00BBGGRR: red $55, green $33, blue $0F) over $35A0C6
    };
    const Case cases[] = {
        {PenMode::pmCopy, 0xFF55330F}, {PenMode::pmBlack, 0xFF000000}, {PenMode::pmWhite, 0xFFFFFFFF},
        {PenMode::pmNop, 0xFF35A0C6},  {PenMode::pmNot, 0xFFCA5F39},   {PenMode::pmXor, 0xFF6093C9},
        {PenMode::pmMask, 0xFF152006}, {PenMode::pmMerge, 0xFF75B3CF}, {PenMode::pmNotXor, 0xFF9F6C36},
    };
    for (const Case &c : cases) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(QColor(0x35, 0xA0, 0xC6));
        image = draw(image, [&](Canvas &canvas) {
            canvas.SetPen(pen(1, PenStyle::psSolid, c.mode, 0x0F3355));
            canvas.MoveTo(0, 5);
            canvas.LineTo(10, 5);
        });
        EXPECT_EQ(image.pixel(4, 5), c.expected) << int(c.mode);
        EXPECT_EQ(image.pixel(4, 4), 0xFF35A0C6u);
    }
}

const std::array<quint8, 8> grid4x4{0xFF, 0xFF, 0xDD, 0xFF, 0xFF, 0xFF, 0xDD, 0xFF};
const std::array<quint8, 8> grid8x8{0xFF, 0xFF, 0xDF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

TEST(Canvas, PatternBrushIsAnchoredAtTheDeviceOrigin)
{
    struct Case
    {
        std::array<quint8, 8> rows;
        QPoint origin;
        std::function<bool(int, int)> isDot;
    };
    const Case cases[] = {
        {grid4x4, QPoint(0, 0), [](int x, int y) { return x % 4 == 2 && y % 4 == 2; }},
        {grid4x4, QPoint(5, 3), [](int x, int y) { return x % 4 == 2 && y % 4 == 2; }},
        {grid8x8, QPoint(1, 7), [](int x, int y) { return x % 8 == 2 && y % 8 == 2; }},
    };
    for (const Case &c : cases) {
        const QImage image = draw(blankImage(40, 40), [&](Canvas &canvas) {
            canvas.SetOrigin(c.origin);
            canvas.SetBrush(CanvasBrush::Pattern(c.rows, Colors::clGreen, Colors::clWhite));
            // Starts off the tile boundary, so only the anchoring decides where the dots fall.
            canvas.PatBlt(1, 1, 33, 33, PatternRop::PatCopy);
        });
        const QRect filled = QRect(1, 1, 32, 32).translated(c.origin);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool dot = filled.contains(x, y) && c.isDot(x, y);
                ASSERT_EQ(image.pixel(x, y), dot ? green : white) << x << "," << y;
            }
    }
}

TEST(Canvas, AndPatternKeepsDarkPixelsAndDotsWhite)
{
    QImage image = blankImage(16, 16);
    image.setPixel(2, 2, black);             // dark pixel under a dot
    image.setPixel(3, 3, black);             // dark pixel between dots
    image.setPixel(6, 6, qRgb(255, 0, 255)); // colour under a dot
    image = draw(image, [](Canvas &canvas) {
        canvas.SetBrush(CanvasBrush::Pattern(grid4x4, Colors::clGreen, Colors::clWhite));
        canvas.PatBlt(0, 0, 16, 16, PatternRop::PatAndDst);
    });
    EXPECT_EQ(image.pixel(2, 2), black);
    EXPECT_EQ(image.pixel(3, 3), black);
    EXPECT_EQ(image.pixel(6, 6), black);
    EXPECT_EQ(image.pixel(10, 2), green);
    EXPECT_EQ(image.pixel(1, 1), white);
    EXPECT_EQ(countPixels(image, green), 16 - 2);
}

TEST(Canvas, FillRectUsesTheBrushOnly)
{
    const QImage image = draw(blankImage(20, 20), [](Canvas &canvas) {
        canvas.SetPen(pen(3));
        canvas.SetBrush(solid(Colors::clRed));
        canvas.FillRect(2, 3, 7, 5);
        canvas.FillRect(12, 12, 10, 15); // inverted: nothing
    });
    EXPECT_EQ(inkBounds(image), QRect(2, 3, 5, 2));
    EXPECT_EQ(countPixels(image, red), 10);
}

TEST(Canvas, HatchBrushLeavesGapsUntouched)
{
    const QImage image = draw(blankImage(16, 16), [](Canvas &canvas) {
        canvas.SetBrush(CanvasBrush{Colors::clRed, BrushStyle::bsHorizontal});
        canvas.FillRect(0, 0, 16, 16);
    });
    const int hatched = countPixels(image, red);
    EXPECT_GT(hatched, 0);
    EXPECT_EQ(hatched + countPixels(image, white), 16 * 16);
    // Horizontal hatching: every row is either all hatch or all gap.
    for (int y = 0; y < 16; ++y)
        for (int x = 1; x < 16; ++x)
            ASSERT_EQ(image.pixel(x, y), image.pixel(0, y));
}

struct ClipCase
{
    const char *name;
    std::function<QPainterPath()> region;
    std::vector<QPoint> inside;
    std::vector<QPoint> outside;
};

void PrintTo(const ClipCase &c, std::ostream *out)
{
    *out << c.name;
}

class ClipRegions : public ::testing::TestWithParam<ClipCase>
{
};

QPolygon pentagram()
{
    return QPolygon{QPoint(20, 0), QPoint(32, 38), QPoint(0, 14), QPoint(40, 14), QPoint(8, 38)};
}

const ClipCase clipCases[] = {
    {"rectangle",
     [] { return Canvas::RectRegion(2, 3, 10, 8); },
     {{2, 3}, {9, 7}},
     {{10, 5}, {5, 8}, {1, 3}}},
    {"ellipse",
     [] { return Canvas::EllipticRegion(0, 0, 40, 30); },
     {{20, 15}, {0, 15}, {39, 15}, {20, 0}, {20, 29}},
     {{0, 0}, {39, 0}, {0, 29}, {39, 29}, {40, 15}, {20, 30}}},
    {"rounded rectangle",
     [] { return Canvas::RoundRectRegion(0, 0, 40, 30, 24, 24); },
     {{12, 0}, {0, 12}, {39, 15}, {20, 29}},
     {{0, 0}, {1, 1}, {39, 29}, {40, 15}}},
    {"winding polygon",
     [] { return Canvas::PolygonRegion(pentagram(), PolyFillMode::Winding); },
     {{20, 20}, {20, 5}},
     {{2, 36}}},
    {"alternate polygon",
     [] { return Canvas::PolygonRegion(pentagram(), PolyFillMode::Alternate); },
     {{20, 5}},
     {{20, 20}}},
    {"removed",
     [] { return Canvas::RectRegion(0, 0, 40, 30).subtracted(Canvas::EllipticRegion(10, 10, 30, 20)); },
     {{0, 0}, {5, 15}},
     {{20, 15}}},
    {"combined",
     [] { return Canvas::RectRegion(0, 0, 5, 5).united(Canvas::RectRegion(30, 20, 35, 25)); },
     {{4, 4}, {30, 20}},
     {{5, 5}, {20, 10}}},
};

TEST_P(ClipRegions, LimitDrawingToTheirPixels)
{
    const ClipCase &c = GetParam();
    const QImage image = draw(blankImage(42, 42), [&](Canvas &canvas) {
        // Regions are device coordinates whatever the origin.
        canvas.SetOrigin(QPoint(7, 9));
        canvas.SetClipRegion(c.region());
        canvas.SetBrush(solid(Colors::clRed));
        canvas.FillRect(-7, -9, 35, 33);
    });
    for (QPoint p : c.inside)
        EXPECT_EQ(image.pixel(p), red) << c.name << " " << p.x() << "," << p.y();
    for (QPoint p : c.outside)
        EXPECT_EQ(image.pixel(p), white) << c.name << " " << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(Canvas, ClipRegions, ::testing::ValuesIn(clipCases));

TEST(Canvas, RemovedClipDrawsEverywhereAgain)
{
    const QImage image = draw(blankImage(20, 20), [](Canvas &canvas) {
        canvas.SetClipRegion(Canvas::RectRegion(0, 0, 5, 5));
        canvas.RemoveClip();
        canvas.SetBrush(solid(Colors::clRed));
        canvas.FillRect(0, 0, 20, 20);
    });
    EXPECT_EQ(countPixels(image, red), 400);
}

TEST(Canvas, PolygonFillFollowsThePolyFillMode)
{
    for (PolyFillMode mode : {PolyFillMode::Alternate, PolyFillMode::Winding}) {
        const QImage image = draw(blankImage(42, 42), [&](Canvas &canvas) {
            canvas.SetPolyFillMode(mode);
            canvas.SetBrush(solid(Colors::clRed));
            canvas.Polygon(pentagram());
        });
        EXPECT_EQ(image.pixel(20, 5), red);
        EXPECT_EQ(image.pixel(20, 20), mode == PolyFillMode::Winding ? red : white);
        EXPECT_EQ(image.pixel(20, 0), black);
    }
}

TEST(Canvas, OriginMovesDrawingButNotTheClip)
{
    const QImage image = draw(blankImage(30, 30), [](Canvas &canvas) {
        canvas.SetOrigin(QPoint(10, 12));
        canvas.SetBrush(clear());
        canvas.Rectangle(0, 0, 5, 4);
        canvas.MoveTo(0, 10);
        canvas.LineTo(3, 10);
    });
    EXPECT_EQ(inkBounds(image), QRect(10, 12, 5, 11));
    EXPECT_EQ(image.pixel(10, 22), black);
    EXPECT_EQ(image.pixel(13, 22), white);
}

TEST(Canvas, RestoreBringsBackTheSavedState)
{
    QImage image = blankImage(30, 30);
    Canvas canvas(&image);
    canvas.SetPen(pen(3, PenStyle::psDash));
    canvas.SetOrigin(QPoint(4, 4));
    canvas.Save();
    canvas.SetPen(pen(1));
    canvas.SetBrush(solid(Colors::clRed));
    canvas.SetOrigin(QPoint(0, 0));
    canvas.SetClipRegion(Canvas::RectRegion(0, 0, 2, 2));
    canvas.Restore();
    EXPECT_EQ(canvas.Pen().width, 3);
    EXPECT_EQ(canvas.Pen().style, PenStyle::psDash);
    EXPECT_EQ(canvas.Brush().color, Colors::clWhite);
    EXPECT_EQ(canvas.Origin(), QPoint(4, 4));
    canvas.FillRect(10, 10, 12, 12);
    canvas.SetBrush(solid(Colors::clRed));
    canvas.FillRect(10, 10, 12, 12);
    EXPECT_EQ(image.pixel(14, 14), red); // the clip went with the restore
}

TEST(Canvas, BorrowedPainterGetsItsStateBack)
{
    QImage image = blankImage(20, 20);
    QPainter painter(&image);
    painter.setClipRect(QRect(0, 0, 10, 10));
    {
        Canvas canvas(painter);
        canvas.SetClipRegion(Canvas::RectRegion(15, 15, 20, 20));
        canvas.SetPen(pen(1, PenStyle::psSolid, PenMode::pmXor, Colors::clWhite));
        canvas.Rectangle(0, 0, 20, 20);
    }
    EXPECT_EQ(painter.clipBoundingRect().toRect(), QRect(0, 0, 10, 10));
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
}

TEST(Canvas, FocusRectangleAlternatesPixelsAndRemovesItself)
{
    const QImage original = noiseImage(30, 30, QImage::Format_RGB32);
    const auto focus = [](Canvas &canvas) { canvas.DrawFocusRect(3, 4, 20, 15); };
    const QImage once = draw(original, focus);
    const auto changed = [&](int x, int y) { return once.pixel(x, y) != original.pixel(x, y); };
    for (int x = 3; x < 19; ++x)
        EXPECT_NE(changed(x, 4), changed(x + 1, 4)) << x;
    for (int y = 4; y < 14; ++y)
        EXPECT_NE(changed(3, y), changed(3, y + 1)) << y;
    EXPECT_FALSE(changed(10, 10));
    EXPECT_FALSE(changed(20, 10));
    EXPECT_EQ(draw(once, focus), original);
}

QImage numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40, y * 40, 200));
    return image;
}

TEST(Canvas, StretchDrawMirrorsReversedDestinations)
{
    struct Case
    {
        int left, top, right, bottom;
        std::function<QPoint(int, int)> source; // target pixel -> source pixel
    };
    const Case cases[] = {
        {0, 0, 4, 3, [](int x, int y) { return QPoint(x, y); }},
        {3, 0, -1, 3, [](int x, int y) { return QPoint(3 - x, y); }},
        {0, 2, 4, -1, [](int x, int y) { return QPoint(x, 2 - y); }},
        {3, 2, -1, -1, [](int x, int y) { return QPoint(3 - x, 2 - y); }},
        {7, 0, -1, 6, [](int x, int y) { return QPoint((7 - x) / 2, y / 2); }},
    };
    const QImage source = numbered(4, 3);
    for (const Case &c : cases) {
        const QImage image = draw(blankImage(10, 8), [&](Canvas &canvas) {
            canvas.StretchDraw(c.left, c.top, c.right, c.bottom, source);
        });
        const QRect covered = QRect(QPoint(std::min(c.left, c.right + 1), std::min(c.top, c.bottom + 1)),
                                    QSize(std::abs(c.right - c.left), std::abs(c.bottom - c.top)));
        EXPECT_EQ(inkBounds(image), covered);
        for (int y = covered.top(); y <= covered.bottom(); ++y)
            for (int x = covered.left(); x <= covered.right(); ++x)
                ASSERT_EQ(image.pixel(x, y), source.pixel(c.source(x, y))) << x << "," << y;
    }
}

TEST(Canvas, StretchDrawPlaysRecordingsIntoTheDestination)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        Canvas recorder(painter);
        recorder.SetPen(pen(1, PenStyle::psClear));
        recorder.SetBrush(solid(Colors::clRed));
        recorder.Rectangle(0, 0, 5, 10);
        recorder.SetFont(sans(-8));
        recorder.SetBrush(clear());
        recorder.TextOut(6, 0, QStringLiteral("l"));
    }
    picture.setBoundingRect(QRect(0, 0, 10, 10));
    struct Case
    {
        int left, right;
        int dotsPerInch; // the destination's resolution must not change where the recording lands
        QRect red;
        QRect ink;
    };
    const Case cases[] = {
        {0, 20, 96, QRect(0, 0, 10, 20), QRect(0, 0, 20, 20)},
        {0, 20, 600, QRect(0, 0, 10, 20), QRect(0, 0, 20, 20)},
        {19, -1, 96, QRect(10, 0, 10, 20), QRect(0, 0, 20, 20)},
    };
    for (const Case &c : cases) {
        QImage target = blankImage(24, 24);
        target.setDotsPerMeterX(qRound(c.dotsPerInch / 0.0254));
        target.setDotsPerMeterY(qRound(c.dotsPerInch / 0.0254));
        const QImage image =
            draw(target, [&](Canvas &canvas) { canvas.StretchDraw(c.left, 0, c.right, 20, picture); });
        QImage redOnly = image;
        for (int y = 0; y < redOnly.height(); ++y)
            for (int x = 0; x < redOnly.width(); ++x)
                if (redOnly.pixel(x, y) != red)
                    redOnly.setPixel(x, y, white);
        EXPECT_EQ(inkBounds(redOnly), c.red) << c.dotsPerInch;
        EXPECT_TRUE(c.ink.contains(inkBounds(image))) << c.dotsPerInch;
        EXPECT_GT(inkBounds(image).width(), 10) << c.dotsPerInch; // the recorded text came along
    }
}

struct TextCase
{
    TextAlign align;
    // The ink box relative to the output point, as a predicate on the ink bounds.
    std::function<bool(const QRect &ink, QPoint at, const QSize &extent)> placed;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << "horizontal " << int(c.align.horizontal) << " vertical " << int(c.align.vertical);
}

class TextPlacement : public ::testing::TestWithParam<TextCase>
{
};

const TextCase textCases[] = {
    {TextAlign{},
     [](const QRect &ink, QPoint at, const QSize &extent) {
         return ink.top() >= at.y() && ink.left() >= at.x() - 1 && ink.bottom() < at.y() + extent.height() &&
                ink.right() < at.x() + extent.width() + 1;
     }},
    {TextAlign{TextHorizontal::Left, TextVertical::Baseline},
     [](const QRect &ink, QPoint at, const QSize &) {
         return ink.bottom() < at.y() && ink.top() < at.y() - 10;
     }},
    {TextAlign{TextHorizontal::Right, TextVertical::Bottom},
     [](const QRect &ink, QPoint at, const QSize &extent) {
         return ink.bottom() < at.y() && ink.right() <= at.x() && ink.left() >= at.x() - extent.width() - 1;
     }},
    {TextAlign{TextHorizontal::Center, TextVertical::Top},
     [](const QRect &ink, QPoint at, const QSize &) {
         return ink.top() >= at.y() && ink.left() < at.x() && ink.right() > at.x() &&
                std::abs((ink.left() + ink.right()) / 2 - at.x()) <= 2;
     }},
};

TEST_P(TextPlacement, InkLiesWhereTheAlignmentPutsTheCell)
{
    const TextCase &c = GetParam();
    const QPoint at(60, 40);
    QSize extent;
    const QImage image = draw(blankImage(140, 80), [&](Canvas &canvas) {
        canvas.SetFont(sans(-20));
        canvas.SetBrush(clear());
        canvas.SetTextAlign(c.align);
        extent = canvas.TextExtent(QStringLiteral("TEXT"));
        canvas.TextOut(at.x(), at.y(), QStringLiteral("TEXT"));
    });
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(c.placed(ink, at, extent))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

INSTANTIATE_TEST_SUITE_P(Canvas, TextPlacement, ::testing::ValuesIn(textCases));

TEST(Canvas, TextDefaultsToTheCellTopLeft)
{
    QSize extent;
    const QImage image = draw(blankImage(120, 60), [&](Canvas &canvas) {
        canvas.SetFont(sans(-24));
        canvas.SetBrush(clear());
        extent = canvas.TextExtent(QStringLiteral("Text"));
        canvas.TextOut(10, 20, QStringLiteral("Text"));
    });
    const QRect ink = inkBounds(image);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.top(), 20 + 6); // the cap height starts just below the internal leading
    EXPECT_LT(ink.bottom(), 20 + extent.height());
    EXPECT_GE(ink.left(), 10);
    EXPECT_LT(ink.right(), 10 + extent.width());
}

TEST(Canvas, EscapementTurnsTextCounterClockwiseAboutThePoint)
{
    struct Case
    {
        int escapement;
        std::function<bool(const QRect &ink, QPoint at, const QSize &extent)> placed;
    };
    const Case cases[] = {
        {900,
         [](const QRect &ink, QPoint at, const QSize &extent) {
             return ink.bottom() <= at.y() && ink.top() >= at.y() - extent.width() - 1 &&
                    ink.left() >= at.x() && ink.right() < at.x() + extent.height() &&
                    ink.height() > ink.width();
         }},
        {1800,
         [](const QRect &ink, QPoint at, const QSize &extent) {
             return ink.right() <= at.x() && ink.left() >= at.x() - extent.width() - 1 &&
                    ink.bottom() <= at.y() && ink.top() >= at.y() - extent.height();
         }},
        {2700,
         [](const QRect &ink, QPoint at, const QSize &extent) {
             return ink.top() >= at.y() && ink.bottom() <= at.y() + extent.width() + 1 &&
                    ink.right() <= at.x() && ink.left() >= at.x() - extent.height() &&
                    ink.height() > ink.width();
         }},
    };
    const QPoint at(70, 70);
    for (const Case &c : cases) {
        QSize extent;
        const QImage image = draw(blankImage(140, 140), [&](Canvas &canvas) {
            CanvasFont font = sans(-20);
            font.escapement = c.escapement;
            canvas.SetFont(font);
            canvas.SetBrush(clear());
            extent = canvas.TextExtent(QStringLiteral("Text"));
            canvas.TextOut(at.x(), at.y(), QStringLiteral("Text"));
        });
        const QRect ink = inkBounds(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(c.placed(ink, at, extent))
            << c.escapement << ": " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST(Canvas, OpaqueTextFillsItsCellWithTheBrushColour)
{
    constexpr QRgb yellow = 0xFFFFFF00;
    struct Case
    {
        CanvasBrush brush;
        BackgroundMode mode;
        bool filled;
    };
    const Case cases[] = {
        {solid(Colors::clYellow), BackgroundMode::Opaque, true},
        {solid(Colors::clYellow), BackgroundMode::Transparent, false},
        {CanvasBrush{Colors::clYellow, BrushStyle::bsClear}, BackgroundMode::Opaque, false},
    };
    for (const Case &c : cases) {
        QSize extent;
        const QImage image = draw(blankImage(100, 40), [&](Canvas &canvas) {
            canvas.SetFont(sans(-16));
            canvas.SetBrush(c.brush);
            canvas.SetBkMode(c.mode);
            extent = canvas.TextExtent(QStringLiteral("Text"));
            canvas.TextOut(5, 6, QStringLiteral("Text"));
        });
        EXPECT_EQ(image.pixel(5, 6) == yellow, c.filled);
        if (c.filled) {
            EXPECT_EQ(inkBounds(image), QRect(QPoint(5, 6), extent));
        }
    }
}

TEST(Canvas, TextRectClipsTheText)
{
    const QImage image = draw(blankImage(100, 40), [](Canvas &canvas) {
        canvas.SetOrigin(QPoint(3, 2));
        canvas.SetFont(sans(-20));
        canvas.SetBrush(clear());
        canvas.TextRect(10, 5, 30, 25, 0, 5, QStringLiteral("WWWWWWWW"));
    });
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(13, 7, 20, 20).contains(ink));
}

TEST(Canvas, TextPathFollowsTheTextPlacement)
{
    QImage image = blankImage(100, 50);
    Canvas canvas(&image);
    canvas.SetFont(sans(-24));
    const QSize extent = canvas.TextExtent(QStringLiteral("Text"));
    const QPainterPath path = canvas.TextPath(10, 8, QStringLiteral("Text"));
    EXPECT_TRUE(QRectF(QPointF(10, 8), QSizeF(extent)).adjusted(-1, -1, 1, 1).contains(path.boundingRect()));
    canvas.SetOrigin(QPoint(5, 5));
    canvas.SetClipPath(path);
    canvas.SetBrush(solid(Colors::clRed));
    canvas.FillRect(-5, -5, 95, 45);
    const QRect ink = inkBounds(image);
    EXPECT_TRUE(QRect(15, 13, extent.width() + 1, extent.height() + 1).contains(ink));
    EXPECT_GT(countPixels(image, red), 50);
}

TEST(Canvas, StrokePathDrawsAnOutlineOnly)
{
    QImage image = blankImage(100, 50);
    {
        Canvas canvas(&image);
        canvas.SetFont(sans(-30));
        canvas.SetPen(pen(1));
        canvas.StrokePath(canvas.TextPath(5, 5, QStringLiteral("O")));
    }
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(image.pixel(ink.center()), white); // the hole of the O stays empty
}

TEST(Canvas, TextMetricsHoldTogether)
{
    QImage image = blankImage(10, 10);
    Canvas canvas(&image);
    for (int height : {-8, -13, -16, -20, -37, -100}) {
        canvas.SetFont(sans(height));
        const TextMetrics metrics = canvas.GetTextMetrics();
        EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent) << height;
        EXPECT_EQ(metrics.tmInternalLeading, metrics.tmHeight + height) << height;
        EXPECT_GE(metrics.tmInternalLeading, 0) << height;
        EXPECT_GE(metrics.tmExternalLeading, 0) << height;
        EXPECT_GT(metrics.tmAveCharWidth, 0) << height;
        EXPECT_EQ(canvas.TextHeight(QStringLiteral("Xg")), metrics.tmHeight) << height;
    }
    // Arial's average character width is 904/2048 of the em.
    canvas.SetFont(sans(-100));
    EXPECT_NEAR(canvas.GetTextMetrics().tmAveCharWidth, 44, 1);
}

// Text runs glyph after glyph as on the classic canvas: no ligatures, no pair kerning, in fonts
// that have both.
TEST(Canvas, TextWidthIsTheSumOfItsGlyphs)
{
    QImage image = blankImage(10, 10);
    Canvas canvas(&image);
    for (const char *family : {"DejaVu Serif", "C059", "Liberation Sans"}) {
        CanvasFont font = sans(-200);
        font.name = QString::fromLatin1(family);
        canvas.SetFont(font);
        for (const char *text : {"fi", "ffl", "AV", "To"}) {
            int sum = 0;
            for (const QChar c : QString::fromLatin1(text))
                sum += canvas.TextWidth(QString(c));
            // Each glyph's advance is rounded on its own.
            EXPECT_NEAR(canvas.TextWidth(QString::fromLatin1(text)), sum, std::strlen(text))
                << family << " " << text;
        }
    }
}

TEST(Canvas, PositiveFontHeightIsTheCellHeight)
{
    QImage image = blankImage(10, 10);
    Canvas canvas(&image);
    for (int height : {12, 16, 25, 40}) {
        canvas.SetFont(sans(height));
        const TextMetrics metrics = canvas.GetTextMetrics();
        EXPECT_NEAR(metrics.tmHeight, height, 1) << height;
        EXPECT_GT(metrics.tmInternalLeading, 0) << height;
    }
}

TEST(Canvas, FontStylesChangeTheDrawing)
{
    const auto render = [](FontStyles style) {
        return draw(blankImage(100, 40), [&](Canvas &canvas) {
            canvas.SetFont(sans(-20, style));
            canvas.SetBrush(clear());
            canvas.TextOut(4, 4, QStringLiteral("Text"));
        });
    };
    const QImage plain = render(0);
    const QImage underlined = render(fontStyleBit(FontStyle::fsUnderline));
    EXPECT_GT(inkBounds(underlined).bottom(), inkBounds(plain).bottom());
    EXPECT_NE(render(fontStyleBit(FontStyle::fsBold)), plain);
    EXPECT_NE(render(fontStyleBit(FontStyle::fsItalic)), plain);
    EXPECT_NE(render(fontStyleBit(FontStyle::fsStrikeOut)), plain);
    QImage probe = blankImage(1, 1);
    Canvas canvas(&probe);
    canvas.SetFont(sans(-20));
    const int plainWidth = canvas.TextWidth(QStringLiteral("Text"));
    canvas.SetFont(sans(-20, fontStyleBit(FontStyle::fsBold)));
    EXPECT_GT(canvas.TextWidth(QStringLiteral("Text")), plainWidth);
}

TEST(Canvas, TextColourIsTheFontColour)
{
    const QImage image = draw(blankImage(100, 40), [](Canvas &canvas) {
        CanvasFont font = sans(-24, fontStyleBit(FontStyle::fsBold));
        font.color = Colors::clRed;
        canvas.SetFont(font);
        canvas.SetBrush(clear());
        canvas.TextOut(4, 4, QStringLiteral("III"));
    });
    EXPECT_GT(countPixels(image, red), 20);
}

} // namespace
