#include <QWindow>

#include "design/PanelFixture.h"

namespace {
class SelectionFrameTest : public PanelFixture
{
};

struct ZoneCase
{
    int zone;
    // Frame coordinates in the frame (38, 28, 65, 35); the test library reads (0, 0) as "the middle".
    QPoint grip;
    QRect expected;
};

class FrameZoneTest : public PanelFixture, public ::testing::WithParamInterface<ZoneCase>
{
};
} // namespace

TEST_F(SelectionFrameTest, FrameBoundsFollowTheSelectionRules)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 10, 20, 70));
    frame().AddToSelection(a);
    EXPECT_EQ(frame().frameBounds(), QRect(38, 28, 65, 35));
    EXPECT_TRUE(frame().isVisible());
    frame().AddToSelection(b);
    // right := max(38 + 65 - 3, 140) = 140, bottom := max(28 + 35 - 3, 80) = 80
    EXPECT_EQ(frame().frameBounds(), QRect(38, 8, 105, 75));
    frame().UpdateFrame();
    EXPECT_EQ(frame().frameBounds(), QRect(38, 8, 106, 76));
    frame().RemoveFromSelection(b);
    EXPECT_EQ(frame().frameBounds(), QRect(38, 28, 65, 35));
    frame().RemoveFromSelection(a);
    EXPECT_FALSE(frame().isVisible());
    EXPECT_FALSE(frame().isEnabled());
}

TEST_F(SelectionFrameTest, ClickSelectsShiftClickAddsAndShiftClickOnTheFrameDeselects)
{
    TGGraphicControl &a = addObject(QRect(20, 20, 40, 20));
    TGGraphicControl &b = addObject(QRect(120, 20, 40, 20));
    clickPanel(QPoint(30, 30));
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{&a});
    clickPanel(QPoint(130, 30));
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{&b})
        << "a plain click replaces the selection";
    clickPanel(QPoint(30, 30), Qt::ShiftModifier);
    EXPECT_EQ(frame().SelectionCount(), 2);

    // The frame now covers both; Shift+click there drops the object under the mouse.
    const QPoint overB = QPoint(130, 30) - frame().pos();
    QTest::mousePress(&frame(), Qt::LeftButton, Qt::ShiftModifier, overB);
    advance(50);
    QTest::mouseRelease(&frame(), Qt::LeftButton, Qt::ShiftModifier, overB);
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{&a});
}

TEST_P(FrameZoneTest, DraggingAZoneMovesOrResizesTheObject)
{
    const ZoneCase &c = GetParam();
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    ASSERT_EQ(frame().frameBounds(), QRect(38, 28, 65, 35));
    hover(frame(), c.grip);
    EXPECT_EQ(frame().HitZone(), c.zone);
    dragFrame(c.grip, c.grip + QPoint(3, 3));
    EXPECT_EQ(object.boundsRect(), c.expected) << "zone " << c.zone;
}

INSTANTIATE_TEST_SUITE_P(
    AllZones, FrameZoneTest,
    ::testing::Values(ZoneCase{0, {20, 17}, {43, 33, 60, 30}}, ZoneCase{1, {1, 1}, {43, 33, 57, 27}},
                      ZoneCase{2, {65, 0}, {40, 33, 62, 27}}, ZoneCase{3, {0, 35}, {43, 30, 57, 32}},
                      ZoneCase{4, {65, 35}, {40, 30, 62, 32}}, ZoneCase{5, {32, 0}, {40, 33, 60, 27}},
                      ZoneCase{6, {0, 17}, {43, 30, 57, 30}}, ZoneCase{7, {32, 35}, {40, 30, 60, 32}},
                      ZoneCase{8, {65, 17}, {40, 30, 62, 30}}));

TEST_F(SelectionFrameTest, ZonesShowTheirSizingCursors)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    const struct
    {
        QPoint point;
        TCursor cursor;
    } cases[] = {
        {{0, 0}, Cursors::crSizeNWSE},  {{65, 35}, Cursors::crSizeNWSE}, {{65, 0}, Cursors::crSizeNESW},
        {{0, 35}, Cursors::crSizeNESW}, {{32, 0}, Cursors::crSizeNS},    {{32, 35}, Cursors::crSizeNS},
        {{0, 17}, Cursors::crSizeWE},   {{65, 17}, Cursors::crSizeWE},   {{20, 17}, Cursors::crHandGrab}};
    for (const auto &c : cases) {
        hover(frame(), c.point);
        EXPECT_EQ(panel.screenCursor(), c.cursor) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(frame().cursor().shape(), toQtCursorShape(c.cursor));
    }
}

TEST_F(SelectionFrameTest, MultipleSelectionHasNoSizingZones)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 30, 20, 20));
    frame().AddToSelection(a);
    frame().AddToSelection(b);
    const QPoint bottomRight(frame().width(), frame().height());
    dragFrame(bottomRight, bottomRight + QPoint(5, 4));
    EXPECT_EQ(a.boundsRect(), QRect(45, 34, 60, 30)) << "moved, not resized";
    EXPECT_EQ(b.boundsRect(), QRect(125, 34, 20, 20));
}

TEST_F(SelectionFrameTest, SnappingPutsTheFrameOnTheGrid)
{
    panel.setGridSize(TGridSize::gs4x4);
    panel.setSnapToGrid(true);
    TGGraphicControl &object = addObject(QRect(12, 22, 40, 20));
    frame().AddToSelection(object);
    ASSERT_EQ(frame().x(), 10);
    dragFrame(QPoint(20, 12), QPoint(27, 12));
    // snap(10 + 7) = 16, so the object's left is 18; snap(20) keeps the top.
    EXPECT_EQ(object.left(), 18);
    EXPECT_EQ(object.top(), 22);
}

TEST_F(SelectionFrameTest, ChangingTheGridSizeDoesNotSwitchSnappingOn)
{
    panel.setGridSize(TGridSize::gs8x8);
    panel.setGridSize(TGridSize::gs4x4);
    EXPECT_FALSE(frame().SnapToGrid());
    TGGraphicControl &object = addObject(QRect(12, 22, 40, 20));
    frame().AddToSelection(object);
    dragFrame(QPoint(20, 12), QPoint(27, 12));
    EXPECT_EQ(object.left(), 19);
}

TEST_F(SelectionFrameTest, AQuickClickNeverMovesAnything)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    const QPoint ends[] = {{25, 20}, {-80, 20}};
    for (const QPoint &end : ends) {
        dragFrame(QPoint(20, 17), end, 140);
        EXPECT_EQ(object.boundsRect(), QRect(40, 30, 60, 30)) << "released at " << end.x();
        EXPECT_FALSE(frame().drawnBand().has_value());
        advance(500);
    }
}

TEST_F(SelectionFrameTest, PressOnAnUnselectedObjectDragsItAfterTenMilliseconds)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(50, 40));
    ASSERT_TRUE(frame().isSelected(object));
    advance(5);
    QTest::mouseMove(&panel, QPoint(51, 40));
    EXPECT_FALSE(frame().Dragging()) << "too early for a drag";
    advance(10);
    QTest::mouseMove(&panel, QPoint(52, 40));
    EXPECT_TRUE(frame().Dragging());
    advance(10);
    QTest::mouseMove(&panel, QPoint(62, 45));
    EXPECT_EQ(frame().drawnBand(), QRect(48, 33, 65, 35));
    advance(200);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(62, 45));
    // The drag starts where the first move after the delay was.
    EXPECT_EQ(object.boundsRect(), QRect(50, 35, 60, 30));
    EXPECT_FALSE(frame().capturesMouse());
}

TEST_F(SelectionFrameTest, MovingKeepsLockedObjectsInPlace)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 30, 20, 20));
    b.setLocked(true);
    frame().AddToSelection(a);
    frame().AddToSelection(b);
    dragFrame(QPoint(10, 10), QPoint(20, 15));
    EXPECT_EQ(a.boundsRect(), QRect(50, 35, 60, 30));
    EXPECT_EQ(b.boundsRect(), QRect(120, 30, 20, 20));
}

TEST_F(SelectionFrameTest, ADragStaysOnThePanel)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    dragFrame(QPoint(20, 17), QPoint(-200, -200));
    // The mouse point is held on the panel: frame left 38 + (-38 - 20) = -20.
    EXPECT_EQ(object.boundsRect(), QRect(-18, -15, 60, 30));
}

TEST_F(SelectionFrameTest, RubberBandSelectsWhatItTouchesAndShiftToggles)
{
    TGGraphicControl &a = addObject(QRect(20, 20, 40, 20));
    TGGraphicControl &b = addObject(QRect(120, 20, 40, 20));
    TGGraphicControl &c = addObject(QRect(200, 60, 30, 20));
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(150, 50));
    QTest::mouseMove(&panel, QPoint(10, 5));
    EXPECT_EQ(panel.rubberBand(), QRect(10, 5, 140, 45));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_FALSE(panel.rubberBand().has_value());
    EXPECT_EQ(frame().SelectionCount(), 2);
    EXPECT_TRUE(frame().isSelected(a));
    EXPECT_TRUE(frame().isSelected(b));

    // Touching counts: the band's edge on c's left edge.
    QTest::mousePress(&panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 35));
    QTest::mouseMove(&panel, QPoint(200, 90));
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 90));
    EXPECT_TRUE(frame().isSelected(a));
    EXPECT_FALSE(frame().isSelected(b)) << "toggled off";
    EXPECT_TRUE(frame().isSelected(c));

    clickPanel(QPoint(100, 90));
    EXPECT_EQ(frame().SelectionCount(), 0) << "a click on the empty panel clears the selection";
}

TEST_F(SelectionFrameTest, DoubleClickOpensTheObjectMenuOrItsEditor)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    clickPanel(QPoint(50, 40));
    QTest::mouseDClick(&frame(), Qt::LeftButton, {}, QPoint(20, 17));
    ASSERT_EQ(shownMenus.size(), 1u);
    EXPECT_EQ(shownMenus.front(), object.ObjectMenu());
    // The second press began a drag that the next move cancels.
    advance(300);
    QTest::mouseMove(&frame(), QPoint(40, 27));
    QTest::mouseRelease(&frame(), Qt::LeftButton, {}, QPoint(40, 27));
    EXPECT_EQ(object.boundsRect(), QRect(40, 30, 60, 30));

    int edits = 0;
    object.OnEditRequest = [&edits](TGGraphicControl &) { ++edits; };
    QTest::mouseDClick(&frame(), Qt::LeftButton, {}, QPoint(20, 17));
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(shownMenus.size(), 1u);
}

TEST_F(SelectionFrameTest, DoubleClickOnAMultipleSelectionDoesNothing)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 30, 20, 20));
    frame().AddToSelection(a);
    frame().AddToSelection(b);
    QTest::mouseDClick(&frame(), Qt::LeftButton, {}, QPoint(20, 17));
    EXPECT_TRUE(shownMenus.empty());
}

TEST_F(SelectionFrameTest, RightClickOpensTheObjectOrThePanelMenu)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 30, 20, 20));
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(50, 40));
    ASSERT_EQ(shownMenus.size(), 1u);
    EXPECT_EQ(shownMenus.back(), a.ObjectMenu());
    frame().AddToSelection(b);
    QTest::mouseClick(&frame(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(shownMenus.back(), &panel.panelMenu());
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(200, 80));
    EXPECT_EQ(shownMenus.back(), &panel.panelMenu());
}

TEST_F(SelectionFrameTest, ArrowKeysMoveOrResizeWhenReleased)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        QRect expected;
    } cases[] = {
        {Qt::Key_Right, {}, {43, 30, 60, 30}},
        {Qt::Key_Down, {}, {43, 33, 60, 30}},
        {Qt::Key_Left, {}, {40, 33, 60, 30}},
        {Qt::Key_Up, {}, {40, 30, 60, 30}},
        {Qt::Key_Right, Qt::ShiftModifier, {40, 30, 63, 30}},
        {Qt::Key_Down, Qt::ShiftModifier, {40, 30, 63, 33}},
        {Qt::Key_Left, Qt::ShiftModifier, {40, 30, 60, 33}},
        {Qt::Key_Up, Qt::ShiftModifier, {40, 30, 60, 30}},
    };
    for (const auto &c : cases) {
        const QRect before = object.boundsRect();
        for (int repeat = 0; repeat < 3; ++repeat)
            QTest::keyPress(&frame(), Qt::Key(c.key), c.modifiers);
        EXPECT_EQ(object.boundsRect(), before) << "nothing moves before the key is released";
        EXPECT_TRUE(frame().keyboardBand().has_value());
        QTest::keyRelease(&frame(), Qt::Key(c.key), c.modifiers);
        EXPECT_EQ(object.boundsRect(), c.expected) << "key " << c.key;
        EXPECT_FALSE(frame().keyboardBand().has_value());
        QCoreApplication::processEvents();
    }
}

TEST_F(SelectionFrameTest, ShiftArrowsMoveAMultipleSelection)
{
    TGGraphicControl &a = addObject(QRect(40, 30, 60, 30));
    TGGraphicControl &b = addObject(QRect(120, 30, 20, 20));
    frame().AddToSelection(a);
    frame().AddToSelection(b);
    QTest::keyPress(&frame(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(&frame(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a.boundsRect(), QRect(41, 30, 60, 30));
    EXPECT_EQ(b.boundsRect(), QRect(121, 30, 20, 20));
}

TEST_F(SelectionFrameTest, NudgesStopAtThePanelEdgeAndTheSmallestSize)
{
    TGGraphicControl &object = addObject(QRect(0, 0, 12, 15));
    frame().AddToSelection(object);
    QTest::keyPress(&frame(), Qt::Key_Left);
    QTest::keyPress(&frame(), Qt::Key_Up);
    QTest::keyRelease(&frame(), Qt::Key_Up);
    EXPECT_EQ(object.boundsRect(), QRect(0, 0, 12, 15));
    for (int repeat = 0; repeat < 5; ++repeat)
        QTest::keyPress(&frame(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyRelease(&frame(), Qt::Key_Left, Qt::ShiftModifier);
    // The band is one pixel wider than the object and stops at 10.
    EXPECT_EQ(object.width(), 9);
}

// The same gestures through the window, so that Qt itself decides which widget gets each event
// (the frame under the mouse, the widget that took the press).
TEST_F(SelectionFrameTest, ThroughTheWindowAPressOnAnObjectDragsIt)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    QWindow *window = panel.windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseMove(window, QPoint(50, 40));
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(50, 40));
    ASSERT_TRUE(frame().isSelected(object));
    advance(20);
    QTest::mouseMove(window, QPoint(51, 40));
    advance(20);
    QTest::mouseMove(window, QPoint(61, 50));
    advance(200);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(61, 50));
    EXPECT_EQ(object.boundsRect(), QRect(50, 40, 60, 30));
}

TEST_F(SelectionFrameTest, ThroughTheWindowTheFrameCornerResizes)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    frame().AddToSelection(object);
    QWindow *window = panel.windowHandle();
    const QPoint corner = frame().geometry().bottomRight(); // inside the frame's last pixel
    QTest::mouseMove(window, corner);
    EXPECT_EQ(frame().HitZone(), 4);
    QTest::mousePress(window, Qt::LeftButton, {}, corner);
    advance(100);
    QTest::mouseMove(window, corner + QPoint(10, 5));
    advance(100);
    QTest::mouseRelease(window, Qt::LeftButton, {}, corner + QPoint(10, 5));
    EXPECT_EQ(object.boundsRect(), QRect(40, 30, 69, 34));
}

TEST_F(SelectionFrameTest, ThroughTheWindowADoubleClickOpensTheMenuOnce)
{
    TGGraphicControl &object = addObject(QRect(40, 30, 60, 30));
    QWindow *window = panel.windowHandle();
    QTest::mouseMove(window, QPoint(50, 40));
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(50, 40));
    ASSERT_EQ(shownMenus.size(), 1u);
    EXPECT_EQ(shownMenus.front(), object.ObjectMenu());
    EXPECT_EQ(object.boundsRect(), QRect(40, 30, 60, 30));
}
