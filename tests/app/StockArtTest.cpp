#include <QSet>

#include <gtest/gtest.h>

#include "app/StockArt.h"

TEST(StockArtTest, EveryStockOfTheDatabaseHasItsPicture)
{
    for (const char *name : {"AV5196.BMP", "AV5305.BMP", "AV5386.BMP", "AV5766.BMP", "AV5824.BMP",
                             "AV5895.BMP", "AV5896.BMP", "AV8166.BMP"}) {
        SCOPED_TRACE(name);
        const QImage art = StockArt::load(QLatin1String(name));
        ASSERT_FALSE(art.isNull());
        QSet<QRgb> colours;
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x)
                colours.insert(art.pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(colours, (QSet<QRgb>{0xFFFFFF, 0xC0C0C0}));
    }
    EXPECT_TRUE(StockArt::load(QStringLiteral("AV9999.BMP")).isNull());
    EXPECT_TRUE(StockArt::load({}).isNull());
}

TEST(StockArtTest, AnythingNotWhiteBecomesSilver)
{
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(0, 0, 0));
    picture.setPixel(2, 0, qRgb(255, 255, 254));
    const QImage silver = StockArt::toSilverOnWhite(picture);
    EXPECT_EQ(silver.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(silver.pixel(1, 0), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(silver.pixel(2, 0), qRgb(0xC0, 0xC0, 0xC0));
}
