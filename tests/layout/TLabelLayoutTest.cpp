#include <gtest/gtest.h>

#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "layout/LayoutRecordStream.h"
#include "layout/TLabelLayout.h"

TEST(TLabelLayout, SheetPositionsWithGuttersAndNudges)
{
    struct Case {
        int across, down;
        double hGutter, vGutter;
        int row, column;
        PrinterNudges nudges;
        double x, y;
    };
    const TLabelLayout base = TLabelLayout::defaultLayout();
    const Case cases[] = {
        {3, 10, 0, 0, 0, 0, {}, 0.188, 0.5},
        {3, 10, 0, 0, 9, 2, {}, 0.188 + 2 * 2.765, 0.5 + 9 * 1.01},
        // With 3 across the gutter shifts columns 2 and 3, not column 1.
        {3, 10, 0.25, 0, 0, 0, {}, 0.188, 0.5},
        {3, 10, 0.25, 0, 0, 1, {}, 0.188 + 2.765 + 0.25, 0.5},
        {2, 10, 0.25, 0, 0, 1, {}, 0.188 + 2.765 + 0.25, 0.5},
        {1, 10, 0.25, 0, 0, 0, {}, 0.188 + 0.25, 0.5},
        // A negative gutter is ignored.
        {3, 10, -0.25, -0.5, 9, 2, {}, 0.188 + 2 * 2.765, 0.5 + 9 * 1.01},
        {3, 10, 0, 0.5, 4, 0, {}, 0.188, 0.5 + 4 * 1.01},
        {3, 10, 0, 0.5, 5, 0, {}, 0.188, 0.5 + 5 * 1.01 + 0.5},
        // Pitch nudges accumulate: row 10 moves 9 x 2/32 inch with a spacing nudge of +2.
        {3, 10, 0, 0, 9, 0, {0, 0, 2, 0}, 0.188, 0.5 + 9 * (1.01 + 2 / 32.0)},
        {3, 10, 0, 0, 0, 1, {1, -1, 0, 3}, 0.188 - 1 / 32.0 + (2.765 + 3 / 32.0), 0.5 + 1 / 32.0},
    };
    for (const Case &c : cases) {
        TLabelLayout layout = base;
        layout.LabelsAcross = c.across;
        layout.LabelsDown = c.down;
        layout.HorizontalGutter = c.hGutter;
        layout.VerticalGutter = c.vGutter;
        const QPointF at = labelPosition(layout, c.row, c.column, c.nudges);
        EXPECT_DOUBLE_EQ(at.x(), c.x) << c.row << "," << c.column;
        EXPECT_DOUBLE_EQ(at.y(), c.y) << c.row << "," << c.column;
    }
    EXPECT_EQ(positionNumber(base, 0, 0), 1);
    EXPECT_EQ(positionNumber(base, 9, 2), 30);
}

TEST(TLabelLayout, DocumentPrecisionAndFieldWidths)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = QString(70, 'n');
    layout.HorizontalGutter = 0.1;
    layout.ArtName = QStringLiteral("AV5160.BMP.EXTRA");
    const TLabelLayout held = layout.documentPrecision();
    EXPECT_EQ(held.TemplateName, QString(60, 'n'));
    EXPECT_EQ(held.ArtName, QStringLiteral("AV5160.BMP.E"));
    EXPECT_EQ(held.LabelWidth, 2.6500000953674316);
    EXPECT_EQ(held.VerticalPitch, double(1.01f));
    EXPECT_EQ(held.HorizontalGutter, 0.1) << "gutters stay double";
}

TEST(LayoutRecordStream, RoundTripsAndAcceptsIntegersForReals)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LabelsAcross = 3;
    layout.LabelsDown = 10;
    StreamWriter writer;
    LayoutRecordStream::write(writer, layout);
    StreamReader reader(writer.bytes());
    EXPECT_EQ(LayoutRecordStream::read(reader), layout);

    // PageHeight 11 stored as an integer reads as 11.0; long texts are cut.
    StreamWriter mixed;
    mixed.writeString(QString(70, 't'));
    mixed.writeInteger(1);
    mixed.writeFloat(2.625);
    mixed.writeInteger(3);
    mixed.writeInteger(10);
    for (int i = 0; i < 8; ++i)
        mixed.writeInteger(i == 5 ? 11 : 0);
    for (const char *text : {"LJX", "LTRLXX", "RRR", "ADDRESS/SHIPPING LABELS AND MORE", "ARTNAME.BMP.LONG"})
        mixed.writeString(QString::fromLatin1(text));
    StreamReader mixedReader(mixed.bytes());
    const TLabelLayout read = LayoutRecordStream::read(mixedReader);
    EXPECT_EQ(read.TemplateName.size(), 60);
    EXPECT_EQ(read.LabelHeight, 1.0);
    EXPECT_EQ(read.PageHeight, 11.0);
    EXPECT_EQ(read.PrinterType, QStringLiteral("LJ"));
    EXPECT_EQ(read.PaperSize, QStringLiteral("LTRLX"));
    EXPECT_EQ(read.LabelShape, QStringLiteral("RR"));
    EXPECT_EQ(read.ProductType, QStringLiteral("ADDRESS/SHIPPING LABELS A"));
    EXPECT_EQ(read.ArtName, QStringLiteral("ARTNAME.BMP."));
}
