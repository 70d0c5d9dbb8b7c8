#include "layout/LayoutEditorRules.h"

#include "platform/Numbers.h"

const std::vector<PaperItem> &paperItems()
{
    static const std::vector<PaperItem> items = {
        {QStringLiteral("Letter (8.5 x 11\")"), QStringLiteral("LTR"), 8.5, 11, 215.9, 279.4},
        {QStringLiteral("Letter Landscape (11 x 8.5\")"), QStringLiteral("LTRL"), 11, 8.5, 279.4, 215.9},
        {QStringLiteral("A4 (210 x 297mm)"), QStringLiteral("A4"), 8.27, 11.69, 210.058, 296.926},
        {QStringLiteral("A4 Landscape ( 297 x 210mm)"), QStringLiteral("A4L"), 11.69, 8.27, 296.926, 210.058},
        {QStringLiteral("A5 (148 x 210mm)"), QStringLiteral("A5"), 5.82, 8.27, 147.828, 210.058},
    };
    return items;
}

int paperItemIndex(const QString &code)
{
    const std::vector<PaperItem> &items = paperItems();
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].code == code)
            return int(index);
    }
    return 0;
}

namespace {
struct ShapeItem
{
    QLatin1StringView caption;
    QLatin1StringView code;
};
constexpr ShapeItem shapeItems[] = {
    {QLatin1StringView("Rectangular with Rounded Edges"), QLatin1StringView("RR")},
    {QLatin1StringView("Rectangular"), QLatin1StringView("SR")},
    {QLatin1StringView("Round"), QLatin1StringView("EL")},
};
constexpr int roundItem = 2;
} // namespace

QStringList labelShapeCaptions()
{
    QStringList captions;
    for (const ShapeItem &item : shapeItems)
        captions << item.caption;
    return captions;
}

QString labelShapeCode(int item)
{
    if (item < 0 || item >= int(std::size(shapeItems)))
        return {};
    return shapeItems[item].code;
}

int labelShapeItem(const QString &code)
{
    for (int item = 0; item < roundItem; ++item) {
        if (code == shapeItems[item].code)
            return item;
    }
    return roundItem;
}

double toWorkingInches(double shown, MeasurementUnit unit)
{
    return toSingle(unit == MeasurementUnit::Millimetres ? shown * InchesPerMillimetre : shown);
}

double toShownLength(double inches, MeasurementUnit unit)
{
    return unit == MeasurementUnit::Millimetres ? inches * MillimetresPerInch : inches;
}

double acceptedInches(double shown, MeasurementUnit unit)
{
    if (unit == MeasurementUnit::Inches)
        return toSingle(shown);
    return toSingle(QString::number(shown * InchesPerMillimetre, 'f', 3).toDouble());
}

double pitchAfterSize(double size, double pitch)
{
    return size > pitch ? size : pitch;
}

LayoutEntries layoutEntries(const TLabelLayout &layout)
{
    LayoutEntries entries;
    entries[Measurement::LabelHeight] = toSingle(layout.LabelHeight);
    entries[Measurement::LabelWidth] = toSingle(layout.LabelWidth);
    entries[Measurement::TopMargin] = toSingle(layout.TopMargin);
    entries[Measurement::LeftMargin] = toSingle(layout.LeftMargin);
    entries[Measurement::HorizontalPitch] = toSingle(layout.HorizontalPitch);
    entries[Measurement::VerticalPitch] = toSingle(layout.VerticalPitch);
    entries[Measurement::PaperWidth] = toSingle(layout.PageWidth);
    entries[Measurement::PaperHeight] = toSingle(layout.PageHeight);
    entries.across = layout.LabelsAcross;
    entries.down = layout.LabelsDown;
    entries.paperSize = layout.PaperSize.left(TLabelLayout::PaperSizeWidth);
    entries.labelShape = layout.LabelShape;
    return entries;
}

QString layoutEntriesError(const LayoutEntries &entries)
{
    const double height = entries[Measurement::LabelHeight];
    const double width = entries[Measurement::LabelWidth];
    if (height < 0.3)
        return QStringLiteral("Label Height must be at least .3 inches (or 7mm)");
    if (width < 0.5)
        return QStringLiteral("Label Width must be at least .5 inch (or 13mm)");
    if (entries.across >= 2 && width > entries[Measurement::HorizontalPitch])
        return QStringLiteral("Horizontal Pitch must be at least = Label Width");
    if (entries.down >= 2 && height > entries[Measurement::VerticalPitch])
        return QStringLiteral("Vertical Pitch must be at least = Label Height");
    if (entries[Measurement::PaperWidth] < 0.3)
        return QStringLiteral("Page Width must be at least .3 inch");
    if (entries[Measurement::PaperHeight] < 0.3)
        return QStringLiteral("Page Height must be at least .3 inches");
    return {};
}

TLabelLayout userDefinedLayout(const LayoutEntries &entries)
{
    TLabelLayout layout;
    layout.TemplateName = QStringLiteral("USER DEFINED");
    layout.LabelHeight = entries[Measurement::LabelHeight];
    layout.LabelWidth = entries[Measurement::LabelWidth];
    layout.LabelsAcross = entries.across;
    layout.LabelsDown = entries.down;
    layout.TopMargin = entries[Measurement::TopMargin];
    layout.LeftMargin = entries[Measurement::LeftMargin];
    layout.HorizontalPitch = entries[Measurement::HorizontalPitch];
    layout.VerticalPitch = entries[Measurement::VerticalPitch];
    layout.PageWidth = entries[Measurement::PaperWidth];
    layout.PageHeight = entries[Measurement::PaperHeight];
    layout.PaperSize = entries.paperSize;
    layout.LabelShape = entries.labelShape;
    return layout;
}
