#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "document/TGLabelObjectFiler.h"
#include "objects/shapes/TGLabelShapes.h"
#include "support/RecordingSurface.h"
#include "support/ToolProcess.h"

namespace {

// The page count pdfinfo reports, 0 when it cannot tell.
int pdfPages(const QString &pdf)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        return 0;
    QProcess process;
    process.start(pdfinfo, {pdf});
    process.waitForFinished(30000);
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

class PqtoolPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto box = std::make_unique<TGLabelShapes>();
        box->setName(QStringLiteral("Component0"));
        box->setBounds(5, 5, 40, 20);
        surface.addObject(std::move(box));
        TGLabelObjectFiler().SaveDocument(surface, document,
                                          TLabelLayout::defaultLayout().documentPrecision());
    }

    QTemporaryDir folder;
    QString document = folder.filePath(QStringLiteral("a.PQ"));
    QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    RecordingSurface surface;
};

TEST_F(PqtoolPrintTest, PrintsTheAskedSheetsToPdf)
{
    const ToolRun run =
        pqtool({QStringLiteral("print"), document, QStringLiteral("--pdf"), pdf, QStringLiteral("--pages"),
                QStringLiteral("3"), QStringLiteral("--positions"), QStringLiteral("1,5-9,30"),
                QStringLiteral("--nudges"), QStringLiteral("1,-2,0,3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    if (const int pages = pdfPages(pdf)) {
        EXPECT_EQ(pages, 3);
    }
}

TEST_F(PqtoolPrintTest, NudgesFromAPreferencesFile)
{
    const QString ini = folder.filePath(QStringLiteral("pq.ini"));
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Printer]\r\nTopMarginNudge=-8\r\nVerticalSpacing=2\r\n");
    }
    const ToolRun run = pqtool(
        {QStringLiteral("print"), document, QStringLiteral("--pdf"), pdf, QStringLiteral("--ini"), ini});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(PqtoolPrintTest, BadInputGivesOneLineAndAnExitCode)
{
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {{QStringLiteral("print")}, 2, "no document given"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("--pdf")},
         2,
         "--pdf needs a value"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("--pdf"), QStringLiteral("x.pdf"),
          QStringLiteral("--printer"), QStringLiteral("p")},
         2,
         "give either --pdf or --printer, not both"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("--pages"), QStringLiteral("-1")},
         2,
         "--pages wants a number of sheets from 0 to 100000, not -1"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("--nudges"),
          QStringLiteral("1,2,3")},
         2,
         "--nudges wants four whole numbers T,L,V,H, not 1,2,3"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("--colour"), QStringLiteral("red")},
         2,
         "unknown option --colour"},
        {{QStringLiteral("print"), QStringLiteral("A.PQ"), QStringLiteral("B.PQ")},
         2,
         "unexpected argument B.PQ"},
        {{QStringLiteral("print"), QStringLiteral("missing.PQ"), QStringLiteral("--pdf"),
          QStringLiteral("x.pdf")},
         1,
         "cannot open missing.PQ"},
        {{QStringLiteral("render"), QStringLiteral("A.PQ")}, 2, "--png OUT.png is needed"},
        {{QStringLiteral("render"), QStringLiteral("A.PQ"), QStringLiteral("--png"), QStringLiteral("a.png"),
          QStringLiteral("--zoom"), QStringLiteral("0")},
         2,
         "--zoom wants a factor from 0.1 to 10, not 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun run = pqtool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err, QStringLiteral("pqtool: ") + QString::fromLatin1(c.message) + QLatin1Char('\n'));
    }
}

TEST_F(PqtoolPrintTest, PositionsOffTheSheetAreRefused)
{
    for (const char *list : {"0", "31", "5-3", "2-40", "x", "1,,2", "1-2-3"}) {
        SCOPED_TRACE(list);
        const ToolRun run = pqtool({QStringLiteral("print"), document, QStringLiteral("--pdf"), pdf,
                                    QStringLiteral("--positions"), QString::fromLatin1(list)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("pqtool: position ")));
        EXPECT_TRUE(run.err.endsWith(QStringLiteral(" is not on the sheet of 30 labels\n")));
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(PqtoolPrintTest, AnUnknownPrinterIsAnError)
{
    const ToolRun run = pqtool({QStringLiteral("print"), document, QStringLiteral("--printer"),
                                QStringLiteral("no-such-printer-here")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("pqtool: "))) << run.err.toStdString();
}

TEST_F(PqtoolPrintTest, RenderDrawsTheLabelAtItsZoom)
{
    const struct
    {
        const char *zoom;
        QSize size;
    } cases[] = {{"1", {254, 96}}, {"2", {508, 192}}, {"0.5", {127, 48}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zoom);
        const QString png = folder.filePath(QStringLiteral("label.png"));
        const ToolRun run = pqtool({QStringLiteral("render"), document, QStringLiteral("--png"), png,
                                    QStringLiteral("--zoom"), QString::fromLatin1(c.zoom)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(png);
        EXPECT_EQ(image.size(), c.size);
        // The box's white fill and black outline start five pixels in at zoom 1.
        const double zoom = QString::fromLatin1(c.zoom).toDouble();
        const QPoint outline(int(6 * zoom), int(5 * zoom));
        EXPECT_LT(qGray(image.pixel(outline)), 128) << outline.x() << "," << outline.y();
    }
}

} // namespace
