#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "layout/TLabelLayout.h"

// The options of `pqtool print` and `pqtool render`, checked before any document is read.
struct BatchOptions
{
    QString document;
    QString pdf;
    QString printer;
    bool toPrinter = false;
    QString positions; // "1,5-9"; empty for all
    int pages = 1;
    PrinterNudges nudges;
    QString iniFile;
    QString png;
    double zoom = 1.0;

    // One line naming what is wrong, when something is.
    QString error;

    static BatchOptions parsePrint(const QStringList &arguments);
    static BatchOptions parseRender(const QStringList &arguments);

    // The selection of a sheet of `count` positions from a list such as "1,5-9"; an error names
    // the first part that is not a position or range of the sheet.
    static std::optional<std::vector<bool>> parsePositions(const QString &list, int count, QString &error);
    static std::optional<PrinterNudges> parseNudges(const QString &text);
    // The four nudges of section "Printer" of a preferences file.
    static PrinterNudges readNudges(const QString &iniFile);
};
