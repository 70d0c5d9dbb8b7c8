#include "print/PrinterReport.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

PrinterReport::PrinterReport(const QString &printerName, ReportPaper paper, const QString &title)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const QString name = printerName.isEmpty() ? defaultPrinterName() : printerName;
    if (name.isEmpty())
        throw ReportError(QStringLiteral("No printers and/or no default printer found."));
    if (QPrinterInfo::printerInfo(name).isNull())
        throw ReportError(QStringLiteral("There is no printer named \"%1\".").arg(name));
    m_printer->setPrinterName(name);
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    m_printer->setDocName(title);
    m_printer->setFullPage(true);
    if (const std::optional<QPageSize> size = paper.pageSize())
        m_printer->setPageSize(*size);
    m_printer->setPageOrientation(paper.orientation());
}

PrinterReport::~PrinterReport()
{
    if (running())
        abort();
}

double PrinterReport::xDpi() const
{
    return m_printer->logicalDpiX();
}

double PrinterReport::yDpi() const
{
    return m_printer->logicalDpiY();
}

QString PrinterReport::printerName() const
{
    return m_printer->printerName();
}

QString PrinterReport::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

QPaintDevice &PrinterReport::beginDevice()
{
    if (!m_printer->isValid())
        throw ReportError(QStringLiteral("The printer \"%1\" cannot be used.").arg(m_printer->printerName()));
    return *m_printer;
}

void PrinterReport::nextSheet(QPainter &)
{
    if (!m_printer->newPage())
        throw ReportError(QStringLiteral("The printer refused a new page."));
}

void PrinterReport::abortDevice()
{
    m_printer->abort();
}
