#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

#include "layout/TLabelLayout.h"

// The decisions of the user-defined layout editor, free of widgets: its paper and outline items,
// the unit conversions, the pitch rule and the checks made before a layout is accepted.

enum class MeasurementUnit { Inches, Millimetres };

constexpr double MillimetresPerInch = 25.4;
constexpr double InchesPerMillimetre = 0.039370078740157480314;

// The eight lengths the editor shows, in the order its boxes are read and converted.
enum class Measurement {
    LabelHeight,
    LabelWidth,
    TopMargin,
    LeftMargin,
    HorizontalPitch,
    VerticalPitch,
    PaperWidth,
    PaperHeight
};
constexpr int MeasurementCount = 8;

// What the editor holds: lengths in inches, kept in single precision as the open document keeps them.
struct LayoutEntries
{
    std::array<double, MeasurementCount> lengths{};
    int across = 1;
    int down = 1;
    QString paperSize;
    QString labelShape;

    double &operator[](Measurement which) { return lengths[std::size_t(which)]; }
    double operator[](Measurement which) const { return lengths[std::size_t(which)]; }
    bool operator==(const LayoutEntries &) const = default;
};

struct PaperItem
{
    QString caption;
    QString code;
    double widthInches;
    double heightInches;
    double widthMillimetres;
    double heightMillimetres;
};
const std::vector<PaperItem> &paperItems();
// Unknown codes show as the first item, Letter.
int paperItemIndex(const QString &code);

// Outline captions and their codes, in list order.
QStringList labelShapeCaptions();
QString labelShapeCode(int item);
// "RR" and "SR" have their own items; every other code, empty included, shows as "Round".
int labelShapeItem(const QString &code);

// How many labels the spin boxes offer.
constexpr int MaximumLabelsAcross = 10;
constexpr int MaximumLabelsDown = 30;

// The working value, in inches, for a length the user sees in `unit`.
double toWorkingInches(double shown, MeasurementUnit unit);
// The length the user sees in `unit` for a working value in inches.
double toShownLength(double inches, MeasurementUnit unit);
// The value handed back for a box showing `shown`: millimetres come back rounded to 3 decimals
// of an inch, so 10 mm is 0.394 and 25.4 mm exactly 1.
double acceptedInches(double shown, MeasurementUnit unit);

// A pitch never stays below the size of the label it steps over.
double pitchAfterSize(double size, double pitch);

// The editor's view of a layout: paper code cut to its field width, lengths in single precision.
LayoutEntries layoutEntries(const TLabelLayout &layout);
// The message of the first check the entries fail, empty when they pass.
QString layoutEntriesError(const LayoutEntries &entries);
// A user-defined layout carries no stock name, printer, product, art or gutters.
TLabelLayout userDefinedLayout(const LayoutEntries &entries);
