#include <gtest/gtest.h>

#include <QSignalSpy>

#include "objects/text/TColorDrop.h"

TEST(TColorDrop, OffersTheEighteenNamedColoursInOrder)
{
    TColorDrop drop;
    const QStringList expected{"Black", "Maroon",  "Green",  "Olive",      "Navy",      "Purple",
                               "Teal",  "Gray",    "Silver", "Red",        "Lime",      "Yellow",
                               "Blue",  "Fuchsia", "Aqua",   "Light Gray", "Dark Gray", "White"};
    ASSERT_EQ(drop.count(), 18);
    for (int i = 0; i < drop.count(); ++i) {
        EXPECT_EQ(drop.itemText(i), expected[i]);
        EXPECT_FALSE(drop.itemIcon(i).isNull());
    }
    EXPECT_EQ(TColorDrop::entries()[15].color, 0xC0C0C0);
    EXPECT_EQ(TColorDrop::entries()[9].color, 0x0000FF);
    EXPECT_EQ(drop.currentIndex(), 0);
    EXPECT_EQ(drop.color(), 0x000000);
}

TEST(TColorDrop, ShowsAColourByItsFirstEntryAndIgnoresUnlistedColours)
{
    struct Case
    {
        TColor color;
        int index;
    };
    const Case cases[] = {{0xC0C0C0, 8}, {0x808080, 7}, {0xFFFF00, 14}, {0xFFFFFF, 17}, {0x000080, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.color);
        TColorDrop drop;
        QSignalSpy reported(&drop, &TColorDrop::colorChanged);
        drop.setColor(c.color);
        EXPECT_EQ(drop.currentIndex(), c.index);
        EXPECT_EQ(drop.color(), c.color);
        EXPECT_EQ(reported.count(), 0); // only the user's choice is reported

        drop.setColor(0x123456);
        EXPECT_EQ(drop.currentIndex(), c.index);
        EXPECT_EQ(drop.color(), c.color);
    }
    TColorDrop fresh;
    fresh.setColor(0x123456);
    EXPECT_EQ(fresh.currentText(), QStringLiteral("Black"));
}

TEST(TColorDrop, ChoosingAnEntryRemembersAndReportsItsColour)
{
    TColorDrop drop;
    QSignalSpy reported(&drop, &TColorDrop::colorChanged);
    drop.setCurrentIndex(16);
    Q_EMIT drop.activated(16);
    EXPECT_EQ(drop.color(), 0x808080);
    ASSERT_EQ(reported.count(), 1);
    EXPECT_EQ(reported[0][0].value<TColor>(), 0x808080);
    drop.setColor(drop.color()); // showing the colour again picks its first entry
    EXPECT_EQ(drop.currentText(), QStringLiteral("Gray"));
}
