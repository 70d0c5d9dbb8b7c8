#include "print/LabelSheetImager.h"

#include <QPointF>

#include <algorithm>
#include <exception>

#include "design/TGBasePanel.h"
#include "print/PainterReport.h"

std::vector<bool> LabelSheetJob::allPositions(const TLabelLayout &layout)
{
    return std::vector<bool>(std::size_t(std::max(0, layout.LabelsAcross * layout.LabelsDown)), true);
}

LabelSheetImager::LabelSheetImager(TGBasePanel &panel, PainterReport &report, LabelSheetJob job)
    : m_panel(panel)
    , m_report(report)
    , m_job(std::move(job))
{
}

LabelSheetImager::Outcome LabelSheetImager::run()
{
    if (m_outcome != Outcome::NotRun)
        return m_outcome;
    try {
        m_report.start();
        beforePrintLabels();
        printLabels();
        m_report.finish();
        m_outcome = m_report.aborted() ? Outcome::Aborted : Outcome::Completed;
    } catch (const ReportError &error) {
        m_error = error.message();
        m_outcome = Outcome::Failed;
    } catch (const std::exception &error) {
        m_error = QString::fromLocal8Bit(error.what());
        m_outcome = Outcome::Failed;
    }
    if (m_outcome == Outcome::Failed)
        m_report.abort();
    m_statusLines.clear();
    setStatusFormat(finalStatus());
    return m_outcome;
}

void LabelSheetImager::requestStop()
{
    m_stopRequested = true;
    m_report.abort();
    setStatusFormat(QStringLiteral("\rCancelling...!"));
}

void LabelSheetImager::cancel()
{
    m_report.abort();
}

QString LabelSheetImager::statusText() const
{
    return formatStatus(m_statusFormat, m_report.pageNumber(), m_statusLines);
}

int LabelSheetImager::totalLabels() const
{
    const int positions = std::max(0, m_job.layout.LabelsAcross * m_job.layout.LabelsDown);
    int selectedCount = 0;
    for (int index = 0; index < positions; ++index)
        selectedCount += selected(index) ? 1 : 0;
    const int pages = m_job.print ? std::max(1, m_job.pages) : 1;
    return selectedCount * pages;
}

QString LabelSheetImager::formatStatus(const QString &format, int pageNumber, const QStringList &lines)
{
    QString text;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar code = format[i + 1];
            if (code == QLatin1Char('p')) {
                text += QString::number(pageNumber);
                ++i;
                continue;
            }
            if (code == QLatin1Char('0') || code == QLatin1Char('1')) {
                const int line = code.digitValue();
                if (line < lines.size())
                    text += lines[line];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

void LabelSheetImager::beforePrintLabels()
{
    m_statusLines = {QString(), QString()};
    setStatusFormat(m_job.print ? QStringLiteral("Printing Page %p\r%0\r%1")
                                : QStringLiteral("Preparing Preview Page %p\r%0\r%1"));
}

void LabelSheetImager::printLabels()
{
    const TLabelLayout &layout = m_job.layout;
    const int pages = m_job.print ? std::max(1, m_job.pages) : 1;
    const int total = totalLabels();
    int page = 0;
    int row = 0;
    int column = -1;
    while (!m_stopRequested && !m_report.aborted()) {
        ++column;
        if (column + 1 > layout.LabelsAcross) {
            column = 0;
            ++row;
        }
        if (row + 1 > layout.LabelsDown) {
            ++page;
            if (page >= pages)
                break;
            row = 0;
            column = 0;
            m_report.newPage();
        }
        const int index = row * layout.LabelsAcross + column;
        if (!selected(index))
            continue;
        const QPointF corner = labelPosition(layout, row, column, m_job.nudges);
        resetDrawingState();
        m_panel.PrintLabelAt(m_report, corner.x(), corner.y());
        m_panel.AdvanceAfterLabel();
        ++m_labelsImaged;
        setStatusFormat(QStringLiteral("Printed label %1 on page %2").arg(index + 1).arg(page + 1));
        // The listeners let the user's Cancel or Stop arrive here.
        if (m_onProgress)
            m_onProgress(m_labelsImaged, total);
    }
}

void LabelSheetImager::resetDrawingState()
{
    m_report.setBrush({Colors::clBlack, BrushStyle::bsClear});
    m_report.setPen({Colors::clBlack, PenStyle::psSolid, PenMode::pmCopy, -1});
    m_report.setFont({QStringLiteral("Arial"), 8, 0, Colors::clBlack});
}

bool LabelSheetImager::selected(int index) const
{
    return index >= 0 && std::size_t(index) < m_job.selection.size() && m_job.selection[std::size_t(index)];
}

QString LabelSheetImager::finalStatus() const
{
    if (m_outcome != Outcome::Completed)
        return m_job.print ? QStringLiteral("\rLabel Print Canceled!")
                           : QStringLiteral("\rLabel Preview Canceled!");
    if (m_panel.HasComplexObjects())
        return m_job.print
                   ? QStringLiteral("Print job completed and sent to printer!\r\rNote: this label contains "
                                    "complex shapes or text.\rPlease be patient while the printer "
                                    "produces its\routput...")
                   : QStringLiteral("Label preview ready to view!\r\rNote: This label contains complex "
                                    "shapes or text.\rPlease be patient while the label previewer\r"
                                    "prepares the viewing page");
    return m_job.print ? QStringLiteral("Label Print Completed!") : QStringLiteral("\rLabel Preview Ready!");
}

void LabelSheetImager::setStatusFormat(const QString &format)
{
    m_statusFormat = format;
    if (m_onStatus)
        m_onStatus(statusText());
}
