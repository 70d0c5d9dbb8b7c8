#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

#include "design/TGBasePanel.h"
#include "print/LabelSheetImager.h"
#include "print/PrinterReport.h"
#include "PrintProbe.h"

namespace {

const QString Queue = QStringLiteral("PelloraPDF");

// Where cups-pdf puts its files: the "Out" line of its configuration, ~/PDF by default.
QString cupsPdfFolder()
{
    QString folder = QStringLiteral("${HOME}/PDF");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression out(QStringLiteral("^\\s*Out\\s+(\\S.*)$"));
        while (!config.atEnd()) {
            const QRegularExpressionMatch match = out.match(QString::fromUtf8(config.readLine()).trimmed());
            if (match.hasMatch())
                folder = match.captured(1).trimmed();
        }
    }
    return folder.replace(QStringLiteral("${HOME}"), QDir::homePath());
}

// A PDF of the job, once cups-pdf has written all of it (pdftoppm can read it).
QImage waitForSheet(const QString &folder, const QString &title, const QString &scratch)
{
    const QString prefix = QDir(scratch).filePath(QStringLiteral("sheet"));
    QDeadlineTimer deadline(30'000);
    while (!deadline.hasExpired()) {
        const QStringList found =
            QDir(folder).entryList({QStringLiteral("*%1*.pdf").arg(title)}, QDir::Files);
        for (const QString &name : found) {
            const QString pdf = QDir(folder).filePath(name);
            QProcess rasterise;
            rasterise.start(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-gray"),
                             QStringLiteral("-singlefile"), pdf, prefix});
            if (rasterise.waitForFinished(20'000) && rasterise.exitCode() == 0) {
                QImage sheet(prefix + QStringLiteral(".pgm"));
                if (!sheet.isNull()) {
                    QFile::remove(pdf);
                    return sheet;
                }
            }
        }
        QThread::msleep(200);
    }
    return {};
}

// Why this machine cannot print for real, empty when it can.
QString missingPrerequisite()
{
    if (!QPrinterInfo::availablePrinterNames().contains(Queue))
        return QStringLiteral("no CUPS queue %1 (scripts/start-cups.sh adds one; it needs root, cups and "
                              "printer-driver-cups-pdf)")
            .arg(Queue);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return QStringLiteral("pdftoppm (poppler-utils) is not installed");
    return {};
}

TEST(CupsPrint, ASheetPrintedToTheQueueCarriesTheLabels)
{
    const QString missing = missingPrerequisite();
    if (!missing.isEmpty()) {
        // CI installs and starts everything, so there a missing piece is a failure.
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << missing.toStdString();
        GTEST_SKIP() << missing.toStdString();
    }

    QTemporaryDir scratch;
    TGBasePanel panel(scratch.path());
    // The design: a black box filling the label.
    LabelSheetJob job;
    job.layout = TLabelLayout::defaultLayout();
    job.layout.PaperSize = QStringLiteral("LTR");
    job.selection.assign(job.layout.LabelsAcross * job.layout.LabelsDown, false);
    job.selection.front() = true;
    job.selection.back() = true;
    auto &probe = static_cast<PrintProbe &>(*panel.addObject(std::make_unique<PrintProbe>()));
    const double width = job.layout.LabelWidth;
    const double height = job.layout.LabelHeight;
    probe.afterPrint = [&probe, width, height](Report &report) {
        ReportBrush black;
        black.color = Colors::clBlack;
        report.setBrush(black);
        const QPointF corner = probe.prints.back().corner;
        report.rectangle(corner.x(), corner.y(), corner.x() + width, corner.y() + height);
    };

    const QString title = QStringLiteral("PelloraCupsTest%1").arg(QCoreApplication::applicationPid());
    PrinterReport report(Queue, ReportPaper::fromCode(job.layout.PaperSize), title);
    LabelSheetImager imager(panel, report, job);
    ASSERT_EQ(imager.run(), LabelSheetImager::Outcome::Completed) << imager.errorMessage().toStdString();
    ASSERT_EQ(probe.prints.size(), 2u);

    const QImage sheet = waitForSheet(cupsPdfFolder(), title, scratch.path());
    ASSERT_FALSE(sheet.isNull()) << "no PDF from the queue in " << cupsPdfFolder().toStdString();
    // Letter at 20 dots per inch.
    EXPECT_NEAR(sheet.width(), 170, 1);
    EXPECT_NEAR(sheet.height(), 220, 1);
    const auto shade = [&sheet](QPointF inches) {
        return qGray(sheet.pixel(int(inches.x() * 20), int(inches.y() * 20)));
    };
    const QPointF middle(width / 2, height / 2);
    const QPointF first = labelPosition(job.layout, 0, 0) + middle;
    const QPointF last =
        labelPosition(job.layout, job.layout.LabelsDown - 1, job.layout.LabelsAcross - 1) + middle;
    const QPointF unselected = labelPosition(job.layout, 0, 1) + middle;
    EXPECT_LT(shade(first), 64);
    EXPECT_LT(shade(last), 64);
    EXPECT_GT(shade(unselected), 192);
}

} // namespace
