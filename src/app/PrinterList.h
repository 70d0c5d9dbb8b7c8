#pragma once

#include <QString>
#include <QStringList>

// The printers the system offers. Tests put a list of their own in place of the system's.
class PrinterList
{
public:
    virtual ~PrinterList() = default;

    virtual QStringList printerNames() const = 0;
    // Empty when the system names no default printer.
    virtual QString defaultPrinterName() const = 0;
    // Whether the program's own PDF destination can be used.
    virtual bool pdfAvailable() const = 0;

    // The system's list unless a replacement is set.
    static const PrinterList &current();
    // Does not take ownership; nullptr brings back the system's list.
    static void setCurrent(const PrinterList *list);
};
