// pqtool: inspects, normalises, prints and renders label documents from the command line.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

#include "design/DesignSurface.h"
#include "design/TGBasePanel.h"
#include "document/DocumentDump.h"
#include "document/FileBytes.h"
#include "document/StreamError.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/ObjectClasses.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "print/LabelSheetImager.h"
#include "print/PdfReport.h"
#include "print/PrinterReport.h"

#include "BatchOptions.h"

namespace {

constexpr const char *usage =
    "usage: pqtool dump FILE\n"
    "       pqtool resave IN OUT\n"
    "       pqtool print FILE [--pdf OUT.pdf | --printer NAME] [--positions 1,5-9] [--pages N]\n"
    "                         [--nudges T,L,V,H | --ini pq.ini]\n"
    "       pqtool render FILE --png OUT.png [--zoom Z]\n";

int usageError(const QString &message)
{
    QTextStream(stderr) << "pqtool: " << message << '\n';
    return 2;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "pqtool: " << message << '\n';
    return 1;
}

int dumpCommand(const QString &path)
{
    const FileBytes file(path);
    if (!file.isOpen())
        return fail(QStringLiteral("cannot open %1").arg(path));
    try {
        QTextStream(stdout) << DocumentDump::dump(file.bytes());
        return 0;
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(path, error.message()));
    }
}

int resaveCommand(const QString &in, const QString &out)
{
    const FileBytes file(in);
    if (!file.isOpen())
        return fail(QStringLiteral("cannot open %1").arg(in));
    DesignSurface surface;
    TLabelLayout layout = TLabelLayout::defaultLayout();
    try {
        TGLabelObjectFiler().readDocument(file.bytes(), surface, layout);
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(in, error.message()));
    }
    try {
        TGLabelObjectFiler().SaveDocument(surface, out, layout.documentPrecision());
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(out, error.message()));
    }
    return 0;
}

// Reads a document into a design panel as the print preparation's hidden panel holds it.
bool loadDocument(const QString &path, TGBasePanel &panel, TLabelLayout &layout, QString &error)
{
    const FileBytes file(path);
    if (!file.isOpen()) {
        error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    layout = TLabelLayout::defaultLayout();
    try {
        TGLabelObjectFiler().readDocument(file.bytes(), panel, layout);
    } catch (const StreamError &streamError) {
        error = QStringLiteral("%1: %2").arg(path, streamError.message());
        return false;
    }
    return true;
}

int printCommand(const QStringList &arguments)
{
    const BatchOptions options = BatchOptions::parsePrint(arguments);
    if (!options.error.isEmpty())
        return usageError(options.error);
    QTemporaryDir scratch;
    TGBasePanel panel(scratch.path());
    LabelSheetJob job;
    QString error;
    if (!loadDocument(options.document, panel, job.layout, error))
        return fail(error);
    const std::optional<std::vector<bool>> selection = BatchOptions::parsePositions(
        options.positions, job.layout.LabelsAcross * job.layout.LabelsDown, error);
    if (!selection)
        return usageError(error);
    job.selection = *selection;
    job.pages = options.pages;
    job.nudges = options.nudges;
    job.print = true;

    const ReportPaper paper = ReportPaper::fromCode(job.layout.PaperSize);
    try {
        std::unique_ptr<PainterReport> report;
        if (options.toPrinter)
            report = std::make_unique<PrinterReport>(options.printer, paper);
        else
            report = std::make_unique<PdfReport>(options.pdf, paper,
                                                 QSizeF(job.layout.PageWidth, job.layout.PageHeight));
        panel.setPrinting(true);
        panel.PrepareForPrinting();
        LabelSheetImager imager(panel, *report, job);
        if (imager.run() != LabelSheetImager::Outcome::Completed)
            return fail(imager.errorMessage().isEmpty() ? QStringLiteral("the print job was cancelled")
                                                        : imager.errorMessage());
    } catch (const ReportError &reportError) {
        return fail(reportError.message());
    }
    return 0;
}

int renderCommand(const QStringList &arguments)
{
    const BatchOptions options = BatchOptions::parseRender(arguments);
    if (!options.error.isEmpty())
        return usageError(options.error);
    QTemporaryDir scratch;
    TGBasePanel panel(scratch.path());
    TLabelLayout layout;
    QString error;
    if (!loadDocument(options.document, panel, layout, error))
        return fail(error);
    // One label at 1:1 screen scale, outlined by the stock's shape, then zoomed.
    const int ppi = Screen::pixelsPerInch();
    if (layout.LabelShape == QLatin1String("RR"))
        panel.setShape(TLabelShapeType::lsRoundRect);
    else if (layout.LabelShape == QLatin1String("SR"))
        panel.setShape(TLabelShapeType::lsRectangle);
    else if (layout.LabelShape == QLatin1String("EL"))
        panel.setShape(TLabelShapeType::lsEllipse);
    panel.resize(int(Round(ppi * layout.LabelWidth)), int(Round(ppi * layout.LabelHeight)));
    panel.SetZoom(float(options.zoom));
    if (panel.width() < 1 || panel.height() < 1 || panel.width() > 20000 || panel.height() > 20000)
        return fail(QStringLiteral("%1: the label is %2 x %3 pixels at this zoom")
                        .arg(options.document)
                        .arg(panel.width())
                        .arg(panel.height()));
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        panel.paintSurface(painter, panel.rect());
    }
    if (!image.save(options.png, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(options.png));
    return 0;
}

} // namespace

// The tool's own errors are one line each; Qt's chatter about the environment is not for the user.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "pqtool: " << message << '\n';
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    // Fonts and pictures need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerLabelObjectClasses();
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dumpCommand(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("resave"))
        return resaveCommand(args[1], args[2]);
    if (!args.isEmpty() && args[0] == QLatin1String("print"))
        return printCommand(args.mid(1));
    if (!args.isEmpty() && args[0] == QLatin1String("render"))
        return renderCommand(args.mid(1));
    std::fputs(usage, stderr);
    return 2;
}
