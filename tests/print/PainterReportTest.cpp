#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "print/PrinterReport.h"
#include "print/RecordingReport.h"
#include "print/ReportPaper.h"
#include "support/InkedBox.h"

namespace {

// A report on an image of the given resolution, white at the start.
class ImageReport : public PainterReport
{
public:
    ImageReport(QSizeF inches, int dpi)
        : m_image(int(inches.width() * dpi), int(inches.height() * dpi), QImage::Format_RGB32)
        , m_dpi(dpi)
    {
        m_image.fill(Qt::white);
        m_image.setDotsPerMeterX(int(dpi / 0.0254));
        m_image.setDotsPerMeterY(int(dpi / 0.0254));
    }
    ~ImageReport() override
    {
        if (running())
            abort();
    }
    double xDpi() const override { return m_dpi; }
    double yDpi() const override { return m_dpi; }
    const QImage &image() const { return m_image; }

protected:
    QPaintDevice &beginDevice() override { return m_image; }
    void nextSheet(QPainter &) override { m_image.fill(Qt::white); }

private:
    QImage m_image;
    int m_dpi;
};

TEST(PainterReport, PenWidthsInHundredthsOfAnInchNeverBelowOnePixel)
{
    const struct
    {
        int dpi;
        int width;
        int pixels;
    } cases[] = {{600, -1, 6}, {600, -5, 30}, {300, -2, 6}, {50, -1, 1}, {600, 3, 3}, {600, 0, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, width " << c.width);
        ImageReport report(QSizeF(1, 1), c.dpi);
        report.start();
        report.setPen({Colors::clBlack, PenStyle::psSolid, PenMode::pmCopy, c.width});
        report.moveTo(0.1, 0.5);
        report.lineTo(0.9, 0.5);
        report.finish();
        EXPECT_EQ(inkedBox(report.image()).height(), c.pixels);
    }
}

TEST(PainterReport, RectanglesLandOnTheirInches)
{
    ImageReport report(QSizeF(2, 2), 300);
    report.start();
    report.setBrush({Colors::clBlack, BrushStyle::bsSolid});
    report.setPen({Colors::clBlack, PenStyle::psSolid, PenMode::pmCopy, 1});
    report.rectangle(0.25, 0.5, 1.25, 1.0);
    report.finish();
    EXPECT_EQ(inkedBox(report.image()), QRect(75, 150, 300, 150));
}

TEST(PainterReport, FontsKeepTheirPointSizeAtAnyResolution)
{
    for (const int dpi : {150, 600}) {
        SCOPED_TRACE(dpi);
        ImageReport report(QSizeF(2, 2), dpi);
        report.start();
        report.setFont({QStringLiteral("Arial"), 72, 0, Colors::clBlack});
        report.textOut(0.2, 1.5, QStringLiteral("H"));
        report.finish();
        // A capital of 72-point type stands about 0.7 inch tall, on its baseline.
        const QRect box = inkedBox(report.image());
        EXPECT_NEAR(box.height() / double(dpi), 0.72, 0.08);
        EXPECT_NEAR((box.bottom() + 1) / double(dpi), 1.5, 0.02);
    }
}

TEST(PainterReport, RecordedPicturesFillTheirRectangleAtAnyResolution)
{
    // Recorded the way text objects record themselves: screen pixels, framed by the box.
    QPicture picture;
    {
        Canvas canvas(&picture);
        canvas.SetBrush({Colors::clBlack, BrushStyle::bsSolid});
        canvas.Rectangle(0, 0, 96, 48);
    }
    picture.setBoundingRect(QRect(0, 0, 96, 48));
    for (const int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        ImageReport report(QSizeF(2, 2), dpi);
        report.start();
        report.stretchPicture(QRectF(0.5, 0.5, 1.0, 0.5), picture);
        report.finish();
        EXPECT_EQ(inkedBox(report.image()), QRect(dpi / 2, dpi / 2, dpi, dpi / 2));
    }
}

TEST(PainterReport, DrawingAfterAnAbortIsIgnored)
{
    ImageReport report(QSizeF(1, 1), 100);
    report.start();
    report.abort();
    EXPECT_TRUE(report.aborted());
    EXPECT_FALSE(report.running());
    report.setBrush({Colors::clBlack, BrushStyle::bsSolid});
    report.rectangle(0.1, 0.1, 0.9, 0.9);
    report.newPage();
    report.finish();
    EXPECT_TRUE(inkedBox(report.image()).isEmpty());
    EXPECT_EQ(report.pageNumber(), 1);
}

TEST(RecordingReport, KeepsOneFramedRecordingPerSheet)
{
    RecordingReport report(QSizeF(8.5, 11), 100);
    report.start();
    report.setBrush({Colors::clBlack, BrushStyle::bsSolid});
    report.rectangle(1, 1, 2, 2);
    report.newPage();
    report.rectangle(3, 4, 5, 6);
    report.finish();
    ASSERT_EQ(report.pages().size(), 2u);
    EXPECT_EQ(report.pageNumber(), 2);

    const QRect expected[] = {QRect(100, 100, 100, 100), QRect(300, 400, 200, 200)};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(report.pages()[i].boundingRect(), QRect(0, 0, 850, 1100));
        // Replayed at half the size, as a preview shows it.
        QImage shown(425, 550, QImage::Format_RGB32);
        shown.fill(Qt::white);
        {
            Canvas canvas(&shown);
            canvas.StretchDraw(0, 0, 425, 550, report.pages()[i]);
        }
        const QRect box = inkedBox(shown);
        const QRect half(expected[i].x() / 2, expected[i].y() / 2, expected[i].width() / 2,
                         expected[i].height() / 2);
        EXPECT_LE(std::abs(box.left() - half.left()), 1);
        EXPECT_LE(std::abs(box.top() - half.top()), 1);
        EXPECT_LE(std::abs(box.width() - half.width()), 1);
        EXPECT_LE(std::abs(box.height() - half.height()), 1);
    }
}

TEST(ReportPaper, CodesAndTheirPaper)
{
    const struct
    {
        const char *code;
        int number;
        bool landscape;
        QSizeF inches;
    } cases[] = {
        {"LTR", 1, false, {8.5, 11}},    {"LTRL", 1, true, {11, 8.5}},    {"A4", 9, false, {8.27, 11.69}},
        {"A4L", 9, true, {11.69, 8.27}}, {"A5", 11, false, {5.83, 8.27}}, {"", 0, false, {4, 6}},
        {"LEGAL", 0, false, {4, 6}},     {"ltr", 0, false, {4, 6}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        const ReportPaper paper = ReportPaper::fromCode(QString::fromLatin1(c.code));
        EXPECT_EQ(paper.paperNumber, c.number);
        EXPECT_EQ(paper.landscape, c.landscape);
        EXPECT_EQ(paper.pageSize().has_value(), c.number != 0);
        const QSizeF sheet = paper.sheetInches({4, 6});
        EXPECT_NEAR(sheet.width(), c.inches.width(), 0.01);
        EXPECT_NEAR(sheet.height(), c.inches.height(), 0.01);
    }
}

} // namespace

namespace {

TEST(PrinterReport, UnknownOrMissingPrintersAreRefusedBeforeAnyJob)
{
    EXPECT_THROW(
        PrinterReport(QStringLiteral("no-such-printer-here"), ReportPaper::fromCode(QStringLiteral("LTR"))),
        ReportError);
    if (!PrinterReport::defaultPrinterName().isEmpty())
        GTEST_SKIP() << "a default printer exists";
    try {
        PrinterReport report(QString(), {});
        ADD_FAILURE() << "a report without any printer";
    } catch (const ReportError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("No printers and/or no default printer found."));
    }
}

} // namespace
