#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include "design/TGPelloraPanel32.h"
#include "objects/ObjectClasses.h"
#include "objects/text/TGCounterLabel.h"
#include "platform/Help.h"
#include "platform/Screen.h"
#include "print/RecordingReport.h"
#include "print/TLabelPrinter.h"
#include "print/TLabelPrintPrep.h"
#include "print/TPreviewForm.h"
#include "PrintProbe.h"
#include "support/AddressLabels.h"
#include "support/InfoBoxRecorder.h"

namespace {

TEST(TLabelPrintPrepRules, ThumbnailIsAFifthOfTheSheetWithTheGutterRule)
{
    TLabelLayout layout = addressLabels();
    const int ppi = 96;
    // Trunc(0.2 x 0.1875 x 96) = 3, Trunc(0.2 x 2.75 x 96) = 52, Trunc(0.2 x 2.625 x 96) = 50.
    std::vector<EdgeRect> plain = TLabelPrintPrep::thumbnailRectangles(layout, ppi);
    ASSERT_EQ(plain.size(), 30u);
    EXPECT_EQ(plain[0], (EdgeRect{13, 19, 63, 38}));
    EXPECT_EQ(plain[2], (EdgeRect{13 + 104, 19, 63 + 104, 38}));
    EXPECT_EQ(plain[29], (EdgeRect{117, 19 + 9 * 19, 167, 38 + 9 * 19}));
    EXPECT_EQ(TLabelPrintPrep::thumbnailPage(layout, ppi), (EdgeRect{10, 10, 173, 221}));

    layout.HorizontalGutter = 0.5; // a fifth: 9 pixels
    layout.VerticalGutter = 0.25;  // a fifth: 4 pixels
    std::vector<EdgeRect> gutters = TLabelPrintPrep::thumbnailRectangles(layout, ppi);
    const struct
    {
        int index;
        int dx;
        int dy;
    } shifts[] = {{0, 0, 0}, {1, 9, 0}, {2, 9, 0}, {12, 0, 0}, {14, 9, 0}, {15, 0, 4}, {29, 9, 4}};
    for (const auto &shift : shifts) {
        EXPECT_EQ(gutters[shift.index].left - plain[shift.index].left, shift.dx) << shift.index;
        EXPECT_EQ(gutters[shift.index].top - plain[shift.index].top, shift.dy) << shift.index;
        EXPECT_EQ(gutters[shift.index].width(), plain[shift.index].width());
    }
}

TEST(TLabelPrintPrepRules, APointHitsTheRectangleByItsInsideEdges)
{
    const std::vector<EdgeRect> rectangles = TLabelPrintPrep::thumbnailRectangles(addressLabels(), 96);
    const struct
    {
        QPoint point;
        int position;
    } cases[] = {
        {{13, 19}, 0},    {{62, 37}, 0}, {{63, 19}, -1},   {{13, 38}, 1 * 3}, {{65, 19}, 1},
        {{117, 190}, 29}, {{5, 5}, -1},  {{166, 208}, 29}, {{167, 208}, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TLabelPrintPrep::positionAt(rectangles, c.point), c.position)
            << c.point.x() << "," << c.point.y();
}

TEST(TLabelPrintPrepRules, PageCountsAndCaptions)
{
    const struct
    {
        int value;
        int pages;
    } pages[] = {{0, 1}, {-3, 1}, {1, 1}, {7, 7}, {9999, 9999}};
    for (const auto &c : pages)
        EXPECT_EQ(TLabelPrintPrep::pagesToPrint(c.value), c.pages) << c.value;
    EXPECT_EQ(TLabelPrintPrep::labelsPerPageText(addressLabels()), QStringLiteral("(30 labels per page)"));

    TLabelLayout named = addressLabels();
    named.TemplateName = QStringLiteral("Address");
    named.LabelShape = QStringLiteral("RR");
    named.ArtName = QStringLiteral("ART");
    named.PrinterType = QStringLiteral("L");
    named.ProductType = QStringLiteral("Labels");
    TLabelLayout expected = addressLabels();
    expected.TemplateName.clear();
    expected.PrinterType.clear();
    expected.LabelShape.clear();
    expected.ProductType.clear();
    expected.ArtName.clear();
    EXPECT_EQ(TLabelPrintPrep::recordForCopy(named), expected);
}

TEST(TLabelPrintPrepRules, TheTemporaryFileIsTheFirstFreeNumber)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    EXPECT_EQ(TLabelPrintPrep::temporaryFileName(folder.path()), dir.filePath(QStringLiteral("PQ0.TMP")));
    for (const char *taken : {"PQ0.TMP", "PQ1.TMP", "PQ3.TMP"}) {
        QFile file(dir.filePath(QString::fromLatin1(taken)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TLabelPrintPrep::temporaryFileName(folder.path()), dir.filePath(QStringLiteral("PQ2.TMP")));
}

// Runs the dialogs a job opens instead of waiting for a user: the status form until its job has
// ended, then "Ok"; the preview, noting its caption, then "Ok".
class TLabelPrintPrepTest : public ::testing::Test
{
protected:
    TLabelPrintPrepTest()
    {
        registerLabelObjectClasses();
        context.tempFolder = folder.path();
        context.printerReady = true;
        context.printers = {QStringLiteral("Office"), QStringLiteral("PelloraPDF")};
        context.currentPrinter = QStringLiteral("PelloraPDF");
        context.printerChosen = [this](const QString &name) { chosenPrinters << name; };
        context.makePrinterReport = [this](const QString &printer, ReportPaper paper) {
            reportPrinters << printer;
            papers.push_back(paper);
            return std::make_unique<RecordingReport>(QSizeF(8.5, 11), 100);
        };
        context.showModal = [this](QDialog &dialog) { showModal(dialog); };
    }

    void showModal(QDialog &dialog)
    {
        if (auto *status = dynamic_cast<TLabelPrinter *>(&dialog)) {
            statusCaptions << status->windowTitle();
            runningStatus = status;
            status->show();
            while (!status->jobEnded())
                QCoreApplication::processEvents();
            runningStatus = nullptr;
            finalStatuses << status->statusLabel()->text();
            status->cancelButton()->click();
        } else if (auto *preview = dynamic_cast<TPreviewForm *>(&dialog)) {
            preview->show();
            QCoreApplication::processEvents();
            previewCaptions << preview->windowTitle();
            previewPages = preview->pageCount();
            preview->okButton()->click();
        } else if (onDialog) {
            onDialog(dialog);
        }
    }

    TGCounterLabel &addCounter(DesignSurface &panel)
    {
        auto &counter = static_cast<TGCounterLabel &>(*panel.addObject(std::make_unique<TGCounterLabel>()));
        counter.setBounds(0, 0, 120, 30);
        counter.Loaded();
        return counter;
    }

    QTemporaryDir folder;
    PrintPrepContext context;
    InfoBoxRecorder infoBoxes;
    QStringList chosenPrinters;
    QStringList reportPrinters;
    std::vector<ReportPaper> papers;
    QStringList statusCaptions;
    QStringList finalStatuses;
    QStringList previewCaptions;
    int previewPages = 0;
    TLabelPrinter *runningStatus = nullptr;
    std::function<void(QDialog &)> onDialog;
};

TEST_F(TLabelPrintPrepTest, ClicksToggleThePositionsAndTheThumbnailShowsThem)
{
    TLabelPrintPrep dialog(addressLabels(), context);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Labels Print"));
    EXPECT_EQ(dialog.labelsPerPageCaption()->text(), QStringLiteral("(30 labels per page)"));
    EXPECT_EQ(dialog.printerCombo()->currentText(), QStringLiteral("PelloraPDF"));
    EXPECT_EQ(dialog.selection(), std::vector<bool>(30, true));

    const EdgeRect second = dialog.labelRectangles()[1];
    const QPoint inside(second.left + 3, second.top + 3);
    QTest::mouseClick(dialog.thumbnail(), Qt::LeftButton, {}, inside);
    std::vector<bool> expected(30, true);
    expected[1] = false;
    EXPECT_EQ(dialog.selection(), expected);

    const QImage shown = dialog.thumbnail()->grab().toImage();
    const EdgeRect first = dialog.labelRectangles()[0];
    EXPECT_EQ(QColor(shown.pixel(first.left + 3, first.top + 3)), QColor(255, 128, 128));
    EXPECT_EQ(QColor(shown.pixel(inside)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(first.left, first.top)), QColor(Qt::black));

    // Any button toggles; a click between labels changes nothing.
    QTest::mouseClick(dialog.thumbnail(), Qt::RightButton, {}, inside);
    QTest::mouseClick(dialog.thumbnail(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(dialog.selection(), std::vector<bool>(30, true));

    dialog.noneButton()->click();
    EXPECT_EQ(dialog.selection(), std::vector<bool>(30, false));
    dialog.allButton()->click();
    EXPECT_EQ(dialog.selection(), std::vector<bool>(30, true));
}

TEST_F(TLabelPrintPrepTest, NothingSelectedStartsNoJob)
{
    TLabelPrintPrep dialog(addressLabels(), context);
    dialog.noneButton()->click();
    dialog.printButton()->click();
    dialog.previewButton()->click();
    EXPECT_EQ(infoBoxes.texts(), QStringList({TLabelPrintPrep::NothingSelectedMessage,
                                              TLabelPrintPrep::NothingSelectedMessage}));
    EXPECT_TRUE(statusCaptions.isEmpty());
    EXPECT_TRUE(reportPrinters.isEmpty());

    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    dialog.findChild<QPushButton *>(QStringLiteral("Helpbutton"))->click();
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{1019});
}

TEST_F(TLabelPrintPrepTest, EveryJobRestartsTheCountersAndAPreviewOpensAtOneHundredPercent)
{
    TLabelPrintPrep dialog(addressLabels(), context);
    TGCounterLabel &counter = addCounter(dialog.panel());
    dialog.printerCombo()->setCurrentIndex(0);
    Q_EMIT dialog.printerCombo()->activated(0);
    EXPECT_EQ(chosenPrinters, QStringList({QStringLiteral("Office")}));

    dialog.pagesEdit()->setValue(5);
    dialog.previewButton()->click();
    EXPECT_EQ(counter.currentValue(), 31); // a preview records one sheet whatever was asked
    EXPECT_EQ(previewCaptions, QStringList({QStringLiteral("Preview Page 1 of 1 ( 100% )")}));
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(dialog.panel().previewing());
    EXPECT_FALSE(dialog.panel().printing());
    EXPECT_EQ(dialog.pagesEdit()->value(), 1);

    dialog.pagesEdit()->setValue(2);
    dialog.printButton()->click();
    EXPECT_EQ(counter.currentValue(), 61);
    EXPECT_EQ(reportPrinters, QStringList({QStringLiteral("Office")}));
    EXPECT_EQ(statusCaptions,
              QStringList({QStringLiteral("Preview Status"), QStringLiteral("Print Status")}));
    EXPECT_EQ(finalStatuses.last(), QStringLiteral("Label Print Completed!"));
    EXPECT_EQ(previewCaptions.size(), 1); // a print opens no preview
    EXPECT_TRUE(dialog.panel().previewing());
    EXPECT_FALSE(dialog.panel().printing());
    EXPECT_TRUE(infoBoxes.texts().isEmpty());
}

TEST_F(TLabelPrintPrepTest, JobsUseTheNudgesTheSelectionAndThePaper)
{
    TLabelLayout layout = addressLabels();
    layout.PaperSize = QStringLiteral("A4L");
    context.nudges = {2, -1, 2, 0};
    TLabelPrintPrep dialog(layout, context);
    auto &probe = static_cast<PrintProbe &>(*dialog.panel().addObject(std::make_unique<PrintProbe>()));
    dialog.noneButton()->click();
    const EdgeRect last = dialog.labelRectangles()[29];
    QTest::mouseClick(dialog.thumbnail(), Qt::LeftButton, {}, QPoint(last.left, last.top));
    dialog.printButton()->click();

    ASSERT_EQ(probe.prints.size(), 1u);
    EXPECT_DOUBLE_EQ(probe.prints[0].corner.x(), 0.1875 - 0.03125 + 2 * 2.75);
    EXPECT_DOUBLE_EQ(probe.prints[0].corner.y(), 0.5 + 2 * 0.03125 + 9 * (1 + 2 * 0.03125));
    ASSERT_EQ(papers.size(), 1u);
    EXPECT_EQ(papers[0].paperNumber, ReportPaper::A4);
    EXPECT_TRUE(papers[0].landscape);
}

TEST_F(TLabelPrintPrepTest, AFailingPrinterIsReportedAndOpensNoPreview)
{
    context.makePrinterReport = [](const QString &, ReportPaper) -> std::unique_ptr<PainterReport> {
        throw ReportError(QStringLiteral("no such printer"));
    };
    TLabelPrintPrep dialog(addressLabels(), context);
    addCounter(dialog.panel());
    dialog.printButton()->click();
    EXPECT_EQ(infoBoxes.texts(), QStringList({TLabelPrintPrep::ErrorMessage}));
    EXPECT_FALSE(dialog.panel().printing());
    EXPECT_TRUE(statusCaptions.isEmpty());
}

// A printer that fails as the job starts.
class FailingReport : public RecordingReport
{
public:
    FailingReport()
        : RecordingReport(QSizeF(8.5, 11), 100)
    {
    }

protected:
    QPaintDevice &beginDevice() override { throw ReportError(QStringLiteral("the printer went away")); }
};

TEST_F(TLabelPrintPrepTest, AJobThatFailsOrIsStoppedOpensNoPreview)
{
    context.makePrinterReport = [](const QString &, ReportPaper) -> std::unique_ptr<PainterReport> {
        return std::make_unique<FailingReport>();
    };
    TLabelPrintPrep dialog(addressLabels(), context);
    auto &probe = static_cast<PrintProbe &>(*dialog.panel().addObject(std::make_unique<PrintProbe>()));
    dialog.printButton()->click();
    EXPECT_EQ(infoBoxes.texts(), QStringList({TLabelPrintPrep::ErrorMessage}));
    EXPECT_EQ(statusCaptions, QStringList({QStringLiteral("Print Status")}));
    EXPECT_TRUE(probe.prints.empty());

    // "Stop" pressed after the third label of a preview.
    probe.afterPrint = [this, &probe](Report &) {
        if (probe.prints.size() == 3 && runningStatus)
            QTimer::singleShot(0, runningStatus->cancelButton(), &QPushButton::click);
    };
    dialog.previewButton()->click();
    EXPECT_EQ(probe.prints.size(), 3u);
    EXPECT_EQ(finalStatuses.last(), QStringLiteral("\nLabel Preview Canceled!"));
    EXPECT_TRUE(previewCaptions.isEmpty());
    EXPECT_FALSE(dialog.panel().printing());
}

TEST_F(TLabelPrintPrepTest, SetupSelectsThePrinterItLeavesCurrent)
{
    QString offered;
    context.setupPrinter = [&offered](QWidget *, const QString &current) {
        offered = current;
        return QStringLiteral("Office");
    };
    TLabelPrintPrep dialog(addressLabels(), context);
    dialog.setupButton()->click();
    EXPECT_EQ(offered, QStringLiteral("PelloraPDF"));
    EXPECT_EQ(dialog.printerCombo()->currentText(), QStringLiteral("Office"));
    EXPECT_EQ(chosenPrinters, QStringList({QStringLiteral("Office")}));
}

TEST_F(TLabelPrintPrepTest, ThePrintCommandFreezesTheDesignAtZoomOneAndDeletesTheCopy)
{
    QTemporaryDir panelFolder;
    TGPelloraPanel32 panel(panelFolder.path());
    panel.resize(300, 120);
    TGCounterLabel &counter = addCounter(panel);
    counter.setStartingNumber(7);
    const int unzoomedWidth = counter.width();
    panel.SetZoom(2.0f);
    const int zoomedWidth = counter.width();
    ASSERT_NE(zoomedWidth, unzoomedWidth);
    const QString copy = QDir(folder.path()).filePath(QStringLiteral("PQ0.TMP"));

    int dialogs = 0;
    onDialog = [&](QDialog &dialog) {
        ++dialogs;
        auto &prep = dynamic_cast<TLabelPrintPrep &>(dialog);
        EXPECT_TRUE(QFile::exists(copy));
        ASSERT_EQ(prep.panel().objectCount(), 1);
        auto *frozen = dynamic_cast<TGCounterLabel *>(prep.panel().objectAt(0));
        ASSERT_NE(frozen, nullptr);
        EXPECT_EQ(frozen->startingNumber(), 7);
        EXPECT_EQ(frozen->width(), unzoomedWidth); // written at zoom 1
        EXPECT_EQ(prep.labelsPerPageCaption()->text(), QStringLiteral("(30 labels per page)"));
    };
    TLabelPrintPrep::run(nullptr, panel, addressLabels(), context);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FLOAT_EQ(panel.scale(), 2.0f);
    EXPECT_EQ(counter.width(), zoomedWidth);
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(infoBoxes.texts().isEmpty());

    // A second command finds the same name free again.
    TLabelPrintPrep::run(nullptr, panel, addressLabels(), context);
    EXPECT_EQ(dialogs, 2);
}

TEST_F(TLabelPrintPrepTest, ThePrintCommandTellsWhyItCannotRun)
{
    QTemporaryDir panelFolder;
    TGPelloraPanel32 panel(panelFolder.path());
    int dialogs = 0;
    onDialog = [&](QDialog &) { ++dialogs; };

    PrintPrepContext noPrinter = context;
    noPrinter.printerReady = false;
    TLabelPrintPrep::run(nullptr, panel, addressLabels(), noPrinter);

    PrintPrepContext unwritable = context;
    unwritable.tempFolder = QDir(folder.path()).filePath(QStringLiteral("missing/folder"));
    TLabelPrintPrep::run(nullptr, panel, addressLabels(), unwritable);

    EXPECT_EQ(infoBoxes.texts(),
              QStringList({TLabelPrintPrep::NoPrinterMessage, TLabelPrintPrep::ErrorMessage}));
    EXPECT_EQ(dialogs, 0);
}

} // namespace
