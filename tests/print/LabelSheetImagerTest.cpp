#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include "design/TGBasePanel.h"
#include "objects/text/TGCounterLabel.h"
#include "print/LabelSheetImager.h"
#include "print/PdfReport.h"
#include "print/RecordingReport.h"
#include "PrintProbe.h"
#include "support/AddressLabels.h"

namespace {

std::vector<bool> positions(const TLabelLayout &layout, std::initializer_list<int> numbers)
{
    std::vector<bool> selection(std::size_t(layout.LabelsAcross * layout.LabelsDown), false);
    for (const int number : numbers)
        selection[std::size_t(number - 1)] = true;
    return selection;
}

class LabelSheetImagerTest : public ::testing::Test
{
protected:
    LabelSheetImagerTest()
        : panel(folder.path())
        , report(QSizeF(8.5, 11), 300)
    {
        job.layout = addressLabels();
        job.selection = LabelSheetJob::allPositions(job.layout);
    }

    PrintProbe &addProbe(QByteArray className = QByteArrayLiteral("TPrintProbe"))
    {
        return static_cast<PrintProbe &>(
            *panel.addObject(std::make_unique<PrintProbe>(std::move(className))));
    }

    LabelSheetImager::Outcome run()
    {
        imager = std::make_unique<LabelSheetImager>(panel, report, job);
        imager->setStatusListener([this](const QString &text) { statuses.append(text); });
        imager->setProgressListener([this](int done, int total) {
            progress.push_back({done, total});
            if (onLabel)
                onLabel(done);
        });
        return imager->run();
    }

    QTemporaryDir folder;
    TGBasePanel panel;
    RecordingReport report;
    LabelSheetJob job;
    std::unique_ptr<LabelSheetImager> imager;
    QStringList statuses;
    std::vector<std::pair<int, int>> progress;
    std::function<void(int done)> onLabel;
};

TEST_F(LabelSheetImagerTest, FirstAndLastPositionsOverTwoSheetsCountOneToFour)
{
    auto &counter = static_cast<TGCounterLabel &>(*panel.addObject(std::make_unique<TGCounterLabel>()));
    counter.setBounds(0, 0, 120, 30);
    counter.Loaded();
    PrintProbe &probe = addProbe();
    probe.note = [&counter] { return counter.caption(); };
    panel.PrepareForPrinting();
    job.selection = positions(job.layout, {1, 30});
    job.pages = 2;

    EXPECT_EQ(run(), LabelSheetImager::Outcome::Completed);

    ASSERT_EQ(probe.prints.size(), 4u);
    const QPointF first(0.1875, 0.5);
    const QPointF last(0.1875 + 2 * 2.75, 0.5 + 9 * 1.0);
    const struct
    {
        int page;
        QPointF corner;
        const char *caption;
    } expected[] = {{1, first, "1"}, {1, last, "2"}, {2, first, "3"}, {2, last, "4"}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(probe.prints[i].page, expected[i].page);
        EXPECT_DOUBLE_EQ(probe.prints[i].corner.x(), expected[i].corner.x());
        EXPECT_DOUBLE_EQ(probe.prints[i].corner.y(), expected[i].corner.y());
        EXPECT_EQ(probe.prints[i].note, QString::fromLatin1(expected[i].caption));
    }
    EXPECT_EQ(statuses,
              QStringList(
                  {QStringLiteral("Printing Page 1\r\r"), QStringLiteral("Printed label 1 on page 1"),
                   QStringLiteral("Printed label 30 on page 1"), QStringLiteral("Printed label 1 on page 2"),
                   QStringLiteral("Printed label 30 on page 2"), QStringLiteral("Label Print Completed!")}));
    EXPECT_EQ(report.pages().size(), 2u);
    EXPECT_EQ(progress.back(), std::make_pair(4, 4));
}

TEST_F(LabelSheetImagerTest, EveryPositionRowByRowLeftToRight)
{
    PrintProbe &probe = addProbe();
    run();
    ASSERT_EQ(probe.prints.size(), 30u);
    for (int index = 0; index < 30; ++index) {
        SCOPED_TRACE(index);
        EXPECT_DOUBLE_EQ(probe.prints[std::size_t(index)].corner.x(), 0.1875 + (index % 3) * 2.75);
        EXPECT_DOUBLE_EQ(probe.prints[std::size_t(index)].corner.y(), 0.5 + (index / 3) * 1.0);
    }
}

TEST_F(LabelSheetImagerTest, NudgesMoveMarginsAndPitches)
{
    const struct
    {
        PrinterNudges nudges;
        int position;
        double x;
        double y;
    } cases[] = {
        {{0, 0, 2, 0}, 28, 0.1875, 0.5 + 9 * (1.0 + 2 / 32.0)}, // row 10 of 10
        {{0, 0, 2, 0}, 1, 0.1875, 0.5},                         // row 1 stays
        {{-8, 0, 0, 0}, 1, 0.1875, 0.25},                       // a quarter inch higher
        {{0, 3, 0, 0}, 2, 0.1875 + 3 / 32.0 + 2.75, 0.5},
        {{0, 0, 0, -1}, 3, 0.1875 + 2 * (2.75 - 1 / 32.0), 0.5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.position);
        PrintProbe &probe = addProbe();
        job.nudges = c.nudges;
        job.selection = positions(job.layout, {c.position});
        run();
        ASSERT_EQ(probe.prints.size(), 1u);
        EXPECT_DOUBLE_EQ(probe.prints[0].corner.x(), c.x);
        EXPECT_DOUBLE_EQ(probe.prints[0].corner.y(), c.y);
        panel.deleteObject(probe);
    }
}

TEST_F(LabelSheetImagerTest, GuttersShiftTheSecondHalfOfTheSheet)
{
    job.layout.LabelsAcross = 4;
    job.layout.LabelsDown = 4;
    job.layout.HorizontalPitch = 2;
    job.layout.HorizontalGutter = 0.25;
    job.layout.VerticalGutter = 0.5;
    job.selection = LabelSheetJob::allPositions(job.layout);
    PrintProbe &probe = addProbe();
    run();
    ASSERT_EQ(probe.prints.size(), 16u);
    for (int index = 0; index < 16; ++index) {
        SCOPED_TRACE(index);
        const int column = index % 4;
        const int row = index / 4;
        EXPECT_DOUBLE_EQ(probe.prints[std::size_t(index)].corner.x(),
                         0.1875 + column * 2.0 + (column >= 2 ? 0.25 : 0));
        EXPECT_DOUBLE_EQ(probe.prints[std::size_t(index)].corner.y(), 0.5 + row * 1.0 + (row >= 2 ? 0.5 : 0));
    }
}

TEST_F(LabelSheetImagerTest, DrawingStateIsResetBeforeEveryLabel)
{
    PrintProbe &probe = addProbe();
    PrintProbe &spoiler = addProbe();
    spoiler.afterPrint = [](Report &report) {
        report.setPen({Colors::clRed, PenStyle::psDash, PenMode::pmXor, 7});
        report.setBrush({Colors::clBlue, BrushStyle::bsSolid});
        report.setFont({QStringLiteral("Courier"), 30, fontStyleBit(FontStyle::fsBold), Colors::clRed});
    };
    job.selection = positions(job.layout, {1, 2});
    run();
    ASSERT_EQ(probe.prints.size(), 2u);
    for (const PrintProbe::Print &print : probe.prints) {
        EXPECT_EQ(print.pen, (ReportPen{Colors::clBlack, PenStyle::psSolid, PenMode::pmCopy, -1}));
        EXPECT_EQ(print.brush, (ReportBrush{Colors::clBlack, BrushStyle::bsClear}));
        EXPECT_EQ(print.font, (ReportFont{QStringLiteral("Arial"), 8, 0, Colors::clBlack}));
    }
}

TEST_F(LabelSheetImagerTest, SheetCounts)
{
    const struct
    {
        bool print;
        int pagesAsked;
        std::size_t sheets;
    } cases[] = {{true, 3, 3}, {true, 0, 1}, {true, -2, 1}, {false, 5, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pagesAsked);
        job.print = c.print;
        job.pages = c.pagesAsked;
        job.selection = positions(job.layout, {5});
        PrintProbe &probe = addProbe();
        run();
        EXPECT_EQ(report.pages().size(), c.sheets);
        EXPECT_EQ(probe.prints.size(), c.sheets);
        EXPECT_EQ(imager->totalLabels(), int(c.sheets));
        panel.deleteObject(probe);
    }
}

TEST_F(LabelSheetImagerTest, FinalStatusTexts)
{
    const struct
    {
        bool print;
        const char *className;
        const char *status;
    } cases[] = {
        {true, "TPrintProbe", "Label Print Completed!"},
        {false, "TPrintProbe", "\rLabel Preview Ready!"},
        {true, "TSuperShape",
         "Print job completed and sent to printer!\r\rNote: this label contains complex shapes or text.\r"
         "Please be patient while the printer produces its\routput..."},
        {false, "TGSuperText",
         "Label preview ready to view!\r\rNote: This label contains complex shapes or text.\r"
         "Please be patient while the label previewer\rprepares the viewing page"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.className);
        PrintProbe &probe = addProbe(c.className);
        job.print = c.print;
        job.selection = positions(job.layout, {1});
        statuses.clear();
        run();
        EXPECT_EQ(statuses.first(), c.print ? QStringLiteral("Printing Page 1\r\r")
                                            : QStringLiteral("Preparing Preview Page 1\r\r"));
        EXPECT_EQ(statuses.last(), QString::fromLatin1(c.status));
        EXPECT_EQ(imager->statusText(), QString::fromLatin1(c.status));
        panel.deleteObject(probe);
    }
}

TEST_F(LabelSheetImagerTest, StoppingAPreviewEndsItAfterTheCurrentLabel)
{
    PrintProbe &probe = addProbe();
    job.print = false;
    onLabel = [this](int done) {
        if (done == 2)
            imager->requestStop();
    };
    EXPECT_EQ(run(), LabelSheetImager::Outcome::Aborted);
    EXPECT_EQ(probe.prints.size(), 2u);
    EXPECT_TRUE(report.aborted());
    EXPECT_TRUE(statuses.contains(QStringLiteral("\rCancelling...!")));
    EXPECT_EQ(statuses.last(), QStringLiteral("\rLabel Preview Canceled!"));
}

TEST_F(LabelSheetImagerTest, CancellingAPrintDrawsNoFurtherLabel)
{
    PrintProbe &probe = addProbe();
    job.pages = 3;
    onLabel = [this](int done) {
        if (done == 31)
            imager->cancel();
    };
    EXPECT_EQ(run(), LabelSheetImager::Outcome::Aborted);
    EXPECT_EQ(probe.prints.size(), 31u);
    EXPECT_EQ(imager->labelsImaged(), 31);
    EXPECT_EQ(statuses.last(), QStringLiteral("\rLabel Print Canceled!"));
}

TEST_F(LabelSheetImagerTest, ADeviceThatCannotStartFailsTheJob)
{
    PrintProbe &probe = addProbe();
    PdfReport pdf(folder.filePath(QStringLiteral("missing/folder/out.pdf")),
                  ReportPaper::fromCode(QStringLiteral("LTR")));
    LabelSheetImager failing(panel, pdf, job);
    EXPECT_EQ(failing.run(), LabelSheetImager::Outcome::Failed);
    EXPECT_FALSE(failing.errorMessage().isEmpty());
    EXPECT_TRUE(probe.prints.empty());
    EXPECT_EQ(failing.statusText(), QStringLiteral("\rLabel Print Canceled!"));
}

TEST_F(LabelSheetImagerTest, AJobRunsOnce)
{
    PrintProbe &probe = addProbe();
    job.selection = positions(job.layout, {4});
    run();
    EXPECT_EQ(imager->run(), LabelSheetImager::Outcome::Completed);
    EXPECT_EQ(probe.prints.size(), 1u);
}

TEST(LabelSheetImagerStatus, FormatReplacesPageAndLines)
{
    const struct
    {
        const char *format;
        const char *text;
    } cases[] = {
        {"Printing Page %p\r%0\r%1", "Printing Page 7\rfirst\rsecond"},
        {"%p%p", "77"},
        {"100%", "100%"},
        {"%q %2", "%q %2"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LabelSheetImager::formatStatus(QString::fromLatin1(c.format), 7,
                                                 {QStringLiteral("first"), QStringLiteral("second")}),
                  QString::fromLatin1(c.text));
    EXPECT_EQ(LabelSheetImager::formatStatus(QStringLiteral("a%1b"), 1, {}), QStringLiteral("ab"));
}

} // namespace
