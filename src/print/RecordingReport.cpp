#include "print/RecordingReport.h"

#include <QPainter>

#include "platform/Numbers.h"

RecordingReport::RecordingReport(QSizeF sheetInches, int resolution)
    : m_sheet(sheetInches)
    , m_resolution(resolution)
{
}

RecordingReport::~RecordingReport()
{
    if (running())
        abort();
}

QPaintDevice &RecordingReport::beginDevice()
{
    m_pages.clear();
    m_pages.reserve(8);
    m_pages.emplace_back();
    return m_pages.back();
}

void RecordingReport::nextSheet(QPainter &painter)
{
    painter.end();
    frameLastPage();
    m_pages.emplace_back();
    if (!painter.begin(&m_pages.back()))
        throw ReportError(QStringLiteral("The preview could not record another page."));
}

void RecordingReport::endDevice()
{
    frameLastPage();
}

void RecordingReport::frameLastPage()
{
    m_pages.back().setBoundingRect(
        QRect(0, 0, int(Round(m_sheet.width() * m_resolution)), int(Round(m_sheet.height() * m_resolution))));
}
