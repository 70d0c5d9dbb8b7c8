#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "objects/text/TGetSymbol.h"
#include "platform/DialogButtonBar.h"
#include "platform/FontDialog.h"
#include "platform/Help.h"

TEST(TGetSymbol, ColumnsFollowTheListFontSize)
{
    const std::pair<int, int> cases[] = {{5, 1},  {6, 14}, {10, 14}, {11, 10}, {20, 10}, {21, 8},
                                         {30, 8}, {31, 6}, {40, 6},  {41, 4},  {50, 4},  {51, 3},
                                         {60, 3}, {61, 2}, {72, 2},  {73, 1},  {0, 1},   {-20, 1}};
    for (const auto &[points, columns] : cases)
        EXPECT_EQ(TGetSymbol::columnsForPointSize(points), columns) << points;
}

TEST(TGetSymbol, FontButtonCaptionNamesSizeAndOneStyle)
{
    struct Case
    {
        const char *name;
        int points;
        FontStyles style;
        const char *caption;
    };
    const FontStyles bold = fontStyleBit(FontStyle::fsBold);
    const FontStyles italic = fontStyleBit(FontStyle::fsItalic);
    const Case cases[] = {
        {"Wingdings", 20, 0, "Wingdings, 20pt "},
        {"Wingdings", 20, bold, "Wingdings, 20pt Bold "},
        {"Webdings", 12, italic, "Webdings, 12pt Italic "},
        {"Webdings", 12, bold | italic, "Webdings, 12pt Italic "},
        {"Webdings", 12, fontStyleBit(FontStyle::fsUnderline), "Webdings, 12pt "},
        {"Symbol Font Name Of 31 Letters.", 20, bold, "Symbol Font Name Of 31 Letters., 20pt Bold "},
        {"Symbol Font Name Of 32 Letters..", 20, bold, "Symbol Font Name Of 32 Letters.. Bold "},
    };
    for (const Case &c : cases) {
        Font font;
        font.setName(QString::fromLatin1(c.name));
        font.setSize(c.points);
        font.setStyle(c.style);
        EXPECT_EQ(TGetSymbol::fontButtonCaption(font), QString::fromLatin1(c.caption)) << c.name;
    }
}

TEST(TGetSymbol, GridIndexIsTheCodeLessThirtyTwo)
{
    const std::pair<int, int> cases[] = {{32, 0}, {91, 59}, {255, 223}, {31, -1}, {256, -1}, {0, -1}};
    for (const auto &[code, index] : cases)
        EXPECT_EQ(TGetSymbol::indexForCode(code), index) << code;
    EXPECT_EQ(TGetSymbol::codeForIndex(0), 32);
    EXPECT_EQ(TGetSymbol::codeForIndex(223), 255);
    EXPECT_EQ(TGetSymbol::codeForIndex(224), -1);
    EXPECT_EQ(TGetSymbol::codeForIndex(-1), -1);
    EXPECT_EQ(TGetSymbol::codeOfCaption(QString()), -1);
    // Every byte code survives the trip through a caption, the ones Windows-1252 leaves unassigned too.
    for (int code = 32; code <= 255; ++code)
        EXPECT_EQ(TGetSymbol::codeOfCaption(TGetSymbol::captionForCode(code)), code) << code;
}

TEST(TGetSymbol, DialogShowsTheGridAtTheListSizeAndKeepsItsColumns)
{
    TGetSymbol dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Symbol Selector"));
    EXPECT_EQ(dialog.size(), QSize(474, 327));
    EXPECT_EQ(dialog.findChild<QLabel *>()->text(), QStringLiteral("&Font"));
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(dialog.buttons()->okButton()->isDefault());
    EXPECT_EQ(dialog.selectedFont().name(), QStringLiteral("Wingdings"));
    EXPECT_EQ(dialog.selectedFont().height(), -24);
    EXPECT_TRUE(dialog.selectedFont().hasStyle(FontStyle::fsBold));

    Font objectFont;
    objectFont.setName(QStringLiteral("WingDings"));
    objectFont.setSize(48);
    objectFont.setStyle(fontStyleBit(FontStyle::fsItalic));
    dialog.setSelectedFont(objectFont);
    dialog.setSelectedCode(255);
    EXPECT_EQ(dialog.listFont().size(), 20);
    EXPECT_EQ(dialog.listFont().name(), QStringLiteral("WingDings"));

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget &list = *dialog.symbolList();
    EXPECT_EQ(dialog.columnCount(), 10);
    EXPECT_EQ(list.columnCount(), 10);
    EXPECT_EQ(list.rowCount(), 23);
    EXPECT_EQ(dialog.selectedCode(), 255);
    EXPECT_EQ(list.currentRow(), 22);
    EXPECT_EQ(list.currentColumn(), 3);
    EXPECT_EQ(dialog.fontButton()->text(), QStringLiteral("WingDings, 20pt Italic "));

    Font chosen;
    chosen.setName(QStringLiteral("Wingdings"));
    chosen.setSize(8);
    chosen.setColor(Colors::clRed);
    FontDialog::setChooser([&chosen](const Font &) { return std::optional<Font>(chosen); });
    QTest::mouseClick(dialog.fontButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedFont().size(), 8);
    EXPECT_EQ(dialog.listFont().size(), 20);
    EXPECT_EQ(dialog.listFont().color(), Colors::clRed);
    EXPECT_EQ(dialog.columnCount(), 10);
    EXPECT_EQ(dialog.fontButton()->text(), QStringLiteral("Wingdings, 20pt "));
    EXPECT_EQ(dialog.selectedCode(), 255);

    FontDialog::setChooser([](const Font &) { return std::optional<Font>(); });
    QTest::mouseClick(dialog.fontButton(), Qt::LeftButton);
    FontDialog::setChooser({});
    EXPECT_EQ(dialog.selectedFont().size(), 8);

    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{40005});
    dialog.reject();
}
