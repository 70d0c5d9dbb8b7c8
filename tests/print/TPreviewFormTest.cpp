#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/Help.h"
#include "platform/Screen.h"
#include "print/RecordingReport.h"
#include "print/TPreviewForm.h"

namespace {

TEST(TPreviewFormRules, PageCaptionRoundsTheZoom)
{
    struct Case
    {
        int page;
        int count;
        double zoom;
        const char *caption;
    };
    const Case cases[] = {
        {0, 1, 100, "Preview Page 1 of 1 ( 100% )"},
        {1, 3, 110.4, "Preview Page 2 of 3 ( 110% )"},
        {2, 3, 57.5, "Preview Page 3 of 3 ( 58% )"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TPreviewForm::pageCaption(c.page, c.count, c.zoom), QString::fromLatin1(c.caption));
}

TEST(TPreviewFormRules, ZoomStepsByTenWithinItsLimits)
{
    struct Case
    {
        double zoom;
        double in;
        double out;
    };
    const Case cases[] = {
        {100, 110, 90}, {57.5, 67.5, 47.5}, {15, 25, 10}, {10, 20, 10}, {995, 1000, 985}, {1000, 1000, 990},
    };
    for (const Case &c : cases) {
        EXPECT_DOUBLE_EQ(TPreviewForm::zoomedIn(c.zoom), c.in) << c.zoom;
        EXPECT_DOUBLE_EQ(TPreviewForm::zoomedOut(c.zoom), c.out) << c.zoom;
    }
}

TEST(TPreviewFormRules, FittingZoomsLeaveTheMarginsInView)
{
    const QSizeF letter(8.5, 11);
    // 8.5 inches at 96 ppi with 2.5 % either side is 856.8 pixels.
    EXPECT_NEAR(TPreviewForm::pageWidthZoom(letter, 857, 96), 100, 0.05);
    EXPECT_NEAR(TPreviewForm::pageWidthZoom(letter, 428, 96), 50, 0.05);
    // A wide window: the height decides; a narrow one: the width.
    const double byHeight = TPreviewForm::wholePageZoom(letter, QSize(2000, 600), 96);
    EXPECT_NEAR(byHeight, 100.0 * 600 / ((11 + 0.425) * 96), 0.05);
    EXPECT_NEAR(TPreviewForm::wholePageZoom(letter, QSize(428, 2000), 96), 50, 0.05);
    const QSize fitted = TPreviewForm::viewSize(letter, byHeight, 96);
    EXPECT_LE(fitted.height(), 601);
    EXPECT_EQ(TPreviewForm::viewSize(letter, 100, 96), QSize(816 + 2 * 20, 1056 + 2 * 20));
}

class TPreviewFormTest : public ::testing::Test
{
protected:
    // A job of `pages` sheets, each with a black box one inch in from the corner.
    void record(int pages)
    {
        ReportBrush black;
        black.color = Colors::clBlack;
        report.start();
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                report.newPage();
            report.setBrush(black);
            report.rectangle(1, 1, 3, 2);
        }
        report.finish();
    }

    void open(TPreviewForm &form)
    {
        form.show();
        QCoreApplication::processEvents();
    }

    RecordingReport report{QSizeF(8.5, 11), 100};
};

TEST_F(TPreviewFormTest, AOnePagePreviewOpensAtTheStartZoomWithoutPageButtons)
{
    record(1);
    int loads = 0;
    int saves = 0;
    TPreviewForm form(report, nullptr, {[&](QWidget &) { ++loads; }, [&](const QWidget &) { ++saves; }});
    form.setWindowTitle(QStringLiteral("Preview Labels"));
    form.setStartZoom(100);
    open(form);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 1 ( 100% )"));
    for (QToolButton *button :
         {form.firstPageButton(), form.previousPageButton(), form.nextPageButton(), form.lastPageButton()})
        EXPECT_FALSE(button->isVisible());
    EXPECT_TRUE(form.zoomInButton()->isVisible());

    // The box drawn one to three inches across appears on the page, the rest of the page is white.
    const int ppi = Screen::pixelsPerInch();
    const QImage shown = form.pageView()->grab().toImage();
    const int margin = qRound(TPreviewForm::PageMargin * 8.5 * ppi);
    EXPECT_EQ(QColor(shown.pixel(margin + 2 * ppi, margin + ppi * 3 / 2)), QColor(Qt::black));
    EXPECT_EQ(QColor(shown.pixel(margin + 5 * ppi, margin + 5 * ppi)), QColor(Qt::white));

    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    form.findChild<QPushButton *>(QStringLiteral("Helpbutton"))->click();
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{1074});

    form.okButton()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(saves, 1);
}

TEST_F(TPreviewFormTest, EveryButtonSaysWhatItDoes)
{
    TPreviewForm form(report);
    const struct
    {
        QWidget *button;
        const char *text;
    } cases[] = {
        {form.okButton(), "Click here to close and return to the previous screen"},
        {form.zoomInButton(), "Click here to Zoom in."},
        {form.zoomOutButton(), "Click here to Zoom out."},
        {form.pageWidthButton(), "Click here to make the width of the page fit into the preview."},
        {form.wholePageButton(), "Click here to see the full page."},
        {form.zoom100Button(), "Click here to make the preview 100% of actual size"},
        {form.firstPageButton(), "Click here to see the first page"},
        {form.previousPageButton(), "Click here to see the previous page."},
        {form.nextPageButton(), "Click here to see the next page."},
        {form.lastPageButton(), "Click here to see the last page"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.button->whatsThis(), QString::fromLatin1(c.text));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Label Preview"));
    EXPECT_EQ(form.objectName(), QStringLiteral("TPreviewForm")); // names the placement section
    EXPECT_TRUE(form.okButton()->isDefault());
}

TEST_F(TPreviewFormTest, ClicksOnThePageZoomInAndOut)
{
    record(1);
    TPreviewForm form(report);
    form.setStartZoom(100);
    open(form);
    QTest::mouseClick(form.pageView(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 1 ( 110% )"));
    EXPECT_EQ(form.pageView()->size(),
              TPreviewForm::viewSize(report.sheetInches(), 110, Screen::pixelsPerInch()));
    QTest::mouseClick(form.pageView(), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 1 ( 100% )"));
    form.zoomOutButton()->click();
    form.zoomOutButton()->click();
    EXPECT_DOUBLE_EQ(form.zoom(), 80);
    form.zoom100Button()->click();
    EXPECT_DOUBLE_EQ(form.zoom(), 100);
}

TEST_F(TPreviewFormTest, FittingButtonsFitTheScrollBox)
{
    record(1);
    TPreviewForm form(report);
    form.resize(500, 400);
    open(form);
    // The form's own start zoom is the whole page.
    const QSize viewport = form.scrollBox()->maximumViewportSize();
    EXPECT_LE(form.pageView()->height(), viewport.height() + 1);
    form.pageWidthButton()->click();
    EXPECT_LE(form.pageView()->width(), form.scrollBox()->viewport()->width());
    EXPECT_GT(form.pageView()->height(), viewport.height());
    form.wholePageButton()->click();
    EXPECT_LE(form.pageView()->height(), viewport.height() + 1);
}

TEST_F(TPreviewFormTest, PageButtonsMoveThroughSeveralPages)
{
    record(3);
    TPreviewForm form(report);
    form.setStartZoom(50);
    open(form);
    EXPECT_TRUE(form.nextPageButton()->isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 3 ( 50% )"));
    struct Step
    {
        QToolButton *button;
        int page;
    };
    const Step steps[] = {{form.nextPageButton(), 1},  {form.lastPageButton(), 2},
                          {form.nextPageButton(), 2},  {form.previousPageButton(), 1},
                          {form.firstPageButton(), 0}, {form.previousPageButton(), 0}};
    for (const Step &step : steps) {
        step.button->click();
        EXPECT_EQ(form.currentPage(), step.page);
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 3 ( 50% )"));
}

TEST_F(TPreviewFormTest, UpAndDownScrollWithinTheRange)
{
    record(1);
    TPreviewForm form(report);
    form.resize(400, 300);
    form.setStartZoom(200);
    open(form);
    QScrollBar *bar = form.scrollBox()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), bar->singleStep());
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 2 * bar->singleStep());
    bar->setValue(bar->maximum());
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());
}

} // namespace
