#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include "design/TGBasePanel.h"
#include "platform/QuestionBox.h"
#include "print/RecordingReport.h"
#include "print/TLabelPrinter.h"
#include "PrintProbe.h"

namespace {

class TLabelPrinterTest : public ::testing::Test
{
protected:
    TLabelPrinterTest()
        : panel(folder.path())
        , report(QSizeF(8.5, 11), 100)
    {
        job.layout = TLabelLayout::defaultLayout();
        job.selection = LabelSheetJob::allPositions(job.layout);
        probe = static_cast<PrintProbe *>(panel.addObject(std::make_unique<PrintProbe>()));
        QuestionBox::setAnswerer([this](const QString &text, const QString &) {
            questions.append(text);
            return answer;
        });
    }
    ~TLabelPrinterTest() override { QuestionBox::setAnswerer({}); }

    // Shows the form, presses its button after `pressAfter` labels (never when 0) and waits until
    // the job has ended and, when it closes by itself, the form is gone.
    void runForm(TLabelPrinter &form, std::size_t pressAfter)
    {
        probe->afterPrint = [&form, pressAfter, this](Report &) {
            if (probe->prints.size() == pressAfter)
                QTimer::singleShot(0, form.cancelButton(), &QPushButton::click);
        };
        form.show();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (form.jobEnded())
                loop.quit();
        });
        poll.start(5);
        loop.exec();
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    TGBasePanel panel;
    RecordingReport report;
    LabelSheetJob job;
    PrintProbe *probe = nullptr;
    QStringList questions;
    bool answer = true;
};

TEST_F(TLabelPrinterTest, AnUndisturbedPrintWaitsForOk)
{
    TLabelPrinter form(panel, report, job);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Print Status"));
    EXPECT_EQ(form.cancelButton()->text(), QStringLiteral("Cancel"));
    runForm(form, 0);
    EXPECT_EQ(probe->prints.size(), 30u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.cancelButton()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(form.statusLabel()->text(), QStringLiteral("Label Print Completed!"));
    EXPECT_EQ(form.progressBar()->value(), form.progressBar()->maximum());
    EXPECT_EQ(form.progressBar()->maximum(), 30);
    form.cancelButton()->click();
    EXPECT_FALSE(form.isVisible());
    // Showing the form again starts nothing.
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(probe->prints.size(), 30u);
}

TEST_F(TLabelPrinterTest, CancelQuestion)
{
    const struct
    {
        bool answer;
        std::size_t labels;
        const char *status;
    } cases[] = {{true, 3, "\nLabel Print Canceled!"}, {false, 30, "Label Print Completed!"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        probe->prints.clear();
        questions.clear();
        answer = c.answer;
        TLabelPrinter form(panel, report, job);
        runForm(form, 3);
        EXPECT_EQ(questions, QStringList(QStringLiteral("Cancel Label Printing?")));
        EXPECT_EQ(probe->prints.size(), c.labels);
        EXPECT_EQ(form.statusLabel()->text(), QString::fromLatin1(c.status));
        // A press during the job closes the form once the job has ended, whatever the answer.
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(TLabelPrinterTest, StopEndsAPreviewWithoutAQuestion)
{
    job.print = false;
    job.pages = 4;
    TLabelPrinter form(panel, report, job);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Status"));
    EXPECT_EQ(form.cancelButton()->text(), QStringLiteral("Stop"));
    runForm(form, 2);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(probe->prints.size(), 2u);
    EXPECT_EQ(form.imager().outcome(), LabelSheetImager::Outcome::Aborted);
    EXPECT_EQ(form.statusLabel()->text(), QStringLiteral("\nLabel Preview Canceled!"));
    EXPECT_FALSE(form.isVisible());
}

} // namespace
