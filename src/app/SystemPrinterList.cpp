#include "app/SystemPrinterList.h"

#include <QPrinterInfo>

QStringList SystemPrinterList::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinterList::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

bool SystemPrinterList::pdfAvailable() const
{
    // Qt writes PDF itself, without any print system.
    return true;
}
