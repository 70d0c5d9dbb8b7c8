#include "app/PrintCommands.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "app/FileDialogs.h"
#include "app/MessageBoxes.h"
#include "app/Preferences.h"
#include "app/Printers.h"
#include "app/ProgramFiles.h"
#include "app/TPQMainScreen.h"
#include "app/WindowPlacement.h"
#include "platform/IniFile.h"
#include "platform/Screen.h"
#include "print/PdfReport.h"
#include "print/PrinterReport.h"
#include "print/TLabelPrintPrep.h"

namespace {

// One current printer serves every job of the run, as chosen in print preparation or the setup.
QString &currentPrinter()
{
    static QString printer;
    return printer;
}

QString printerForJobs()
{
    if (currentPrinter().isEmpty() || !installedPrinters().contains(currentPrinter()))
        currentPrinter() = defaultPrinterName();
    return currentPrinter();
}

// The built-in PDF destination asks for the file each time it prints.
std::unique_ptr<PainterReport> makeReport(const TPQMainScreen &window, const QString &printer,
                                          ReportPaper paper)
{
    if (printer != PdfPrinterName)
        return std::make_unique<PrinterReport>(printer, paper);
    FileDialogRequest request;
    request.mode = FileDialogRequest::Save;
    request.title = QStringLiteral("Save as PDF");
    request.folder = ProgramFiles::documentFolder();
    const QString document = QFileInfo(window.CurrentFileName()).completeBaseName();
    request.fileName = (document.isEmpty() ? QStringLiteral("Labels") : document) + QStringLiteral(".pdf");
    request.filter = QStringLiteral("PDF documents (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    const std::optional<QString> path = FileDialogs::choose(request);
    if (!path)
        return nullptr;
    const TLabelLayout &layout = window.labelLayout();
    return std::make_unique<PdfReport>(*path, paper, QSizeF(layout.PageWidth, layout.PageHeight));
}

QString previewSection()
{
    return WindowPlacement::sectionName(QStringLiteral("TPreviewForm"), Screen::pixelsPerInch());
}

TPreviewForm::Placement previewPlacement()
{
    TPreviewForm::Placement placement;
    placement.load = [](QWidget &form) {
        const IniFile ini(IniFileName());
        const QRect screen = form.screen() ? form.screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        const QRect centred(screen.center() - QPoint(form.width() / 2, form.height() / 2), form.size());
        const WindowPlacement::Restored restored =
            WindowPlacement::restore(ini, previewSection(), centred, form.isMaximized(), screen);
        form.setGeometry(restored.bounds);
        if (restored.maximized)
            form.setWindowState(form.windowState() | Qt::WindowMaximized);
    };
    placement.save = [](const QWidget &form) {
        IniFile ini(IniFileName());
        WindowPlacement::save(ini, previewSection(), form.normalGeometry(), form.isMaximized());
        ini.save();
    };
    return placement;
}

void printOrPreview(TPQMainScreen &window)
{
    PrintPrepContext context;
    context.tempFolder = ProgramFiles::writableFolder();
    context.printerReady = window.PrinterReady();
    context.printers = installedPrinters();
    context.currentPrinter = printerForJobs();
    context.nudges = programPreferences().Nudges;
    context.printerChosen = [](const QString &printer) { currentPrinter() = printer; };
    context.makePrinterReport = [&window](const QString &printer, ReportPaper paper) {
        return makeReport(window, printer, paper);
    };
    context.centerForm = [](QWidget &form) { CenterForm(form); };
    context.previewPlacement = previewPlacement();
    TLabelPrintPrep::run(&window, window.LabelPanel(), window.labelLayout(), context);
}

void printerSetup(TPQMainScreen &window)
{
    if (!window.PrinterReady()) {
        ShowInfo(TLabelPrintPrep::NoPrinterMessage);
        return;
    }
    const QString printer = printerForJobs();
    if (printer == PdfPrinterName) {
        ShowInfo(QStringLiteral("\"%1\" has no settings: it asks for the file when it prints.").arg(printer));
        return;
    }
    QPrinter settings;
    settings.setPrinterName(printer);
    QPrintDialog dialog(&settings, &window);
    CenterForm(dialog);
    if (dialog.exec() == QDialog::Accepted)
        currentPrinter() = settings.printerName();
}

} // namespace

void installPrintCommands()
{
    TPQMainScreen::Commands &commands = TPQMainScreen::pluggedCommands();
    commands.printOrPreview = printOrPreview;
    commands.printerSetup = printerSetup;
}
