#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "layout/TLabelLayout.h"

class PainterReport;
class TGBasePanel;

// What one print or preview job images.
struct LabelSheetJob
{
    TLabelLayout layout;
    PrinterNudges nudges;
    // By position index (row x across + column); positions past the end are not selected.
    std::vector<bool> selection;
    int pages = 1;     // fewer than one prints one sheet
    bool print = true; // false: a preview, which always records one sheet

    // Every position of the sheet selected.
    static std::vector<bool> allPositions(const TLabelLayout &layout);
};

// Images a design onto the selected positions of every sheet of a job: row by row, left to
// right, sheet after sheet, the counters running on from label to label. The status form and
// batch printing both run jobs through this class.
//
// Status texts use '\r' for line breaks.
class LabelSheetImager
{
public:
    enum class Outcome { NotRun, Completed, Aborted, Failed };

    LabelSheetImager(TGBasePanel &panel, PainterReport &report, LabelSheetJob job);

    // Called whenever the status text changes.
    void setStatusListener(std::function<void(const QString &)> listener)
    {
        m_onStatus = std::move(listener);
    }
    // After each label: how many of the job's labels are done.
    void setProgressListener(std::function<void(int done, int total)> listener)
    {
        m_onProgress = std::move(listener);
    }

    // Runs the whole job once: starts the report, images, finishes it.
    Outcome run();
    // Ends a preview after the current label.
    void requestStop();
    // Cancels a print: the report is aborted and no further label is drawn.
    void cancel();

    Outcome outcome() const { return m_outcome; }
    bool stopRequested() const { return m_stopRequested; }
    QString statusText() const;
    // The driver's or device's message when the job failed.
    QString errorMessage() const { return m_error; }
    int totalLabels() const;
    int labelsImaged() const { return m_labelsImaged; }
    const LabelSheetJob &job() const { return m_job; }

    // Replaces "%p" by the page number and "%0", "%1" by the first two lines.
    static QString formatStatus(const QString &format, int pageNumber, const QStringList &lines);

private:
    void beforePrintLabels();
    void printLabels();
    void resetDrawingState();
    bool selected(int index) const;
    QString finalStatus() const;
    void setStatusFormat(const QString &format);

    TGBasePanel &m_panel;
    PainterReport &m_report;
    LabelSheetJob m_job;
    std::function<void(const QString &)> m_onStatus;
    std::function<void(int, int)> m_onProgress;
    QString m_statusFormat;
    QStringList m_statusLines;
    QString m_error;
    Outcome m_outcome = Outcome::NotRun;
    int m_labelsImaged = 0;
    bool m_stopRequested = false;
};
