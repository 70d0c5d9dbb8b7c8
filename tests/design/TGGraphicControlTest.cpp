#include <gtest/gtest.h>

#include "objects/shapes/TGLineShape.h"
#include "support/RecordingSurface.h"

namespace {
class GraphicControlTest : public ::testing::Test
{
protected:
    TGLineShape &place(QRect bounds)
    {
        auto *line = static_cast<TGLineShape *>(surface.addObject(std::make_unique<TGLineShape>()));
        line->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        line->Loaded();
        return *line;
    }

    RecordingSurface surface{300, 96};
};
} // namespace

TEST_F(GraphicControlTest, FirstBoundsCheckRecordsLaterMovesReportAndRefitTheFrame)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    EXPECT_EQ(surface.changes, 0);
    EXPECT_EQ(line.lastBounds(), (EdgeRect{10, 20, 60, 35}));
    line.setLeft(12);
    EXPECT_EQ(surface.changes, 1);
    EXPECT_EQ(surface.frameUpdates, 1);
    EXPECT_EQ(line.lastBounds(), (EdgeRect{12, 20, 62, 35}));
}

TEST_F(GraphicControlTest, BoundsChangesWhileLoadingAreNotChanges)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    line.setLoading(true);
    line.setBounds(1, 2, 3, 4);
    line.setLocked(true);
    EXPECT_EQ(surface.changes, 0);
}

TEST_F(GraphicControlTest, LockedAndUnselectableSettersAndMenuItems)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    line.setLocked(false);
    EXPECT_EQ(surface.changes, 0) << "the current value changes nothing";

    line.ObjectMenu()->find(QStringLiteral("Locked"))->click();
    EXPECT_TRUE(line.locked());
    EXPECT_TRUE(line.ObjectMenu()->find(QStringLiteral("Locked"))->checked());
    EXPECT_GE(surface.changes, 1);

    surface.addToSelection(line);
    MenuItem *unselectable = line.ObjectMenu()->find(QStringLiteral("Unselectable"));
    unselectable->click();
    EXPECT_TRUE(line.unselectable());
    EXPECT_TRUE(surface.selection.empty());
    EXPECT_FALSE(unselectable->checked());
    unselectable->click();
    EXPECT_TRUE(line.unselectable()) << "the item never undoes itself";
}

TEST_F(GraphicControlTest, BaseMenuCaptionsInOrder)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    const QStringList expected{"Bring To Front",
                               "Send To Back",
                               "Cut",
                               "Copy",
                               "Delete",
                               "Clone",
                               "-",
                               "Locked",
                               "Unselectable",
                               "-",
                               "Center Vertically",
                               "Center Horizontally",
                               "-",
                               "Style",
                               "Color",
                               "Line Thickness",
                               "-",
                               "Stretch To Edges"};
    EXPECT_EQ(line.ObjectMenu()->captions(), expected);
}

TEST_F(GraphicControlTest, ZoomRoundsEveryCoordinateHalfToEven)
{
    TGLineShape &line = place(QRect(10, 21, 25, 15));
    line.SetZoom(1.5f);
    EXPECT_EQ(line.boundsRect(), QRect(15, 32, 38, 22)); // 31.5 -> 32, 37.5 -> 38, 22.5 -> 22
    line.SetZoom(1.0f);
    EXPECT_EQ(line.boundsRect(), QRect(10, 21, 25, 15));
    EXPECT_EQ(line.scale(), 1.0f);
}

TEST_F(GraphicControlTest, CentringUsesIntegerHalves)
{
    TGLineShape &line = place(QRect(40, 3, 51, 15));
    line.ObjectMenu()->find(QStringLiteral("Center Vertically"))->click();
    EXPECT_EQ(line.top(), 41);
    line.setLocked(true);
    line.ObjectMenu()->find(QStringLiteral("Center Horizontally"))->click();
    EXPECT_EQ(line.left(), 150 - 25) << "locked objects centre too";
}

TEST_F(GraphicControlTest, CloneLeavesOnlyTheCopySelectedBelowAndOnTop)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    place(QRect(0, 0, 10, 10));
    surface.addToSelection(line);
    TGGraphicControl *copy = line.CloneClick();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->boundsRect(), QRect(10, 45, 50, 15));
    EXPECT_EQ(surface.objectAt(surface.objectCount() - 1), copy);
    EXPECT_EQ(surface.selection, std::vector<TGGraphicControl *>{copy});
    EXPECT_GE(surface.changes, 1);
}

TEST_F(GraphicControlTest, ClipboardAndZOrderCommandsReachTheSurface)
{
    TGLineShape &bottom = place(QRect(0, 0, 10, 10));
    TGLineShape &top = place(QRect(0, 0, 10, 10));
    bottom.ObjectMenu()->find(QStringLiteral("Bring To Front"))->click();
    EXPECT_EQ(surface.objectAt(1), &bottom);
    bottom.ObjectMenu()->find(QStringLiteral("Send To Back"))->click();
    EXPECT_EQ(surface.objectAt(0), &bottom);
    for (const char *caption : {"Cut", "Copy", "Delete"})
        top.ObjectMenu()->find(QString::fromLatin1(caption))->click();
    ASSERT_EQ(surface.clipboardCommands.size(), 3u);
    EXPECT_EQ(surface.clipboardCommands[0].second, ClipboardCommand::Cut);
    EXPECT_EQ(surface.clipboardCommands[2].second, ClipboardCommand::Delete);
}

TEST_F(GraphicControlTest, HandlesAreEightBlackSquaresAloneAndFourGreyCornersTogether)
{
    TGLineShape &line = place(QRect(10, 20, 50, 15));
    TGLineShape &other = place(QRect(100, 20, 5, 5));
    line.PaintHandles();
    EXPECT_TRUE(surface.handles.empty()) << "unselected objects draw no handles";

    surface.addToSelection(line);
    line.PaintHandles();
    ASSERT_EQ(surface.handles.size(), 8u);
    EXPECT_EQ(surface.handlesColor, Colors::clBlack);
    EXPECT_EQ(surface.handles[0], (EdgeRect{8, 18, 13, 23}));
    EXPECT_EQ(surface.handles[2], (EdgeRect{57, 32, 62, 37}));
    EXPECT_EQ(surface.handles[4], (EdgeRect{33, 18, 38, 23})); // mx = 8 + Trunc(54 * 0.5)
    EXPECT_EQ(surface.handles[7], (EdgeRect{57, 25, 62, 30}));

    surface.handles.clear();
    surface.addToSelection(other);
    line.PaintHandles();
    EXPECT_EQ(surface.handles.size(), 4u);
    EXPECT_EQ(surface.handlesColor, Colors::clGray);
}

TEST(TrimSpaces, OnlyTheSpaceCharacterCounts)
{
    using Mode = TGGraphicControl::TrimMode;
    const QString text = QStringLiteral("  a\tb  ");
    EXPECT_EQ(TGGraphicControl::TrimSpaces(text, Mode::Leading), QStringLiteral("a\tb  "));
    EXPECT_EQ(TGGraphicControl::TrimSpaces(text, Mode::Trailing), QStringLiteral("  a\tb"));
    EXPECT_EQ(TGGraphicControl::TrimSpaces(text, Mode::Both), QStringLiteral("a\tb"));
    EXPECT_EQ(TGGraphicControl::TrimSpaces(QStringLiteral("   "), Mode::Both), QString());
}
