#include <gtest/gtest.h>

#include "layout/LayoutEditorRules.h"

namespace {

// A sound layout of two columns and two rows; each case spoils one thing.
LayoutEntries soundEntries()
{
    LayoutEntries entries;
    entries[Measurement::LabelHeight] = 1;
    entries[Measurement::LabelWidth] = 2.5;
    entries[Measurement::TopMargin] = 0.5;
    entries[Measurement::LeftMargin] = 0.25;
    entries[Measurement::HorizontalPitch] = 2.75;
    entries[Measurement::VerticalPitch] = 1;
    entries[Measurement::PaperWidth] = 8.5;
    entries[Measurement::PaperHeight] = 11;
    entries.across = 2;
    entries.down = 2;
    entries.paperSize = QStringLiteral("LTR");
    entries.labelShape = QStringLiteral("RR");
    return entries;
}

} // namespace

TEST(LayoutEditorRules, MillimetresBecomeInchesAndBack)
{
    struct Case
    {
        double shown;
        MeasurementUnit unit;
        double workingInches;
        double acceptedInches;
    };
    const Case cases[] = {
        {2.65, MeasurementUnit::Inches, double(2.65f), double(2.65f)},
        {25.4, MeasurementUnit::Millimetres, 1.0, 1.0},
        {10, MeasurementUnit::Millimetres, double(float(10 * InchesPerMillimetre)), double(0.394f)},
        {7, MeasurementUnit::Millimetres, double(float(7 * InchesPerMillimetre)), double(0.276f)},
        {7.62, MeasurementUnit::Millimetres, double(float(7.62 * InchesPerMillimetre)), double(0.3f)},
        {67.31, MeasurementUnit::Millimetres, double(2.65f), double(2.65f)},
        {-12.7, MeasurementUnit::Millimetres, -0.5, -0.5},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(toWorkingInches(c.shown, c.unit), c.workingInches) << c.shown;
        EXPECT_EQ(acceptedInches(c.shown, c.unit), c.acceptedInches) << c.shown;
    }
    EXPECT_EQ(toShownLength(2.5, MeasurementUnit::Inches), 2.5);
    EXPECT_EQ(toShownLength(double(2.65f), MeasurementUnit::Millimetres), double(2.65f) * 25.4);
    EXPECT_DOUBLE_EQ(toShownLength(1, MeasurementUnit::Millimetres), 25.4);
}

TEST(LayoutEditorRules, ChecksInOrderAndReportsTheFirstProblem)
{
    struct Case
    {
        const char *what;
        void (*spoil)(LayoutEntries &);
        const char *message;
    };
    const Case cases[] = {
        {"sound", [](LayoutEntries &) {}, ""},
        {"label height 7 mm", [](LayoutEntries &e) { e[Measurement::LabelHeight] = 0.276; },
         "Label Height must be at least .3 inches (or 7mm)"},
        {"label height just .3", [](LayoutEntries &e) { e[Measurement::LabelHeight] = double(0.3f); }, ""},
        {"label width .49", [](LayoutEntries &e) { e[Measurement::LabelWidth] = 0.49; },
         "Label Width must be at least .5 inch (or 13mm)"},
        {"height and width both too small",
         [](LayoutEntries &e) {
             e[Measurement::LabelHeight] = 0.1;
             e[Measurement::LabelWidth] = 0.1;
         },
         "Label Height must be at least .3 inches (or 7mm)"},
        {"horizontal pitch below width, two across",
         [](LayoutEntries &e) { e[Measurement::HorizontalPitch] = 2.4; },
         "Horizontal Pitch must be at least = Label Width"},
        {"horizontal pitch below width, one across",
         [](LayoutEntries &e) {
             e[Measurement::HorizontalPitch] = 2.4;
             e.across = 1;
         },
         ""},
        {"vertical pitch below height, two down",
         [](LayoutEntries &e) { e[Measurement::VerticalPitch] = 0.9; },
         "Vertical Pitch must be at least = Label Height"},
        {"vertical pitch below height, one down",
         [](LayoutEntries &e) {
             e[Measurement::VerticalPitch] = 0.9;
             e.down = 1;
         },
         ""},
        {"both pitches too small",
         [](LayoutEntries &e) {
             e[Measurement::VerticalPitch] = 0.9;
             e[Measurement::HorizontalPitch] = 2.4;
         },
         "Horizontal Pitch must be at least = Label Width"},
        {"paper width", [](LayoutEntries &e) { e[Measurement::PaperWidth] = 0.29; },
         "Page Width must be at least .3 inch"},
        {"paper height", [](LayoutEntries &e) { e[Measurement::PaperHeight] = 0; },
         "Page Height must be at least .3 inches"},
        {"labels running off the page",
         [](LayoutEntries &e) {
             e[Measurement::LeftMargin] = 7;
             e[Measurement::TopMargin] = -3;
             e.across = 10;
         },
         ""},
    };
    for (const Case &c : cases) {
        LayoutEntries entries = soundEntries();
        c.spoil(entries);
        EXPECT_EQ(layoutEntriesError(entries), QLatin1StringView(c.message)) << c.what;
    }
}

TEST(LayoutEditorRules, PaperAndOutlineItems)
{
    struct PaperCase
    {
        const char *code;
        int item;
    };
    for (const PaperCase &c :
         {PaperCase{"LTR", 0}, PaperCase{"LTRL", 1}, PaperCase{"A4", 2}, PaperCase{"A4L", 3},
          PaperCase{"A5", 4}, PaperCase{"", 0}, PaperCase{"a4", 0}, PaperCase{"B5", 0}})
        EXPECT_EQ(paperItemIndex(QLatin1StringView(c.code)), c.item) << c.code;
    QStringList captions;
    for (const PaperItem &paper : paperItems())
        captions << paper.caption;
    EXPECT_EQ(captions, (QStringList{"Letter (8.5 x 11\")", "Letter Landscape (11 x 8.5\")",
                                     "A4 (210 x 297mm)", "A4 Landscape ( 297 x 210mm)", "A5 (148 x 210mm)"}));
    for (const PaperItem &paper : paperItems()) {
        // The millimetre sizes are the inch sizes converted, not the nominal ISO ones.
        EXPECT_NEAR(paper.widthMillimetres, paper.widthInches * MillimetresPerInch, 1e-9)
            << paper.code.toStdString();
        EXPECT_NEAR(paper.heightMillimetres, paper.heightInches * MillimetresPerInch, 1e-9)
            << paper.code.toStdString();
    }
    EXPECT_EQ(paperItems()[2].widthInches, 8.27);
    EXPECT_EQ(paperItems()[4].widthInches, 5.82);

    EXPECT_EQ(labelShapeCaptions(), (QStringList{"Rectangular with Rounded Edges", "Rectangular", "Round"}));
    struct ShapeCase
    {
        const char *code;
        int item;
    };
    for (const ShapeCase &c :
         {ShapeCase{"RR", 0}, ShapeCase{"SR", 1}, ShapeCase{"EL", 2}, ShapeCase{"", 2}, ShapeCase{"rr", 2}}) {
        EXPECT_EQ(labelShapeItem(QLatin1StringView(c.code)), c.item) << c.code;
    }
    EXPECT_EQ((QStringList{labelShapeCode(0), labelShapeCode(1), labelShapeCode(2), labelShapeCode(3)}),
              (QStringList{"RR", "SR", "EL", ""}));
}

TEST(LayoutEditorRules, PitchFollowsALargerLabelOnly)
{
    struct Case
    {
        double size;
        double pitch;
        double result;
    };
    for (const Case &c : {Case{3, 2.765, 3}, Case{2.5, 2.765, 2.765}, Case{2.765, 2.765, 2.765}})
        EXPECT_EQ(pitchAfterSize(c.size, c.pitch), c.result) << c.size << " over " << c.pitch;
}

TEST(LayoutEditorRules, EntriesFromALayoutAndTheUserDefinedLayoutBack)
{
    TLabelLayout stock = TLabelLayout::defaultLayout();
    stock.PaperSize = QStringLiteral("LETTERX");
    stock.HorizontalGutter = 0.25;
    stock.ArtName = QStringLiteral("AV5160.BMP");
    const LayoutEntries entries = layoutEntries(stock);
    EXPECT_EQ(entries.paperSize, QStringLiteral("LETTE"));
    EXPECT_EQ(entries[Measurement::LabelWidth], double(2.65f));
    EXPECT_EQ(entries[Measurement::VerticalPitch], double(1.01f));
    EXPECT_EQ(entries[Measurement::PaperHeight], 11.0);
    EXPECT_EQ(entries.across, 3);
    EXPECT_EQ(entries.down, 10);
    EXPECT_EQ(entries.labelShape, QStringLiteral("RR"));

    const TLabelLayout user = userDefinedLayout(entries);
    EXPECT_EQ(user.TemplateName, QStringLiteral("USER DEFINED"));
    EXPECT_EQ(user.LabelWidth, double(2.65f));
    EXPECT_EQ(user.LabelHeight, 1.0);
    EXPECT_EQ(user.TopMargin, 0.5);
    EXPECT_EQ(user.LeftMargin, double(0.188f));
    EXPECT_EQ(user.HorizontalPitch, double(2.765f));
    EXPECT_EQ(user.PageWidth, 8.5);
    EXPECT_EQ(user.LabelsAcross, 3);
    EXPECT_EQ(user.LabelsDown, 10);
    EXPECT_EQ(user.HorizontalGutter, 0);
    EXPECT_EQ(user.VerticalGutter, 0);
    EXPECT_TRUE(user.PrinterType.isEmpty());
    EXPECT_TRUE(user.ProductType.isEmpty());
    EXPECT_TRUE(user.ArtName.isEmpty());
    EXPECT_EQ(user.PaperSize, QStringLiteral("LETTE"));
    EXPECT_EQ(user.LabelShape, QStringLiteral("RR"));
    EXPECT_EQ(user, user.documentPrecision()) << "already held as the open document holds it";
}
