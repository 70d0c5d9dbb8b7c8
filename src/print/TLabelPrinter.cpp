#include "print/TLabelPrinter.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/QuestionBox.h"

TLabelPrinter::TLabelPrinter(TGBasePanel &panel, PainterReport &report, LabelSheetJob job, QWidget *parent)
    : QDialog(parent)
    , m_imager(panel, report, std::move(job))
{
    setObjectName(QStringLiteral("TLabelPrinter"));
    setWindowTitle(m_imager.job().print ? QStringLiteral("Print Status") : QStringLiteral("Preview Status"));
    setModal(true);

    auto *statusPanel = new QFrame(this);
    statusPanel->setObjectName(QStringLiteral("RStatusPanel"));
    statusPanel->setFrameShape(QFrame::StyledPanel);
    statusPanel->setMinimumSize(340, 110);
    RStatusLabel = new QLabel(statusPanel);
    RStatusLabel->setObjectName(QStringLiteral("RStatusLabel"));
    RStatusLabel->setAlignment(Qt::AlignCenter);
    RStatusLabel->setFont(QFont(QStringLiteral("Arial")));
    RStatusLabel->setStyleSheet(QStringLiteral("color: black"));
    auto *panelLayout = new QVBoxLayout(statusPanel);
    panelLayout->addWidget(RStatusLabel);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, std::max(1, m_imager.totalLabels()));
    m_progress->setValue(0);

    CancelButton =
        new QPushButton(m_imager.job().print ? QStringLiteral("Cancel") : QStringLiteral("Stop"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setDefault(true);
    connect(CancelButton, &QPushButton::clicked, this, &TLabelPrinter::CancelButtonClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(statusPanel);
    layout->addWidget(m_progress);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_imager.setStatusListener([this](const QString &text) { showStatus(text); });
    m_imager.setProgressListener([this](int done, int) {
        m_progress->setValue(done);
        QApplication::processEvents();
    });
}

void TLabelPrinter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Later activations, such as the one after the cancel question, start nothing.
    if (m_started)
        return;
    m_started = true;
    QTimer::singleShot(0, this, &TLabelPrinter::runJob);
}

void TLabelPrinter::reject()
{
    CancelButton->click();
}

void TLabelPrinter::runJob()
{
    m_imager.run();
    m_ended = true;
    m_progress->setValue(m_progress->maximum());
    CancelButton->setText(QStringLiteral("Ok"));
    CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    if (m_pressedDuringJob)
        done(QDialog::Rejected);
}

void TLabelPrinter::CancelButtonClick()
{
    const QString caption = CancelButton->text().toUpper();
    if (m_ended || (caption != QLatin1String("CANCEL") && caption != QLatin1String("STOP"))) {
        done(QDialog::Rejected);
        return;
    }
    m_pressedDuringJob = true;
    if (caption == QLatin1String("CANCEL")) {
        if (QuestionBox::ask(QStringLiteral("Cancel Label Printing?"), QStringLiteral("Information"), this))
            m_imager.cancel();
    } else {
        m_imager.requestStop();
    }
}

void TLabelPrinter::showStatus(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    RStatusLabel->setText(shown);
}
