#include <gtest/gtest.h>

#include "layout/TemplateFilters.h"

namespace {

TLabelLayout record(const QString &name, const QString &productType, const QString &printerType,
                    const QString &paperSize)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = name;
    layout.ProductType = productType;
    layout.PrinterType = printerType;
    layout.PaperSize = paperSize;
    return layout;
}

QStringList texts(const std::vector<TemplateListItem> &items)
{
    QStringList list;
    for (const TemplateListItem &item : items)
        list << item.text;
    return list;
}

std::vector<TemplateListItem> items(const QStringList &texts)
{
    std::vector<TemplateListItem> list;
    for (const QString &text : texts)
        list.push_back({text, int(list.size())});
    return list;
}

} // namespace

TEST(TemplateFilters, ProductTypeLooksForItsWordInCapitals)
{
    struct Case
    {
        const char *productType;
        ProductTypeFilter filter;
        bool passes;
    };
    const Case cases[] = {
        {"ADDRESS/SHIPPING LABELS", ProductTypeFilter::AddressLabels, true},
        {"address labels", ProductTypeFilter::AddressLabels, true},
        {"ADDRESS/SHIPPING LABELS", ProductTypeFilter::CardProducts, false},
        {"BUSINESS CARDS", ProductTypeFilter::CardProducts, true},
        {"DISKETTE LABELS", ProductTypeFilter::DisketteLabels, true},
        {"FILE FOLDER LABELS", ProductTypeFilter::FileFolderLabels, true},
        // The filter looks for FILE, not FOLDER.
        {"FOLDER LABELS", ProductTypeFilter::FileFolderLabels, false},
        {"INDEX CARDS", ProductTypeFilter::IndexProducts, true},
        {"INDEX CARDS", ProductTypeFilter::CardProducts, true},
        {"Miscellaneous", ProductTypeFilter::Miscellaneous, true},
        {"", ProductTypeFilter::Miscellaneous, false},
        {"", ProductTypeFilter::All, true},
    };
    for (const Case &c : cases) {
        const TLabelLayout layout = record(QStringLiteral("Avery 1"), QLatin1StringView(c.productType),
                                           QStringLiteral("LJ"), QStringLiteral("LTR"));
        EXPECT_EQ(passesProductType(layout, c.filter), c.passes) << c.productType << " " << int(c.filter);
    }
}

TEST(TemplateFilters, PrinterTypeAndRegion)
{
    struct PrinterCase
    {
        const char *printerType;
        PrinterTypeFilter filter;
        bool passes;
    };
    const PrinterCase printerCases[] = {
        {"LJ", PrinterTypeFilter::Laserjet, true},     {"lj", PrinterTypeFilter::Laserjet, true},
        {"IJ", PrinterTypeFilter::Laserjet, false},    {"IJ", PrinterTypeFilter::InkjetDeskjet, true},
        {"", PrinterTypeFilter::InkjetDeskjet, false}, {"", PrinterTypeFilter::All, true},
    };
    for (const PrinterCase &c : printerCases) {
        const TLabelLayout layout = record(QStringLiteral("Avery 1"), QStringLiteral("MISC"),
                                           QLatin1StringView(c.printerType), QStringLiteral("LTR"));
        EXPECT_EQ(passesPrinterType(layout, c.filter), c.passes) << c.printerType << " " << int(c.filter);
    }

    struct RegionCase
    {
        const char *paperSize;
        bool unitedStates;
        bool european;
    };
    const RegionCase regionCases[] = {
        {"LTR", true, false},
        {"LTRL", true, false},
        {"A4", false, true},
        {"A4L", false, true},
        {"A5", false, true},
        {"", true, false},
        // Paper codes are compared as stored.
        {"a4", true, false},
    };
    for (const RegionCase &c : regionCases) {
        const TLabelLayout layout = record(QStringLiteral("Avery 1"), QStringLiteral("MISC"),
                                           QStringLiteral("LJ"), QLatin1StringView(c.paperSize));
        EXPECT_EQ(passesRegion(layout, RegionFilter::UnitedStates), c.unitedStates) << c.paperSize;
        EXPECT_EQ(passesRegion(layout, RegionFilter::European), c.european) << c.paperSize;
        EXPECT_TRUE(passesRegion(layout, RegionFilter::All)) << c.paperSize;
    }
}

TEST(TemplateFilters, ListShowsPassingNamedRecordsSortedWithoutTheBrand)
{
    const std::vector<TLabelLayout> records = {
        record(QStringLiteral("Avery 8160 Address"), QStringLiteral("ADDRESS"), QStringLiteral("IJ"),
               QStringLiteral("LTR")),
        record(QStringLiteral("Avery 5160 Address"), QStringLiteral("ADDRESS"), QStringLiteral("LJ"),
               QStringLiteral("LTR")),
        record(QString(), QStringLiteral("ADDRESS"), QStringLiteral("LJ"), QStringLiteral("LTR")),
        record(QStringLiteral("Avery L7160 Mailing"), QStringLiteral("ADDRESS"), QStringLiteral("LJ"),
               QStringLiteral("A4")),
        record(QStringLiteral("Avery 5371 Cards"), QStringLiteral("CARD"), QStringLiteral("LJ"),
               QStringLiteral("LTR")),
        record(QStringLiteral("Avery abc second"), QStringLiteral("ADDRESS"), QStringLiteral("LJ"),
               QStringLiteral("LTR")),
        record(QStringLiteral("Avery ABC first"), QStringLiteral("ADDRESS"), QStringLiteral("LJ"),
               QStringLiteral("LTR")),
        record(QStringLiteral("Short"), QStringLiteral("ADDRESS"), QStringLiteral("LJ"),
               QStringLiteral("LTR")),
    };
    struct Case
    {
        TemplateFilter filter;
        QStringList texts;
        std::vector<int> recordIndexes;
    };
    const Case cases[] = {
        // The form's defaults: Address, Laserjet, United States. A name of six characters or fewer
        // shows as an empty item; case is ignored when sorting.
        {{}, {"", "5160 Address", "ABC first", "abc second"}, {7, 1, 6, 5}},
        {{ProductTypeFilter::All, PrinterTypeFilter::All, RegionFilter::All},
         {"", "5160 Address", "5371 Cards", "8160 Address", "ABC first", "abc second", "L7160 Mailing"},
         {7, 1, 4, 0, 6, 5, 3}},
        {{ProductTypeFilter::AddressLabels, PrinterTypeFilter::InkjetDeskjet, RegionFilter::UnitedStates},
         {"8160 Address"},
         {0}},
        {{ProductTypeFilter::AddressLabels, PrinterTypeFilter::Laserjet, RegionFilter::European},
         {"L7160 Mailing"},
         {3}},
        {{ProductTypeFilter::IndexProducts, PrinterTypeFilter::All, RegionFilter::All}, {}, {}},
    };
    for (const Case &c : cases) {
        const std::vector<TemplateListItem> list = filteredTemplateList(records, c.filter);
        EXPECT_EQ(texts(list), c.texts);
        std::vector<int> indexes;
        for (const TemplateListItem &item : list)
            indexes.push_back(item.recordIndex);
        EXPECT_EQ(indexes, c.recordIndexes);
    }
}

TEST(TemplateFilters, TypeAheadSearchesFromTheSecondItemAndWraps)
{
    struct Case
    {
        QStringList list;
        const char *typed;
        int found;
    };
    const Case cases[] = {
        {{"5160 Address", "5161 Address", "5371 Cards"}, "5", 1},
        {{"5160 Address", "5161 Address", "5371 Cards"}, "5160", 0},
        {{"5160 Address", "5161 Address", "5371 Cards"}, "537", 2},
        {{"5160 Address", "5161 Address", "5371 Cards"}, "5371 cARDS", 2},
        {{"5160 Address", "5161 Address", "5371 Cards"}, "6", -1},
        {{"5160 Address", "5161 Address", "5371 Cards"}, "5160 Address and more", -1},
        {{"5160 Address"}, "5", 0},
        {{}, "5", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(typeAheadMatch(items(c.list), QLatin1StringView(c.typed)), c.found) << c.typed;
}

TEST(TemplateFilters, ChooserStartsFromTheCurrentStockUnlessNewOrUserDefined)
{
    struct Case
    {
        const char *name;
        const char *productType;
        const char *printerType;
        const char *paperSize;
        bool isNew;
        TemplateFilter filter;
        const char *typeAhead;
    };
    using P = ProductTypeFilter;
    using T = PrinterTypeFilter;
    using R = RegionFilter;
    const Case cases[] = {
        {"Avery 5160 Address",
         "ADDRESS/SHIPPING LABELS",
         "LJ",
         "LTR",
         false,
         {P::AddressLabels, T::Laserjet, R::UnitedStates},
         "5160 Address"},
        {"Avery 5160 Address", "ADDRESS/SHIPPING LABELS", "IJ", "A4", true, {}, ""},
        {"USER DEFINED", "CARD", "IJ", "A4", false, {}, ""},
        {"my user stock", "CARD", "IJ", "A4", false, {}, ""},
        {"avery 5371 Cards",
         "business cards",
         "IJ",
         "a4l",
         false,
         {P::CardProducts, T::InkjetDeskjet, R::European},
         "5371 Cards"},
        // FOLDER wins over FILE for the preset; the first word in the fixed order wins over later ones.
        {"Avery 5366 Filing",
         "FILE FOLDER LABELS",
         "LJ",
         "LTRL",
         false,
         {P::FileFolderLabels, T::Laserjet, R::UnitedStates},
         "5366 Filing"},
        {"Avery 5388 Index",
         "INDEX CARDS",
         "lj",
         "A5",
         false,
         {P::CardProducts, T::All, R::European},
         "5388 Index"},
        {"Avery 8165 Full", "DISK", "", "", false, {P::DisketteLabels, T::All, R::All}, "8165 Full"},
        {"Acme 12 Round",
         "MISC",
         "LJ",
         "LTR",
         false,
         {P::Miscellaneous, T::Laserjet, R::UnitedStates},
         "Acme 12 Round"},
        {"Acme 12 Round",
         "ROUND",
         "LJ",
         "LTR",
         false,
         {P::All, T::Laserjet, R::UnitedStates},
         "Acme 12 Round"},
    };
    for (const Case &c : cases) {
        TLabelLayout current = record(QLatin1StringView(c.name), QLatin1StringView(c.productType),
                                      QLatin1StringView(c.printerType), QLatin1StringView(c.paperSize));
        const ChooserStart start = chooserStart(current, c.isNew);
        EXPECT_EQ(start.filter, c.filter) << c.name << " " << c.productType;
        EXPECT_EQ(start.typeAheadText, QLatin1StringView(c.typeAhead)) << c.name;
    }

    // From a brand name, the search holds characters 7 to 60 of the name.
    TLabelLayout longName = TLabelLayout::defaultLayout();
    longName.TemplateName = QStringLiteral("Avery ") + QString(70, QLatin1Char('x'));
    EXPECT_EQ(chooserStart(longName, false).typeAheadText, QString(54, QLatin1Char('x')));
}

TEST(TemplateFilters, GeneralNumberFormat)
{
    struct Case
    {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0, "0"},
        {1, "1"},
        {2.625, "2.625"},
        {0.15625, "0.15625"},
        {11, "11"},
        {-0.5, "-0.5"},
        {100, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.6500000953674316, "2.65000009536743"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"},
        {0.00001, "0.00001"},
        {0.000001234, "1.234E-6"},
        {9.9999999999999999, "10"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(generalNumberText(c.value, QStringLiteral(".")), QLatin1StringView(c.text)) << c.text;
    EXPECT_EQ(generalNumberText(2.625, QStringLiteral(",")), QStringLiteral("2,625"));
    EXPECT_EQ(generalNumberText(0.00001, QStringLiteral(",")), QStringLiteral("0,00001"));
}

TEST(TemplateFilters, DescriptionLinesAndPaper)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LabelWidth = 2.625;
    layout.LeftMargin = 0.15625;
    layout.HorizontalPitch = 2.78125;
    layout.VerticalPitch = 1;
    const QStringList expected = {
        "Label Height: 1",
        "Label Width: 2,625",
        "# Across: 3",
        "# Down: 10",
        "Top Margin: 0,5",
        "Left Margin: 0,15625",
        "Horizontal Pitch: 2,78125",
        "Vertical Pitch: 1",
        "Page Width: 8,5",
        "Page Height: 11",
        "Paper Size: Letter",
    };
    EXPECT_EQ(templateDescription(layout, QStringLiteral(",")), expected);

    struct Case
    {
        const char *code;
        const char *line;
    };
    const Case cases[] = {
        {"LTR", "Paper Size: Letter"},
        {"LTRL", "Paper Size: Letter Landscape"},
        {"A4", "Paper Size: A4"},
        {"A4L", "Paper Size: A4 Landscape"},
        {"A5", "Paper Size: A5"},
        {"ltr", ""},
        {"", ""},
        {"B5", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(paperSizeLine(QLatin1StringView(c.code)), QLatin1StringView(c.line)) << c.code;
        layout.PaperSize = QLatin1StringView(c.code);
        EXPECT_EQ(templateDescription(layout, QStringLiteral(".")).size(), *c.line ? 11 : 10) << c.code;
    }
}
