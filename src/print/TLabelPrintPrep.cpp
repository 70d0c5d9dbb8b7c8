#include "print/TLabelPrintPrep.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "design/TGPelloraPanel32.h"
#include "document/TGLabelObjectFiler.h"
#include "platform/Canvas.h"
#include "platform/DialogButtonBar.h"
#include "platform/InfoBox.h"
#include "platform/Screen.h"
#include "print/PrinterReport.h"
#include "print/RecordingReport.h"
#include "print/TLabelPrinter.h"

namespace {
// The thumbnail is one fifth of the sheet, ten pixels in from the paint box's corner.
constexpr int ThumbnailBorder = 10;
constexpr TColor SelectedColor = 0x8080FF; // red 255, green 128, blue 128

int fifth(double inches, int pixelsPerInch)
{
    return static_cast<int>(std::trunc((0.2 * inches) * pixelsPerInch));
}

QString defaultSetupPrinter(QWidget *parent, const QString &current)
{
    QPrinter printer;
    if (!current.isEmpty())
        printer.setPrinterName(current);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return current;
    return printer.printerName();
}
} // namespace

QString TLabelPrintPrep::temporaryFileName(const QString &folder)
{
    const QDir dir(folder);
    for (int n = 0; n <= MaximumTemporaryNumber; ++n) {
        const QString path = dir.filePath(QStringLiteral("PQ%1.TMP").arg(n));
        if (!QFile::exists(path))
            return path;
    }
    return {};
}

std::vector<EdgeRect> TLabelPrintPrep::thumbnailRectangles(const TLabelLayout &layout, int pixelsPerInch)
{
    const int across = std::max(0, layout.LabelsAcross);
    const int down = std::max(0, layout.LabelsDown);
    std::vector<EdgeRect> rectangles;
    rectangles.reserve(static_cast<std::size_t>(across) * down);
    for (int row = 0; row < down; ++row) {
        for (int column = 0; column < across; ++column) {
            int left = fifth(layout.LeftMargin, pixelsPerInch) + ThumbnailBorder +
                       column * fifth(layout.HorizontalPitch, pixelsPerInch);
            int top = fifth(layout.TopMargin, pixelsPerInch) + ThumbnailBorder +
                      row * fifth(layout.VerticalPitch, pixelsPerInch);
            if (column + 1 > across / 2 && layout.HorizontalGutter > 0)
                left += fifth(layout.HorizontalGutter, pixelsPerInch);
            if (row + 1 > down / 2 && layout.VerticalGutter > 0)
                top += fifth(layout.VerticalGutter, pixelsPerInch);
            rectangles.push_back({left, top, left + fifth(layout.LabelWidth, pixelsPerInch),
                                  top + fifth(layout.LabelHeight, pixelsPerInch)});
        }
    }
    return rectangles;
}

EdgeRect TLabelPrintPrep::thumbnailPage(const TLabelLayout &layout, int pixelsPerInch)
{
    return {ThumbnailBorder, ThumbnailBorder, fifth(layout.PageWidth, pixelsPerInch) + ThumbnailBorder,
            fifth(layout.PageHeight, pixelsPerInch) + ThumbnailBorder};
}

int TLabelPrintPrep::positionAt(const std::vector<EdgeRect> &rectangles, QPoint point)
{
    // Row by row from the top, each row from the left: the first hit wins.
    const int count = static_cast<int>(rectangles.size());
    for (int index = 0; index < count; ++index) {
        const EdgeRect &r = rectangles[index];
        if (point.x() >= r.left && point.x() < r.right && point.y() >= r.top && point.y() < r.bottom)
            return index;
    }
    return -1;
}

QString TLabelPrintPrep::labelsPerPageText(const TLabelLayout &layout)
{
    return QStringLiteral("(%1 labels per page)").arg(layout.LabelsAcross * layout.LabelsDown);
}

TLabelLayout TLabelPrintPrep::recordForCopy(const TLabelLayout &layout)
{
    TLabelLayout record = layout;
    record.TemplateName.clear();
    record.PrinterType.clear();
    record.LabelShape.clear();
    record.ProductType.clear();
    record.ArtName.clear();
    return record;
}

void TLabelPrintPrep::run(QWidget *parent, TGBasePanel &panel, const TLabelLayout &layout,
                          const PrintPrepContext &context)
{
    if (!context.printerReady) {
        ShowInfoBox(NoPrinterMessage);
        return;
    }
    QString file;
    try {
        TGLabelObjectFiler filer;
        panel.processPendingEvents();
        const float zoom = panel.scale();
        file = temporaryFileName(context.tempFolder);
        if (file.isEmpty())
            throw std::runtime_error("no free temporary print file");
        // Documents are written at zoom 1; the user's zoom comes back whatever happens.
        if (zoom != 1.0f)
            panel.SetZoom(1.0f);
        try {
            filer.SaveDocument(panel, file, recordForCopy(layout));
        } catch (...) {
            if (zoom != 1.0f)
                panel.SetZoom(zoom);
            throw;
        }
        if (zoom != 1.0f)
            panel.SetZoom(zoom);

        TLabelPrintPrep dialog(layout, context, parent);
        TLabelLayout readBack;
        filer.LoadDocument(dialog.panel(), readBack, file);
        if (context.centerForm)
            context.centerForm(dialog);
        dialog.showModal(dialog);
    } catch (const std::exception &) {
        ShowInfoBox(ErrorMessage);
    }
    if (!file.isEmpty())
        QFile::remove(file);
}

TLabelPrintPrep::TLabelPrintPrep(const TLabelLayout &layout, PrintPrepContext context, QWidget *parent)
    : QDialog(parent)
    , m_layout(layout)
    , m_context(std::move(context))
    , m_pixelsPerInch(Screen::pixelsPerInch())
    , m_rectangles(thumbnailRectangles(layout, m_pixelsPerInch))
    , m_selection(m_rectangles.size(), true)
    , m_panel(std::make_unique<TGPelloraPanel32>(m_panelFolder.path()))
    , PaintBox1(new QWidget(this))
    , SelectAll(new QPushButton(QStringLiteral("&All"), this))
    , Selectnone(new QPushButton(QStringLiteral("&None"), this))
    , PrinterCombo(new QComboBox(this))
    , sNumberOfPagesToPrint(new QSpinBox(this))
    , LabelsPerPageCaption(new QLabel(labelsPerPageText(layout), this))
    , m_print(new QPushButton(QStringLiteral("&Print"), this))
    , m_preview(new QPushButton(QStringLiteral("Pre&view"), this))
    , m_setup(new QPushButton(QStringLiteral("&Setup"), this))
{
    setObjectName(QStringLiteral("TLabelPrintPrep"));
    setWindowTitle(QStringLiteral("Labels Print"));
    m_panel->hide();

    auto *pageLabel = new QLabel(QStringLiteral(" Select Labels To Print"), this);
    QFont bold = pageLabel->font();
    bold.setBold(true);
    pageLabel->setFont(bold);
    pageLabel->setAutoFillBackground(true);
    pageLabel->setBackgroundRole(QPalette::Highlight);
    pageLabel->setForegroundRole(QPalette::HighlightedText);

    const EdgeRect page = thumbnailPage(layout, m_pixelsPerInch);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setFixedSize(page.right + ThumbnailBorder, page.bottom + ThumbnailBorder);
    PaintBox1->installEventFilter(this);
    PaintBox1->setWhatsThis(QStringLiteral(
        "Click on a label to select or unselect it for printing. Selected labels are shown in RED."));
    SelectAll->setWhatsThis(QStringLiteral("Click here to select all labels"));
    Selectnone->setWhatsThis(QStringLiteral("Click here to unselect all labels"));
    PrinterCombo->setWhatsThis(QStringLiteral("Click here to change printers"));
    m_setup->setWhatsThis(QStringLiteral("Click here to use the Printer Setup Dialog"));
    sNumberOfPagesToPrint->setWhatsThis(QStringLiteral("Select the number of pages to print"));
    for (QPushButton *button : {SelectAll, Selectnone, m_print, m_preview, m_setup})
        button->setAutoDefault(false);

    auto *pagePanel = new QVBoxLayout;
    pagePanel->addWidget(pageLabel);
    pagePanel->addWidget(PaintBox1, 0, Qt::AlignHCenter);
    auto *selectButtons = new QHBoxLayout;
    selectButtons->addWidget(SelectAll);
    selectButtons->addStretch();
    selectButtons->addWidget(Selectnone);
    pagePanel->addLayout(selectButtons);

    PrinterCombo->addItems(m_context.printers);
    selectPrinter(m_context.currentPrinter);
    sNumberOfPagesToPrint->setRange(1, 9999);
    sNumberOfPagesToPrint->setValue(1);
    auto *form = new QFormLayout;
    auto *printerLabel = new QLabel(QStringLiteral("P&rinter"), this);
    printerLabel->setBuddy(PrinterCombo);
    form->addRow(printerLabel, PrinterCombo);
    auto *pagesLabel = new QLabel(QStringLiteral("# of &Pages to print"), this);
    pagesLabel->setBuddy(sNumberOfPagesToPrint);
    form->addRow(pagesLabel, sNumberOfPagesToPrint);
    form->addRow(LabelsPerPageCaption);

    auto *jobButtons = new QVBoxLayout;
    jobButtons->addLayout(form);
    jobButtons->addWidget(m_print);
    jobButtons->addWidget(m_preview);
    jobButtons->addWidget(m_setup);
    jobButtons->addStretch();

    auto *buttons = new DialogButtonBar(*this, HelpTopic);
    buttons->okButton()->hide();
    buttons->okButton()->setDefault(false);
    m_cancel = buttons->cancelButton();
    m_cancel->setText(QStringLiteral("&Cancel"));
    m_cancel->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addLayout(pagePanel);
    top->addLayout(jobButtons);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(SelectAll, &QPushButton::clicked, this, &TLabelPrintPrep::SelectAllClick);
    connect(Selectnone, &QPushButton::clicked, this, &TLabelPrintPrep::SelectnoneClick);
    connect(m_print, &QPushButton::clicked, this, &TLabelPrintPrep::PrintButtonClick);
    connect(m_preview, &QPushButton::clicked, this, &TLabelPrintPrep::PreviewButtonClick);
    connect(m_setup, &QPushButton::clicked, this, &TLabelPrintPrep::SetupButtonClick);
    connect(PrinterCombo, &QComboBox::activated, this, &TLabelPrintPrep::PrinterComboChange);
}

TLabelPrintPrep::~TLabelPrintPrep() = default;

void TLabelPrintPrep::selectPrinter(const QString &name)
{
    const int index = PrinterCombo->findText(name);
    if (index >= 0)
        PrinterCombo->setCurrentIndex(index);
}

void TLabelPrintPrep::PrinterComboChange(int index)
{
    m_context.currentPrinter = PrinterCombo->itemText(index);
    if (m_context.printerChosen)
        m_context.printerChosen(m_context.currentPrinter);
}

void TLabelPrintPrep::SetupButtonClick()
{
    const QString chosen = m_context.setupPrinter ? m_context.setupPrinter(this, m_context.currentPrinter)
                                                  : defaultSetupPrinter(this, m_context.currentPrinter);
    if (!chosen.isEmpty() && chosen != m_context.currentPrinter) {
        m_context.currentPrinter = chosen;
        if (m_context.printerChosen)
            m_context.printerChosen(chosen);
    }
    selectPrinter(m_context.currentPrinter);
}

void TLabelPrintPrep::SelectAllClick()
{
    m_selection.assign(m_selection.size(), true);
    PaintBox1->update();
}

void TLabelPrintPrep::SelectnoneClick()
{
    m_selection.assign(m_selection.size(), false);
    PaintBox1->update();
}

void TLabelPrintPrep::showModal(QDialog &dialog) const
{
    if (m_context.showModal)
        m_context.showModal(dialog);
    else
        dialog.exec();
}

void TLabelPrintPrep::startJob(bool print)
{
    if (std::find(m_selection.begin(), m_selection.end(), true) == m_selection.end()) {
        ShowInfoBox(NothingSelectedMessage);
        return;
    }
    try {
        runJob(print);
    } catch (const std::exception &) {
        ShowInfoBox(ErrorMessage);
    }
    m_panel->setPrinting(false);
    // The dialog comes back for the next job with one sheet asked for.
    sNumberOfPagesToPrint->setValue(1);
}

void TLabelPrintPrep::runJob(bool print)
{
    const ReportPaper paper = ReportPaper::fromCode(m_layout.PaperSize);
    std::unique_ptr<PainterReport> report;
    RecordingReport *recording = nullptr;
    if (print) {
        report = m_context.makePrinterReport
                     ? m_context.makePrinterReport(m_context.currentPrinter, paper)
                     : std::make_unique<PrinterReport>(m_context.currentPrinter, paper);
        // No report and no error: the user cancelled choosing where the job goes.
        if (!report)
            return;
    } else {
        auto pages = std::make_unique<RecordingReport>(
            paper.sheetInches(QSizeF(m_layout.PageWidth, m_layout.PageHeight)));
        recording = pages.get();
        report = std::move(pages);
    }

    m_panel->setPrinting(true);
    if (!print)
        m_panel->setPreviewing(true);
    m_panel->PrepareForPrinting();

    LabelSheetJob job;
    job.layout = m_layout;
    job.nudges = m_context.nudges;
    job.selection = m_selection;
    job.pages = pagesToPrint(sNumberOfPagesToPrint->value());
    job.print = print;

    LabelSheetImager::Outcome outcome = LabelSheetImager::Outcome::NotRun;
    {
        TLabelPrinter status(*m_panel, *report, job, this);
        if (m_context.centerForm)
            m_context.centerForm(status);
        showModal(status);
        outcome = status.imager().outcome();
    }
    if (outcome == LabelSheetImager::Outcome::Failed)
        throw std::runtime_error("the print job failed");
    if (print || outcome != LabelSheetImager::Outcome::Completed)
        return;

    TPreviewForm preview(*recording, this, m_context.previewPlacement);
    preview.setWindowTitle(QStringLiteral("Preview Labels"));
    preview.setStartZoom(100);
    showModal(preview);
}

void TLabelPrintPrep::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    sNumberOfPagesToPrint->setValue(1);
}

void TLabelPrintPrep::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        sNumberOfPagesToPrint->setValue(1);
}

void TLabelPrintPrep::paintThumbnail()
{
    Canvas canvas(PaintBox1);
    canvas.SetPen(CanvasPen());
    canvas.SetBrush(CanvasBrush());
    const EdgeRect page = thumbnailPage(m_layout, m_pixelsPerInch);
    canvas.Rectangle(page.left, page.top, page.right, page.bottom);
    CanvasBrush selected;
    selected.color = SelectedColor;
    for (std::size_t index = 0; index < m_rectangles.size(); ++index) {
        canvas.SetBrush(m_selection[index] ? selected : CanvasBrush());
        const EdgeRect &r = m_rectangles[index];
        canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    }
}

void TLabelPrintPrep::thumbnailClicked(QPoint point)
{
    const int index = positionAt(m_rectangles, point);
    if (index < 0)
        return;
    m_selection[index] = !m_selection[index];
    PaintBox1->update(m_rectangles[index].toQRect());
}

bool TLabelPrintPrep::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PaintBox1 && event->type() == QEvent::Paint) {
        paintThumbnail();
        return true;
    }
    if (watched == PaintBox1 && event->type() == QEvent::MouseButtonPress) {
        thumbnailClicked(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
