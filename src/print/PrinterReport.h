#pragma once

#include <QString>

#include <memory>

#include "print/PainterReport.h"
#include "print/ReportPaper.h"

class QPrinter;

// A job for a system printer (CUPS), drawn on the whole sheet: the driver's unprintable border is
// left to the printer, positions still count from the paper's corner.
class PrinterReport : public PainterReport
{
public:
    // An empty name is the system's default printer.
    explicit PrinterReport(const QString &printerName, ReportPaper paper = {},
                           const QString &title = QStringLiteral("Pellora"));
    ~PrinterReport() override;

    double xDpi() const override;
    double yDpi() const override;
    QString printerName() const;

    // The system's default printer, empty when there is none.
    static QString defaultPrinterName();

protected:
    QPaintDevice &beginDevice() override;
    void nextSheet(QPainter &painter) override;
    void abortDevice() override;

private:
    std::unique_ptr<QPrinter> m_printer;
};
