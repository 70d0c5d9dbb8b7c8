#include <QImage>
#include <QPainter>

#include "design/PanelFixture.h"

namespace {
const QRgb white = qRgb(255, 255, 255);
const QRgb green = qRgb(0, 128, 0);
const QRgb black = qRgb(0, 0, 0);
const QRgb grey = qRgb(128, 128, 128);

class PanelPaintTest : public PanelFixture
{
protected:
    QImage shot() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static int countInRect(const QImage &image, const QRect &area, QRgb color)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) == color ? 1 : 0;
        }
        return count;
    }
};

struct GridCase
{
    TGridSize size;
    TLabelShapeType shape;
    QPoint point;
    QRgb color;
};

class GridDotTest : public PanelPaintTest, public ::testing::WithParamInterface<GridCase>
{
};
} // namespace

TEST_P(GridDotTest, DotsSitOnTheirPatternInsideTheShape)
{
    const GridCase &c = GetParam();
    panel.setShape(c.shape);
    panel.setGridSize(c.size);
    panel.setShowGrid(true);
    EXPECT_EQ(shot().pixel(c.point), c.color) << c.point.x() << "," << c.point.y();
}

INSTANTIATE_TEST_SUITE_P(
    BothPatterns, GridDotTest,
    ::testing::Values(GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {2, 2}, green},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {6, 2}, green},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {10, 6}, green},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {242, 90}, green},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {4, 4}, white},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRectangle, {3, 2}, white},
                      GridCase{TGridSize::gs8x8, TLabelShapeType::lsRectangle, {2, 2}, green},
                      GridCase{TGridSize::gs8x8, TLabelShapeType::lsRectangle, {10, 10}, green},
                      GridCase{TGridSize::gs8x8, TLabelShapeType::lsRectangle, {6, 6}, white},
                      GridCase{TGridSize::gs8x8, TLabelShapeType::lsRectangle, {6, 2}, white},
                      // The 24 x 24 corner of the rounded label cuts (2, 2) off but not (14, 2).
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRoundRect, {2, 2}, white},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsRoundRect, {14, 2}, green},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsEllipse, {2, 2}, white},
                      GridCase{TGridSize::gs4x4, TLabelShapeType::lsEllipse, {126, 50}, green}));

TEST_F(PanelPaintTest, NoGridDotsOutsideAnEllipse)
{
    panel.setShape(TLabelShapeType::lsEllipse);
    panel.setShowGrid(true);
    const QImage image = shot();
    // The clip ellipse spans (0, 0) to (width + 1, height + 1).
    const double a = (panel.width() + 1) / 2.0;
    const double b = (panel.height() + 1) / 2.0;
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != green)
                continue;
            const double dx = (x + 0.5 - a) / a;
            const double dy = (y + 0.5 - b) / b;
            ASSERT_LE(dx * dx + dy * dy, 1.02) << x << "," << y;
            ++inside;
        }
    }
    EXPECT_GT(inside, 500);
}

TEST_F(PanelPaintTest, TheGridDoesNotZoom)
{
    panel.setShowGrid(true);
    panel.setShape(TLabelShapeType::lsRectangle);
    panel.SetZoom(1.5f);
    const QImage image = shot();
    EXPECT_EQ(image.pixel(6, 6), green);
    EXPECT_EQ(image.pixel(9, 9), white);
}

TEST_F(PanelPaintTest, OutlineIsDottedAndFollowsTheShape)
{
    panel.setShape(TLabelShapeType::lsRectangle);
    panel.setDrawOutline(true);
    QImage image = shot();
    const QRect leftEdge(0, 0, 1, panel.height());
    const QRect bottomEdge(0, panel.height() - 1, panel.width(), 1);
    EXPECT_GT(countInRect(image, leftEdge, black), 10);
    EXPECT_GT(countInRect(image, leftEdge, white), 10) << "dotted, not solid";
    EXPECT_GT(countInRect(image, bottomEdge, black), 10);
    EXPECT_EQ(countInRect(image, QRect(1, 1, panel.width() - 2, panel.height() - 2), black), 0);

    panel.setShape(TLabelShapeType::lsRoundRect);
    image = shot();
    EXPECT_EQ(image.pixel(0, 0), white) << "the corner is rounded off";
    EXPECT_GT(countInRect(image, QRect(0, 20, 1, 50), black), 5);
}

TEST_F(PanelPaintTest, BackgroundArtIsStretchedOverTheLabelAndClipped)
{
    QImage art(2, 2, QImage::Format_RGB32);
    art.fill(qRgb(255, 0, 0));
    art.setPixel(1, 1, qRgb(0, 0, 255));
    panel.setShape(TLabelShapeType::lsRoundRect);
    panel.setPicture(art);
    const QImage image = shot();
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(240, 90), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 0), white) << "outside the rounded corner";
}

TEST_F(PanelPaintTest, HandlesShowTheSelection)
{
    TGGraphicControl &a = addObject(QRect(50, 30, 40, 20));
    TGGraphicControl &b = addObject(QRect(150, 30, 40, 20));
    frame().AddToSelection(a);
    QImage image = shot();
    const struct
    {
        QPoint point;
        QRgb color;
    } single[] = {{{48, 28}, black}, {{52, 28}, black}, {{53, 28}, white},
                  {{70, 28}, black}, {{48, 40}, black}, {{91, 51}, black},
                  {{92, 52}, white}, {{72, 28}, black}, {{73, 28}, white}};
    for (const auto &c : single)
        EXPECT_EQ(image.pixel(c.point), c.color) << "single " << c.point.x() << "," << c.point.y();

    frame().AddToSelection(b);
    image = shot();
    const struct
    {
        QPoint point;
        QRgb color;
    } multiple[] = {
        {{48, 28}, grey}, {{91, 51}, grey}, {{148, 28}, grey}, {{70, 28}, white}, {{48, 40}, white}};
    for (const auto &c : multiple)
        EXPECT_EQ(image.pixel(c.point), c.color) << "multiple " << c.point.x() << "," << c.point.y();
}

TEST_F(PanelPaintTest, ObjectsPaintInTheirOwnBounds)
{
    // A default shape: white fill inside a black outline at its bounds.
    addObject(QRect(100, 40, 30, 20));
    const QImage image = shot();
    EXPECT_EQ(image.pixel(100, 40), black);
    EXPECT_EQ(image.pixel(129, 59), black);
    EXPECT_EQ(image.pixel(130, 60), white);
    EXPECT_EQ(image.pixel(99, 39), white);
}

TEST_F(PanelPaintTest, RubberBandIsDrawnWhileDragging)
{
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(&panel, QPoint(200, 60));
    const QRect topEdge(100, 10, 100, 1);
    EXPECT_GT(countInRect(shot(), topEdge, black), 20);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(countInRect(shot(), topEdge, black), 0);
}

TEST_F(PanelPaintTest, PaintsIntoAnImageForPrintingAndBenchmarks)
{
    panel.setShowGrid(true);
    panel.setShape(TLabelShapeType::lsRectangle);
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        panel.paintSurface(painter, panel.rect());
    }
    EXPECT_EQ(image.pixel(2, 2), green);
    EXPECT_EQ(image.pixel(3, 3), white);
}

TEST_F(PanelPaintTest, ZoomResizesThePanelAndItsObjectsWithoutChangeNotification)
{
    panel.resize(338, 188);
    TGGraphicControl &object = addObject(QRect(10, 10, 25, 15));
    QSignalSpy changes(&panel, &TGBasePanel::labelChanged);
    panel.SetZoom(1.1f);
    EXPECT_EQ(panel.size(), QSize(372, 207));
    EXPECT_EQ(panel.scale(), 1.1f);
    EXPECT_EQ(object.scale(), 1.1f);
    EXPECT_EQ(changes.count(), 0);
    panel.SetZoom(1.0f);
    panel.SetZoom(1.5f);
    EXPECT_EQ(object.width(), 38);
    panel.SetZoom(1.0f);
    EXPECT_EQ(object.width(), 25);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(PanelPaintTest, DragAndKeyboardBandsShowWhereTheSelectionGoes)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    const QRect topEdge(40, 30, 60, 1);
    const QRect movedTopEdge(50, 40, 49, 1); // short of the object's right edge at 99

    QTest::mousePress(&frame(), Qt::LeftButton, {}, QPoint(20, 17));
    advance(100);
    QTest::mouseMove(&frame(), QPoint(30, 27));
    EXPECT_GT(countInRect(shot(), movedTopEdge, black), 20) << "the drag band, XOR on white";
    advance(100);
    QTest::mouseRelease(&frame(), Qt::LeftButton, {}, QPoint(20, 17));
    EXPECT_EQ(countInRect(shot(), movedTopEdge, black), 0);
    EXPECT_EQ(countInRect(shot(), topEdge, white), 0) << "the object's own outline is solid";

    QTest::keyPress(&frame(), Qt::Key_Left);
    QTest::keyPress(&frame(), Qt::Key_Right);
    EXPECT_GT(countInRect(shot(), topEdge, white), 20) << "the keyboard band, XOR on the outline";
    QTest::keyRelease(&frame(), Qt::Key_Right);
    EXPECT_EQ(countInRect(shot(), topEdge, white), 0);
}
