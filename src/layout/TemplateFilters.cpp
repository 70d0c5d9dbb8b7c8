#include "layout/TemplateFilters.h"

#include <algorithm>
#include <cmath>

namespace {

bool containsInCapitals(const QString &text, QLatin1StringView word)
{
    return text.toUpper().contains(word);
}

bool isEuropeanPaper(const QString &paperSize)
{
    return paperSize.contains(QLatin1StringView("A4")) || paperSize.contains(QLatin1StringView("A5"));
}

bool hasBrandWord(const QString &templateName)
{
    return containsInCapitals(templateName, QLatin1StringView("AVERY"));
}

// "Avery " is six characters; the rest names the stock.
constexpr int brandPrefixLength = 6;

ProductTypeFilter productTypeFor(const QString &productType)
{
    // The preset looks for FOLDER where the filter looks for FILE; stocks that carry both words
    // open on the item that lists them.
    struct Word
    {
        QLatin1StringView word;
        ProductTypeFilter item;
    };
    static const Word words[] = {
        {QLatin1StringView("ADDRESS"), ProductTypeFilter::AddressLabels},
        {QLatin1StringView("CARD"), ProductTypeFilter::CardProducts},
        {QLatin1StringView("DISK"), ProductTypeFilter::DisketteLabels},
        {QLatin1StringView("FOLDER"), ProductTypeFilter::FileFolderLabels},
        {QLatin1StringView("INDEX"), ProductTypeFilter::IndexProducts},
        {QLatin1StringView("MISC"), ProductTypeFilter::Miscellaneous},
    };
    for (const Word &candidate : words) {
        if (containsInCapitals(productType, candidate.word))
            return candidate.item;
    }
    return ProductTypeFilter::All;
}

PrinterTypeFilter printerTypeFor(const QString &printerType)
{
    if (printerType == QLatin1StringView("LJ"))
        return PrinterTypeFilter::Laserjet;
    if (printerType == QLatin1StringView("IJ"))
        return PrinterTypeFilter::InkjetDeskjet;
    return PrinterTypeFilter::All;
}

RegionFilter regionFor(const QString &paperSize)
{
    const QString capitals = paperSize.toUpper();
    if (isEuropeanPaper(capitals))
        return RegionFilter::European;
    if (capitals.contains(QLatin1StringView("LTR")))
        return RegionFilter::UnitedStates;
    return RegionFilter::All;
}

} // namespace

bool passesProductType(const TLabelLayout &record, ProductTypeFilter filter)
{
    switch (filter) {
    case ProductTypeFilter::AddressLabels:
        return containsInCapitals(record.ProductType, QLatin1StringView("ADDRESS"));
    case ProductTypeFilter::CardProducts:
        return containsInCapitals(record.ProductType, QLatin1StringView("CARD"));
    case ProductTypeFilter::DisketteLabels:
        return containsInCapitals(record.ProductType, QLatin1StringView("DISK"));
    case ProductTypeFilter::FileFolderLabels:
        return containsInCapitals(record.ProductType, QLatin1StringView("FILE"));
    case ProductTypeFilter::IndexProducts:
        return containsInCapitals(record.ProductType, QLatin1StringView("INDEX"));
    case ProductTypeFilter::Miscellaneous:
        return containsInCapitals(record.ProductType, QLatin1StringView("MISC"));
    case ProductTypeFilter::All:
        break;
    }
    return true;
}

bool passesPrinterType(const TLabelLayout &record, PrinterTypeFilter filter)
{
    switch (filter) {
    case PrinterTypeFilter::Laserjet:
        return containsInCapitals(record.PrinterType, QLatin1StringView("LJ"));
    case PrinterTypeFilter::InkjetDeskjet:
        return containsInCapitals(record.PrinterType, QLatin1StringView("IJ"));
    case PrinterTypeFilter::All:
        break;
    }
    return true;
}

bool passesRegion(const TLabelLayout &record, RegionFilter filter)
{
    // Paper codes are compared as stored, unlike the other two filters.
    switch (filter) {
    case RegionFilter::UnitedStates:
        return !isEuropeanPaper(record.PaperSize);
    case RegionFilter::European:
        return isEuropeanPaper(record.PaperSize);
    case RegionFilter::All:
        break;
    }
    return true;
}

bool passesTemplateFilter(const TLabelLayout &record, const TemplateFilter &filter)
{
    return !record.TemplateName.isEmpty() && passesRegion(record, filter.region) &&
           passesProductType(record, filter.productType) && passesPrinterType(record, filter.printerType);
}

QString templateListText(const TLabelLayout &record)
{
    return record.TemplateName.mid(brandPrefixLength);
}

std::vector<TemplateListItem> filteredTemplateList(const std::vector<TLabelLayout> &records,
                                                   const TemplateFilter &filter)
{
    std::vector<TemplateListItem> items;
    for (std::size_t index = 0; index < records.size(); ++index) {
        if (passesTemplateFilter(records[index], filter))
            items.push_back({templateListText(records[index]), int(index)});
    }
    std::stable_sort(items.begin(), items.end(), [](const TemplateListItem &a, const TemplateListItem &b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    return items;
}

int typeAheadMatch(const std::vector<TemplateListItem> &items, const QString &typed)
{
    const int count = int(items.size());
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (items[std::size_t(index)].text.startsWith(typed, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

ChooserStart chooserStart(const TLabelLayout &current, bool isNewDocument)
{
    if (isNewDocument || containsInCapitals(current.TemplateName, QLatin1StringView("USER")))
        return {};
    ChooserStart start;
    start.filter.productType = productTypeFor(current.ProductType);
    start.filter.printerType = printerTypeFor(current.PrinterType);
    start.filter.region = regionFor(current.PaperSize);
    start.typeAheadText =
        hasBrandWord(current.TemplateName)
            ? current.TemplateName.mid(brandPrefixLength, TLabelLayout::TemplateNameWidth - brandPrefixLength)
            : current.TemplateName;
    return start;
}

QString paperSizeLine(const QString &paperSize)
{
    struct Paper
    {
        QLatin1StringView code;
        QLatin1StringView line;
    };
    static const Paper papers[] = {
        {QLatin1StringView("LTR"), QLatin1StringView("Paper Size: Letter")},
        {QLatin1StringView("LTRL"), QLatin1StringView("Paper Size: Letter Landscape")},
        {QLatin1StringView("A4"), QLatin1StringView("Paper Size: A4")},
        {QLatin1StringView("A4L"), QLatin1StringView("Paper Size: A4 Landscape")},
        {QLatin1StringView("A5"), QLatin1StringView("Paper Size: A5")},
    };
    for (const Paper &paper : papers) {
        if (paperSize == paper.code)
            return paper.line;
    }
    return {};
}

QStringList templateDescription(const TLabelLayout &record, const QString &decimalSeparator)
{
    const auto real = [&](double value) { return generalNumberText(value, decimalSeparator); };
    QStringList lines = {
        QStringLiteral("Label Height: ") + real(record.LabelHeight),
        QStringLiteral("Label Width: ") + real(record.LabelWidth),
        QStringLiteral("# Across: ") + QString::number(record.LabelsAcross),
        QStringLiteral("# Down: ") + QString::number(record.LabelsDown),
        QStringLiteral("Top Margin: ") + real(record.TopMargin),
        QStringLiteral("Left Margin: ") + real(record.LeftMargin),
        QStringLiteral("Horizontal Pitch: ") + real(record.HorizontalPitch),
        QStringLiteral("Vertical Pitch: ") + real(record.VerticalPitch),
        QStringLiteral("Page Width: ") + real(record.PageWidth),
        QStringLiteral("Page Height: ") + real(record.PageHeight),
    };
    const QString paper = paperSizeLine(record.PaperSize);
    if (!paper.isEmpty())
        lines.append(paper);
    return lines;
}

QString generalNumberText(double value, const QString &decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // Fifteen significant digits, rounded once; the layout of the text is decided afterwards.
    const QString scientific = QString::number(std::abs(value), 'e', 14);
    const qsizetype exponentAt = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(exponentAt).remove(QLatin1Char('.'));
    const int exponent = scientific.mid(exponentAt + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString text;
    if (exponent >= 15 || exponent < -5) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += decimalSeparator + digits.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        text = QLatin1Char('0') + decimalSeparator + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        text = digits.left(exponent + 1) + decimalSeparator + digits.mid(exponent + 1);
    }
    return value < 0 ? QLatin1Char('-') + text : text;
}
