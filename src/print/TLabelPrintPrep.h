#pragma once

#include <QDialog>
#include <QPoint>
#include <QSizeF>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include "layout/TLabelLayout.h"
#include "platform/EdgeRect.h"
#include "print/ReportPaper.h"
#include "print/TPreviewForm.h"

class PainterReport;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TGBasePanel;
class TGPelloraPanel32;

// What print preparation needs from the program around it.
struct PrintPrepContext
{
    // Where the frozen copy of the document is written as "PQ<n>.TMP".
    QString tempFolder;
    bool printerReady = false;
    QStringList printers;
    QString currentPrinter;
    PrinterNudges nudges;
    // The chosen printer becomes the current one of every later job.
    std::function<void(const QString &printer)> printerChosen;
    // "&Setup": the printer setup dialog; gives the printer current afterwards. Without it the
    // system's print dialog opens.
    std::function<QString(QWidget *parent, const QString &current)> setupPrinter;
    // The report of a print job; without it the system printer of that name. Nothing means the
    // user cancelled (choosing a file to print to, say) and no job runs.
    std::function<std::unique_ptr<PainterReport>(const QString &printer, ReportPaper paper)>
        makePrinterReport;
    // Shows a dialog modally; without it exec().
    std::function<void(QDialog &)> showModal;
    std::function<void(QWidget &)> centerForm;
    TPreviewForm::Placement previewPlacement;
};

// "Labels Print": a thumbnail of the sheet at one fifth of its size on which label positions are
// clicked on or off, the printer and the number of sheets, then a print or a preview of a frozen
// copy of the design held on a hidden panel.
class TLabelPrintPrep : public QDialog
{
public:
    static inline const QString NoPrinterMessage =
        QStringLiteral("No printers and/or no default printer found.\rPrint related action cannot continue.");
    static inline const QString ErrorMessage =
        QStringLiteral("An error was encountered trying Print/Preview.\r (possibly Printer Driver related)");
    static inline const QString NothingSelectedMessage = QStringLiteral("Need at least one label selected");
    static constexpr int HelpTopic = 1019;
    static constexpr int MaximumTemporaryNumber = 99999;

    // The print command: freezes the panel's design at zoom 1 into a temporary document, loads it
    // into the dialog, shows the dialog and deletes the file. Failures are told in an information box.
    static void run(QWidget *parent, TGBasePanel &panel, const TLabelLayout &layout,
                    const PrintPrepContext &context);

    TLabelPrintPrep(const TLabelLayout &layout, PrintPrepContext context, QWidget *parent = nullptr);
    ~TLabelPrintPrep() override;

    // The hidden panel the frozen copy is loaded into.
    TGPelloraPanel32 &panel() const { return *m_panel; }
    const std::vector<bool> &selection() const { return m_selection; }
    const std::vector<EdgeRect> &labelRectangles() const { return m_rectangles; }

    void SelectAllClick();
    void SelectnoneClick();
    void PrintButtonClick() { startJob(true); }
    void PreviewButtonClick() { startJob(false); }
    void SetupButtonClick();

    QWidget *thumbnail() const { return PaintBox1; }
    QComboBox *printerCombo() const { return PrinterCombo; }
    QSpinBox *pagesEdit() const { return sNumberOfPagesToPrint; }
    QLabel *labelsPerPageCaption() const { return LabelsPerPageCaption; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *previewButton() const { return m_preview; }
    QPushButton *setupButton() const { return m_setup; }
    QPushButton *allButton() const { return SelectAll; }
    QPushButton *noneButton() const { return Selectnone; }
    QPushButton *cancelButton() const { return m_cancel; }

    // The first "PQ<n>.TMP" in the folder that does not exist; empty when all are taken.
    static QString temporaryFileName(const QString &folder);
    // Each position's thumbnail rectangle by index row x across + column, gutters included.
    static std::vector<EdgeRect> thumbnailRectangles(const TLabelLayout &layout, int pixelsPerInch);
    static EdgeRect thumbnailPage(const TLabelLayout &layout, int pixelsPerInch);
    // The position under a point (left and top edges inside, right and bottom outside), or -1.
    static int positionAt(const std::vector<EdgeRect> &rectangles, QPoint point);
    // "(n labels per page)".
    static QString labelsPerPageText(const TLabelLayout &layout);
    static int pagesToPrint(int pagesValue) { return pagesValue < 1 ? 1 : pagesValue; }
    // The layout as the filer keeps it with the document copy: numbers and paper, no names or codes.
    static TLabelLayout recordForCopy(const TLabelLayout &layout);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startJob(bool print);
    void runJob(bool print);
    void showModal(QDialog &dialog) const;
    void paintThumbnail();
    void thumbnailClicked(QPoint point);
    void selectPrinter(const QString &name);
    void PrinterComboChange(int index);

    TLabelLayout m_layout;
    PrintPrepContext m_context;
    int m_pixelsPerInch;
    std::vector<EdgeRect> m_rectangles;
    std::vector<bool> m_selection;
    // The hidden panel's own clipboard and spare files must not touch the main window's.
    QTemporaryDir m_panelFolder;
    std::unique_ptr<TGPelloraPanel32> m_panel;

    QWidget *PaintBox1;
    QPushButton *SelectAll;
    QPushButton *Selectnone;
    QComboBox *PrinterCombo;
    QSpinBox *sNumberOfPagesToPrint;
    QLabel *LabelsPerPageCaption;
    QPushButton *m_cancel;
    QPushButton *m_print;
    QPushButton *m_preview;
    QPushButton *m_setup;
};
