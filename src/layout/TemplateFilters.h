#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

#include "layout/TLabelLayout.h"

// The decisions of the template chooser, free of widgets: which stocks the three filters let
// through, how the list reads and is searched, and what the description says.

// Items in the order of the chooser's radio groups.
enum class ProductTypeFilter {
    AddressLabels,
    CardProducts,
    DisketteLabels,
    FileFolderLabels,
    IndexProducts,
    Miscellaneous,
    All
};
enum class PrinterTypeFilter { Laserjet, InkjetDeskjet, All };
enum class RegionFilter { UnitedStates, European, All };

struct TemplateFilter
{
    // The first item of each group, as the chooser opens for a new document.
    ProductTypeFilter productType = ProductTypeFilter::AddressLabels;
    PrinterTypeFilter printerType = PrinterTypeFilter::Laserjet;
    RegionFilter region = RegionFilter::UnitedStates;

    bool operator==(const TemplateFilter &) const = default;
};

bool passesProductType(const TLabelLayout &record, ProductTypeFilter filter);
bool passesPrinterType(const TLabelLayout &record, PrinterTypeFilter filter);
bool passesRegion(const TLabelLayout &record, RegionFilter filter);
// Records without a name are free table entries and never pass.
bool passesTemplateFilter(const TLabelLayout &record, const TemplateFilter &filter);

struct TemplateListItem
{
    // The name without the brand word, so that the stock number leads.
    QString text;
    // Position of the record in the database, from 0.
    int recordIndex = 0;

    bool operator==(const TemplateListItem &) const = default;
};

// The records that pass, sorted by their list text without regard to case; records whose texts
// differ only in case keep the database order.
std::vector<TemplateListItem> filteredTemplateList(const std::vector<TLabelLayout> &records,
                                                   const TemplateFilter &filter);
QString templateListText(const TLabelLayout &record);

// The type-ahead search: the first item from the second on, then wrapping round to the first, that
// begins with the typed text without regard to case. -1 when none does.
int typeAheadMatch(const std::vector<TemplateListItem> &items, const QString &typed);

// Where the chooser starts. A new document and a user-defined layout start from the form's
// defaults with an empty search; otherwise the filters and the search show the current stock.
struct ChooserStart
{
    TemplateFilter filter;
    QString typeAheadText;
};
ChooserStart chooserStart(const TLabelLayout &current, bool isNewDocument);

// The measurements of a stock, one line each, for the chooser's description box.
QStringList templateDescription(const TLabelLayout &record,
                                const QString &decimalSeparator = QLocale::system().decimalPoint());
// "Paper Size: Letter" and the like; empty for a code the printer is not told about.
QString paperSizeLine(const QString &paperSize);
// Shortest form with at most 15 significant digits, no trailing zeros: 1, 2.625, 0.15625.
QString generalNumberText(double value, const QString &decimalSeparator = QLocale::system().decimalPoint());
