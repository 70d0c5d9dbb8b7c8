#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "GlabelsTemplateReader.h"
#include "layout/TLabelLayout.h"

// How a gLabels product becomes one of our template records. docs/TEMPLATES.md gives the reasons.
namespace StockMapping {

// The category texts, each holding exactly one of the words the chooser's product filter looks for.
inline constexpr const char *addressCategory = "ADDRESS/SHIPPING LABELS";
inline constexpr const char *cardCategory = "CARD PRODUCTS";
inline constexpr const char *mediaCategory = "DISKETTE AND MEDIA LABELS";
inline constexpr const char *fileCategory = "FILE FOLDER LABELS";
inline constexpr const char *indexCategory = "INDEX PRODUCTS";
inline constexpr const char *miscellaneousCategory = "MISCELLANEOUS LABELS";

// Avery products, and the filing labels of Avery's European Zweckform line.
bool isWanted(const GlabelsTemplate &stock);

QString productType(const GlabelsTemplate &stock);
// "LJ" or "IJ", from Avery's numbering.
QString printerType(const QString &part);
QString labelShape(const GlabelsTemplate &stock);
// "LTR" or "A4"; nothing for a sheet the printer cannot be told about.
std::optional<QString> paperSize(const GlabelsTemplate &stock);
// The stock picture the program ships for this part, or empty.
QString artName(const QString &part);
QString templateName(const GlabelsTemplate &stock);

// The record, or nothing with the reason in whyNot.
std::optional<TLabelLayout> toLayout(const GlabelsTemplate &stock, QString &whyNot);

} // namespace StockMapping
