#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/TNumEdit.h"

TEST(TNumEdit, FormatsWithFixedOrTrimmedDecimals)
{
    struct Case
    {
        double value;
        int decimals;
        int minimumDecimals;
        const char *text;
    };
    const Case cases[] = {
        {2.65, 3, 3, "2.650"},
        {double(2.65f), 3, 1, "2.65"},
        {1, 3, 1, "1.0"},
        {0.1875, 3, 1, "0.188"},
        {0.39370078, 3, 1, "0.394"},
        {double(2.65f) * 25.4, 2, 2, "67.31"},
        {210.058, 2, 2, "210.06"},
        {1234.5, 2, 2, "1234.50"},
        {-0.25, 3, 1, "-0.25"},
        {-0.001, 2, 2, "0.00"},
        {7, 2, 0, "7"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(TNumEdit::format(c.value, c.decimals, c.minimumDecimals, QLocale::c()),
                  QLatin1StringView(c.text))
            << c.value << " with " << c.decimals << "/" << c.minimumDecimals;
    }
    EXPECT_EQ(TNumEdit::format(2.65, 2, 2, QLocale(QLocale::German)), QStringLiteral("2,65"));
}

TEST(TNumEdit, ReadsWhatItShowsAndTellsWhenTheFocusLeaves)
{
    TNumEdit edit;
    edit.setLocale(QLocale::c());
    edit.setDecimals(2, 2);
    edit.setValue(25.4);
    EXPECT_EQ(edit.text(), QStringLiteral("25.40"));
    EXPECT_EQ(edit.value(), 25.4);
    edit.clear();
    EXPECT_EQ(edit.value(), 0) << "an empty box reads as 0";

    QTest::keyClicks(&edit, QStringLiteral("1x2.5.7"));
    EXPECT_EQ(edit.text(), QStringLiteral("12.57")) << "only a number can be typed";

    edit.setLocale(QLocale(QLocale::German));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("2.5,7"));
    EXPECT_EQ(edit.value(), 25.7) << "the decimal separator follows the locale";

    QSignalSpy exited(&edit, &TNumEdit::exited);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    EXPECT_EQ(exited.count(), 1);
}
