#pragma once

#include <QDialog>

#include "print/LabelSheetImager.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The status form of one print or preview job: the job starts when the form is first shown; the
// status text and a progress bar follow it; "Cancel" (print, after a question) or "Stop" (preview)
// end it early; "Ok" closes the form once the job has ended. A press during the job also closes the
// form as soon as the job has ended.
class TLabelPrinter : public QDialog
{
public:
    TLabelPrinter(TGBasePanel &panel, PainterReport &report, LabelSheetJob job, QWidget *parent = nullptr);

    const LabelSheetImager &imager() const { return m_imager; }
    bool jobEnded() const { return m_ended; }
    QPushButton *cancelButton() const { return CancelButton; }
    QLabel *statusLabel() const { return RStatusLabel; }
    QProgressBar *progressBar() const { return m_progress; }

protected:
    void showEvent(QShowEvent *event) override;
    // Escape and the window's close box act as the button.
    void reject() override;

private:
    void runJob();
    void CancelButtonClick();
    void showStatus(const QString &text);

    LabelSheetImager m_imager;
    QLabel *RStatusLabel;
    QProgressBar *m_progress;
    QPushButton *CancelButton;
    bool m_started = false;
    bool m_ended = false;
    bool m_pressedDuringJob = false;
};
