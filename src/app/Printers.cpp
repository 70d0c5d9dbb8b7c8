#include "app/Printers.h"

#include "app/MessageBoxes.h"
#include "app/PrinterList.h"

namespace {
struct PrinterChoice
{
    QStringList installed;
    QString defaultName;
};

// One question to the print system per decision: asking it can take a while.
PrinterChoice currentChoice()
{
    const PrinterList &list = PrinterList::current();
    PrinterChoice choice;
    choice.installed = list.printerNames();
    const QString systemDefault = list.defaultPrinterName();
    // A default the system no longer has is no default.
    if (!systemDefault.isEmpty() && choice.installed.contains(systemDefault))
        choice.defaultName = systemDefault;
    if (list.pdfAvailable()) {
        if (!choice.installed.contains(PdfPrinterName))
            choice.installed.append(PdfPrinterName);
        if (choice.defaultName.isEmpty())
            choice.defaultName = PdfPrinterName;
    }
    return choice;
}
} // namespace

QStringList installedPrinters()
{
    return currentChoice().installed;
}

QString defaultPrinterName()
{
    return currentChoice().defaultName;
}

bool HasDefaultPrinter()
{
    return !defaultPrinterName().isEmpty();
}

bool PrinterAvailable(bool showMessages)
{
    const PrinterChoice choice = currentChoice();
    if (choice.installed.isEmpty()) {
        if (showMessages)
            ShowInfo(QStringLiteral(
                "There are no installed printers.\r\nUnable to perform printer related operations"));
        return false;
    }
    if (choice.defaultName.isEmpty()) {
        if (showMessages)
            ShowInfo(QStringLiteral(
                "There is no default printer selected.\r\nUnable to perform printer related operations"));
        return false;
    }
    return true;
}
