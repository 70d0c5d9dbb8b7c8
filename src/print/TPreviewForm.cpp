#include "print/TPreviewForm.h"

#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "platform/Canvas.h"
#include "platform/DialogButtonBar.h"
#include "platform/Screen.h"
#include "print/RecordingReport.h"

namespace {
constexpr int HelpTopic = 1074;

// A magnifying glass, hot at the middle of its lens: clicks on the page zoom.
QCursor magnifyCursor()
{
    QPixmap glass(32, 32);
    glass.fill(Qt::transparent);
    QPainter painter(&glass);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.end();
    return QCursor(glass, 12, 12);
}

// The sheet's shown size in pixels at a zoom, without margins.
QSizeF sheetPixels(QSizeF sheetInches, double zoom, int pixelsPerInch)
{
    return sheetInches * (pixelsPerInch * zoom / 100.0);
}
} // namespace

TPreviewForm::TPreviewForm(const RecordingReport &report, QWidget *parent, Placement placement)
    : QDialog(parent)
    , m_report(report)
    , m_placement(std::move(placement))
    , m_scrollBox(new QScrollArea(this))
    , m_pageView(new QWidget)
{
    setObjectName(QStringLiteral("TPreviewForm"));
    setWindowTitle(QStringLiteral("Label Preview"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    resize(640, 560);

    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    m_scrollBox->setWidget(m_pageView);
    m_pageView->setObjectName(QStringLiteral("FilePreview1"));
    m_pageView->setCursor(magnifyCursor());
    m_pageView->installEventFilter(this);
    m_scrollBox->installEventFilter(this);

    auto *buttons = new DialogButtonBar(*this, HelpTopic);
    m_ok = buttons->okButton();
    m_ok->setWhatsThis(QStringLiteral("Click here to close and return to the previous screen"));
    buttons->cancelButton()->hide();
    buttons->helpButton()->setWhatsThis(QStringLiteral("Click to bring up Windows Help for the program"));
    buttons->mouseHelpButton()->setWhatsThis(
        QStringLiteral("Click to bring up Windows Help for the program"));

    auto *bar = new QHBoxLayout;
    sbZoomIn = addToolButton(QStringLiteral("+"), QStringLiteral("Click here to Zoom in."));
    sbZoomOut = addToolButton(QStringLiteral("-"), QStringLiteral("Click here to Zoom out."));
    sbZoomPageWidth =
        addToolButton(QStringLiteral("Width"),
                      QStringLiteral("Click here to make the width of the page fit into the preview."));
    sbZoomPage = addToolButton(QStringLiteral("Page"), QStringLiteral("Click here to see the full page."));
    zbZoom100 = addToolButton(QStringLiteral("100%"),
                              QStringLiteral("Click here to make the preview 100% of actual size"));
    sbFirstPage = addToolButton(QStringLiteral("|<"), QStringLiteral("Click here to see the first page"));
    sbPrevPage = addToolButton(QStringLiteral("<"), QStringLiteral("Click here to see the previous page."));
    sbNextPage = addToolButton(QStringLiteral(">"), QStringLiteral("Click here to see the next page."));
    sbLastPAge = addToolButton(QStringLiteral(">|"), QStringLiteral("Click here to see the last page"));
    for (QToolButton *button : {sbZoomIn, sbZoomOut, sbZoomPageWidth, sbZoomPage, zbZoom100, sbFirstPage,
                                sbPrevPage, sbNextPage, sbLastPAge})
        bar->addWidget(button);
    bar->addWidget(buttons, 1);

    auto *column = new QVBoxLayout(this);
    column->addWidget(m_scrollBox, 1);
    column->addLayout(bar);

    connect(sbZoomIn, &QToolButton::clicked, this, &TPreviewForm::zoomIn);
    connect(sbZoomOut, &QToolButton::clicked, this, &TPreviewForm::zoomOut);
    connect(sbZoomPageWidth, &QToolButton::clicked, this, &TPreviewForm::zoomToPageWidth);
    connect(sbZoomPage, &QToolButton::clicked, this, &TPreviewForm::zoomToWholePage);
    connect(zbZoom100, &QToolButton::clicked, this, [this] { setZoom(100); });
    connect(sbFirstPage, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(sbPrevPage, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(sbNextPage, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(sbLastPAge, &QToolButton::clicked, this, [this] { showPage(pageCount() - 1); });
}

QToolButton *TPreviewForm::addToolButton(const QString &text, const QString &whatsThis)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setWhatsThis(whatsThis);
    button->setToolTip(whatsThis);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

int TPreviewForm::pageCount() const
{
    return static_cast<int>(m_report.pages().size());
}

QString TPreviewForm::pageCaption(int page, int count, double zoom)
{
    return QStringLiteral("Preview Page %1 of %2 ( %3% )").arg(page + 1).arg(count).arg(std::lround(zoom));
}

double TPreviewForm::zoomedIn(double zoom)
{
    return std::min(zoom + ZoomStep, MaximumZoom);
}

double TPreviewForm::zoomedOut(double zoom)
{
    return std::max(zoom - ZoomStep, MinimumZoom);
}

double TPreviewForm::pageWidthZoom(QSizeF sheetInches, int viewportWidth, int pixelsPerInch)
{
    if (sheetInches.width() <= 0 || pixelsPerInch <= 0)
        return 100;
    const double fitting = viewportWidth / (sheetInches.width() * pixelsPerInch * (1 + 2 * PageMargin));
    return std::clamp(fitting * 100, MinimumZoom, MaximumZoom);
}

double TPreviewForm::wholePageZoom(QSizeF sheetInches, QSize viewport, int pixelsPerInch)
{
    if (sheetInches.height() <= 0 || pixelsPerInch <= 0)
        return 100;
    // The margins are a share of the width on all four sides.
    const double marginInches = 2 * PageMargin * sheetInches.width();
    const double fitting = viewport.height() / ((sheetInches.height() + marginInches) * pixelsPerInch);
    return std::min(pageWidthZoom(sheetInches, viewport.width(), pixelsPerInch),
                    std::clamp(fitting * 100, MinimumZoom, MaximumZoom));
}

QSize TPreviewForm::viewSize(QSizeF sheetInches, double zoom, int pixelsPerInch)
{
    const QSizeF sheet = sheetPixels(sheetInches, zoom, pixelsPerInch);
    const int margin = static_cast<int>(std::lround(PageMargin * sheet.width()));
    return QSize(static_cast<int>(std::lround(sheet.width())) + 2 * margin,
                 static_cast<int>(std::lround(sheet.height())) + 2 * margin);
}

void TPreviewForm::setZoom(double percent)
{
    m_zoom = std::clamp(percent, MinimumZoom, MaximumZoom);
    refresh();
}

void TPreviewForm::zoomToPageWidth()
{
    const int scrollBar = m_scrollBox->verticalScrollBar()->sizeHint().width();
    setZoom(pageWidthZoom(m_report.sheetInches(), m_scrollBox->viewport()->width() - scrollBar,
                          Screen::pixelsPerInch()));
}

void TPreviewForm::zoomToWholePage()
{
    setZoom(
        wholePageZoom(m_report.sheetInches(), m_scrollBox->maximumViewportSize(), Screen::pixelsPerInch()));
}

void TPreviewForm::showPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    refresh();
}

void TPreviewForm::refresh()
{
    m_pageView->resize(viewSize(m_report.sheetInches(), m_zoom, Screen::pixelsPerInch()));
    m_pageView->update();
    setWindowTitle(pageCaption(m_page, pageCount(), m_zoom));
}

void TPreviewForm::paintPage()
{
    Canvas canvas(m_pageView);
    const QSize view = m_pageView->size();
    const QSizeF sheet = sheetPixels(m_report.sheetInches(), m_zoom, Screen::pixelsPerInch());
    const int margin = static_cast<int>(std::lround(PageMargin * sheet.width()));
    const int right = margin + static_cast<int>(std::lround(sheet.width()));
    const int bottom = margin + static_cast<int>(std::lround(sheet.height()));

    CanvasBrush background;
    background.color = Colors::clGray;
    canvas.SetBrush(background);
    canvas.FillRect(0, 0, view.width(), view.height());
    canvas.SetBrush(CanvasBrush());
    canvas.SetPen(CanvasPen());
    canvas.Rectangle(margin - 1, margin - 1, right + 1, bottom + 1);
    if (m_page < pageCount())
        canvas.StretchDraw(margin, margin, right, bottom, m_report.pages()[m_page]);
}

void TPreviewForm::scrollBy(int steps)
{
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + steps * bar->singleStep(), bar->minimum(), bar->maximum()));
}

void TPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    if (m_placement.load)
        m_placement.load(*this);
    const bool severalPages = pageCount() >= 2;
    for (QToolButton *button : {sbFirstPage, sbPrevPage, sbNextPage, sbLastPAge})
        button->setVisible(severalPages);
    if (m_startZoom == WholePage)
        zoomToWholePage();
    else if (m_startZoom == PageWidth)
        zoomToPageWidth();
    else
        setZoom(m_startZoom);
}

void TPreviewForm::done(int result)
{
    if (m_placement.save)
        m_placement.save(*this);
    QDialog::done(result);
}

void TPreviewForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        scrollBy(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pageView && event->type() == QEvent::Paint) {
        paintPage();
        return true;
    }
    if (watched == m_pageView && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            zoomIn();
        else
            zoomOut();
        return true;
    }
    if (watched == m_scrollBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            scrollBy(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
