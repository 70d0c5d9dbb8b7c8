#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "design/TGBasePanel.h"
#include "document/ObjectClassRegistry.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/ObjectClasses.h"
#include "objects/shapes/TGLabelShapes.h"
#include "platform/Canvas.h"
#include "platform/Screen.h"
#include "print/LabelSheetImager.h"
#include "print/PdfReport.h"
#include "support/InkedBox.h"

namespace {

constexpr int rasterDpi = 300;

struct Stock
{
    const char *paper;
    TLabelLayout layout;
};

TLabelLayout stock(const char *paper, double top, double left, int across, int down, double hPitch,
                   double vPitch, double width, double height)
{
    TLabelLayout layout;
    layout.PaperSize = QString::fromLatin1(paper);
    layout.TopMargin = top;
    layout.LeftMargin = left;
    layout.LabelsAcross = across;
    layout.LabelsDown = down;
    layout.HorizontalPitch = hPitch;
    layout.VerticalPitch = vPitch;
    layout.LabelWidth = width;
    layout.LabelHeight = height;
    return layout;
}

// The first dark pixel of the mark whose top-left corner should be near (x, y): the column and row
// where the dark area starts, searched within a few pixels.
QPoint markCorner(const QImage &page, QPoint expected)
{
    auto dark = [&page](int x, int y) {
        return x >= 0 && y >= 0 && x < page.width() && y < page.height() && qGray(page.pixel(x, y)) < 128;
    };
    const int probeX = expected.x() + 10;
    const int probeY = expected.y() + 10;
    int top = probeY;
    while (dark(probeX, top - 1) && top > probeY - 20)
        --top;
    int left = probeX;
    while (dark(left - 1, probeY) && left > probeX - 20)
        --left;
    return {left, top};
}

// The PDF's first page at rasterDpi, without smoothing; a null image when pdftoppm fails.
QImage rasterise(const QString &pdftoppm, const QString &pdf)
{
    const QString stem = pdf + QStringLiteral(".page");
    QProcess raster;
    raster.start(pdftoppm, {QStringLiteral("-r"), QString::number(rasterDpi), QStringLiteral("-png"),
                            QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                            QStringLiteral("no"), QStringLiteral("-singlefile"), pdf, stem});
    if (!raster.waitForFinished(60000) || raster.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

void PrintTo(const Stock &stock, std::ostream *out)
{
    *out << stock.paper;
}

class PdfPlacementTest : public ::testing::TestWithParam<Stock>
{
};

// A document with a solid black square at the label's top-left corner, saved and read back, is
// printed to PDF and rasterised; each label's square starts where the layout puts the label.
TEST_P(PdfPlacementTest, MarksLandAtTheLabelCorners)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    registerLabelObjectClasses();
    QTemporaryDir folder;
    const TLabelLayout layout = GetParam().layout;
    const QString document = folder.filePath(QStringLiteral("marks.PQ"));
    {
        TGBasePanel design(folder.path());
        auto &mark =
            static_cast<TGLabelShapes &>(*design.addObject(ObjectClassRegistry::create("TGLabelShapes")));
        mark.setName(QStringLiteral("Component0"));
        mark.setBounds(0, 0, 24, 24);
        mark.brush().setColor(Colors::clBlack);
        mark.pen().setColor(Colors::clBlack);
        TGLabelObjectFiler().SaveDocument(design, document, layout);
    }
    TGBasePanel panel(folder.path());
    TLabelLayout loaded;
    TGLabelObjectFiler().LoadDocument(panel, loaded, document);
    ASSERT_EQ(panel.objectCount(), 1);

    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    {
        PdfReport report(pdf, ReportPaper::fromCode(loaded.PaperSize));
        LabelSheetJob job;
        job.layout = loaded;
        job.selection = LabelSheetJob::allPositions(loaded);
        LabelSheetImager imager(panel, report, job);
        ASSERT_EQ(imager.run(), LabelSheetImager::Outcome::Completed);
    }
    const QImage page = rasterise(pdftoppm, pdf);
    ASSERT_FALSE(page.isNull());
    const QSizeF sheet = ReportPaper::fromCode(loaded.PaperSize).sheetInches({});
    // The PDF's page box is in whole points and the rasteriser rounds its size up.
    EXPECT_NEAR(page.width(), sheet.width() * rasterDpi, 2);
    EXPECT_NEAR(page.height(), sheet.height() * rasterDpi, 2);

    const double markInches = 24.0 / Screen::pixelsPerInch();
    for (int row = 0; row < loaded.LabelsDown; ++row)
        for (int column = 0; column < loaded.LabelsAcross; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            const QPointF corner = labelPosition(loaded, row, column);
            const QPoint expected(int(std::lround(corner.x() * rasterDpi)),
                                  int(std::lround(corner.y() * rasterDpi)));
            const QPoint found = markCorner(page, expected);
            EXPECT_LE(std::abs(found.x() - expected.x()), 1);
            EXPECT_LE(std::abs(found.y() - expected.y()), 1);
            // The square is as large as designed and nothing is drawn just outside it.
            const int side = int(std::lround(markInches * rasterDpi));
            EXPECT_LT(qGray(page.pixel(found.x() + side - 3, found.y() + side - 3)), 128);
            EXPECT_GT(qGray(page.pixel(found.x() + side + 3, found.y() + side + 3)), 128);
        }
}

INSTANTIATE_TEST_SUITE_P(Stocks, PdfPlacementTest,
                         ::testing::Values(Stock{"LTR",
                                                 stock("LTR", 0.5, 0.1875, 3, 10, 2.75, 1.0, 2.625, 1.0)},
                                           Stock{"A4", stock("A4", 0.6, 0.28, 3, 8, 2.64, 1.38, 2.5, 1.3)}),
                         [](const auto &info) { return std::string(info.param.paper); });

// Text objects hand the report a drawing to stretch over their box. A PDF page takes it straight,
// its text staying text with the font embedded, and it must land exactly where the recording of the
// same drawing lands.
TEST(PdfStretchDrawing, LandsWhereItsRecordingLandsAndKeepsItsText)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir folder;
    const QRectF target(1.0, 1.0, 1.0, 0.5);
    const auto draw = [](Canvas &canvas) {
        canvas.SetBrush({Colors::clBlack, BrushStyle::bsSolid});
        canvas.FillRect(0, 0, 96, 4);
        CanvasFont font;
        font.height = -30;
        canvas.SetFont(font);
        canvas.SetBkMode(BackgroundMode::Transparent);
        canvas.TextOut(2, 8, QStringLiteral("Hallo"));
    };
    const auto printed = [&](const QString &name, bool recorded) {
        const QString pdf = folder.filePath(name);
        PdfReport report(pdf, ReportPaper::fromCode(QStringLiteral("LTR")));
        report.start();
        if (recorded)
            report.Report::stretchDrawing(target, QSize(96, 48), draw);
        else
            report.stretchDrawing(target, QSize(96, 48), draw);
        report.finish();
        return pdf;
    };
    const QString direct = printed(QStringLiteral("direct.pdf"), false);
    const QString recorded = printed(QStringLiteral("recorded.pdf"), true);

    QFile file(direct);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/FontFile2"));
    QFile outlines(recorded);
    ASSERT_TRUE(outlines.open(QIODevice::ReadOnly));
    EXPECT_FALSE(outlines.readAll().contains("/FontFile2"));

    const QRect directInk = inkedBox(rasterise(pdftoppm, direct));
    const QRect recordedInk = inkedBox(rasterise(pdftoppm, recorded));
    ASSERT_FALSE(directInk.isEmpty());
    // The bar starts at the target's corner and spans its width; the text stays inside the target.
    EXPECT_NEAR(directInk.left(), rasterDpi, 1);
    EXPECT_NEAR(directInk.top(), rasterDpi, 1);
    EXPECT_NEAR(directInk.right() + 1, 2 * rasterDpi, 1);
    EXPECT_LT(directInk.bottom(), 1.5 * rasterDpi);
    EXPECT_NEAR(directInk.bottom(), recordedInk.bottom(), 2);
    EXPECT_NEAR(directInk.left(), recordedInk.left(), 1);
    EXPECT_NEAR(directInk.right(), recordedInk.right(), 1);
}

} // namespace
