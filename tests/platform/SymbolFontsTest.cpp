#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

#include "platform/AnsiText.h"
#include "platform/Canvas.h"
#include "platform/SymbolFonts.h"

TEST(SymbolFonts, WingdingsCodesHaveTheirUnicodePictures)
{
    struct Case
    {
        int code;
        char32_t unicode;
    };
    const Case cases[] = {{0x21, 0x1F589}, {0x22, 0x2702},  {0x4A, 0x263A}, {0x5B, 0x262F}, {0x41, 0x270C},
                          {0x80, 0x24EA},  {0xFE, 0x1F5F9}, {0x20, 0x20},   {0x1F, 0},      {0x100, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(SymbolFonts::wingdingsToUnicode(c.code), c.unicode) << std::hex << c.code;
}

TEST(SymbolFonts, OtherFontsDrawTheirTextUnchanged)
{
    const QFont arial(QStringLiteral("Arial"));
    const SymbolFonts::DeviceText shown = SymbolFonts::forDrawing(arial, QStringLiteral("[A]"));
    EXPECT_EQ(shown.text, QStringLiteral("[A]"));
    EXPECT_EQ(shown.font, arial);
}

TEST(SymbolFonts, MissingPicturesComeFromAUnicodeSymbolFont)
{
    SymbolFonts::registerProgramFonts();
    const QFont wingdings(QStringLiteral("Wingdings"));
    // "[" (yin yang) is one of the pictures Wine's Wingdings lacks.
    const SymbolFonts::DeviceText yinYang = SymbolFonts::forDrawing(wingdings, QStringLiteral("["));
    EXPECT_EQ(yinYang.text, QString::fromUcs4(U"\u262F"));
    EXPECT_NE(yinYang.font.family().compare(QLatin1String("Wingdings"), Qt::CaseInsensitive), 0);

    // Byte codes above 0x7F arrive as Windows-1252 text: 0x80 is the euro sign, circled zero here.
    const SymbolFonts::DeviceText circled = SymbolFonts::forDrawing(wingdings, fromAnsi("\x80"));
    EXPECT_TRUE(circled.text == QString::fromUcs4(U"\u24EA") || circled.text == QString(QChar(0xF080)));
}

TEST(SymbolFonts, ASymbolCharacterDrawsItsPicture)
{
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(&image);
        CanvasFont font;
        font.name = QStringLiteral("Wingdings");
        font.height = -32;
        canvas.SetFont(font);
        canvas.SetBkMode(BackgroundMode::Transparent);
        canvas.TextOut(5, 5, QStringLiteral("["));
        EXPECT_GT(canvas.TextWidth(QStringLiteral("[")), 10) << "measured as the picture, not the bracket";
    }
    int ink = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    // A yin yang is a filled disc half black; a bracket is a few thin strokes.
    EXPECT_GT(ink, 250);
}
