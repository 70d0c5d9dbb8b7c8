#pragma once

#include "app/PrinterList.h"

// The printers CUPS (or whatever print system Qt was built for) knows of.
class SystemPrinterList : public PrinterList
{
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    bool pdfAvailable() const override;
};
