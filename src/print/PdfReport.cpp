#include "print/PdfReport.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

PdfReport::PdfReport(const QString &path, ReportPaper paper, QSizeF fallbackSheet, int resolution,
                     const QString &title)
    : m_path(path)
    , m_resolution(resolution)
    , m_writer(std::make_unique<QPdfWriter>(path))
{
    m_writer->setResolution(resolution);
    m_writer->setTitle(title);
    m_writer->setCreator(title);
    QPageSize size(QPageSize::Letter);
    if (const std::optional<QPageSize> asked = paper.pageSize())
        size = *asked;
    else if (fallbackSheet.width() > 0 && fallbackSheet.height() > 0)
        size = QPageSize(fallbackSheet, QPageSize::Inch, QString(), QPageSize::ExactMatch);
    m_writer->setPageLayout(QPageLayout(size, paper.orientation(), QMarginsF(0, 0, 0, 0)));
}

PdfReport::~PdfReport()
{
    if (running())
        abort();
}

QPaintDevice &PdfReport::beginDevice()
{
    // The writer opens its file only when painting starts; find out first whether it can.
    QFile probe(m_path);
    if (!probe.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("cannot write %1").arg(m_path));
    return *m_writer;
}

void PdfReport::nextSheet(QPainter &)
{
    m_writer->newPage();
}

void PdfReport::endDevice()
{
    if (aborted())
        QFile::remove(m_path);
}
