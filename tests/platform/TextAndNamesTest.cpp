#include <gtest/gtest.h>

#include "platform/AnsiText.h"
#include "platform/Color.h"
#include "platform/Cursor.h"

TEST(AnsiText, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

TEST(AnsiText, MapsTheCodePageAndReplacesTheRest)
{
    EXPECT_EQ(fromAnsi("\x80\x93\xE9"), QStringLiteral("\u20AC\u201C\u00E9"));
    EXPECT_EQ(toAnsi(QStringLiteral("\u20AC caf\u00E9 \u4E2D \U0001F600")), QByteArray("\x80 caf\xE9 ? ?"));
}

TEST(ColorNames, NamedColoursBothWays)
{
    struct Case
    {
        TColor value;
        const char *name;
    };
    const Case cases[] = {
        {0x000000, "clBlack"},
        {0xFFFF00, "clAqua"},
        {0x808080, "clGray"},
        {TColor(0x80000000), "clScrollBar"},
        {TColor(0x80000014), "clBtnHighlight"},
        {TColor(0x80000018), "clInfoBk"},
        {0x1FFFFFFF, "clNone"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(colorToIdent(c.value), QByteArray(c.name));
        EXPECT_EQ(identToColor(c.name), c.value);
    }
    EXPECT_FALSE(colorToIdent(0x123456));
    EXPECT_FALSE(identToColor("clChartreuse"));
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(CursorNames, NamedCursorsBothWays)
{
    EXPECT_EQ(cursorToIdent(0), QByteArray("crDefault"));
    EXPECT_EQ(cursorToIdent(-20), QByteArray("crHelp"));
    EXPECT_EQ(identToCursor("crSizeWE"), -9);
    EXPECT_FALSE(cursorToIdent(-21));
    EXPECT_FALSE(cursorToIdent(5));
}
