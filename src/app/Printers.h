#pragma once

#include <QString>
#include <QStringList>

// Besides the system's printers the program always offers its own PDF destination, so that preview
// and printing to a file work on a machine without any printer.
inline const QString PdfPrinterName = QStringLiteral("Save as PDF");

// The system's printers followed by the PDF destination.
QStringList installedPrinters();
// The system's default printer when it names one that is installed, else the PDF destination;
// empty when there is neither.
QString defaultPrinterName();

bool HasDefaultPrinter();
// True when a printer is installed and one is the default. Otherwise false, after saying why when
// showMessages is set.
bool PrinterAvailable(bool showMessages);
