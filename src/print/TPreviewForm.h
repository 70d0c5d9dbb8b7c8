#pragma once

#include <QDialog>
#include <QSize>
#include <QSizeF>

#include <functional>

class QPushButton;
class QScrollArea;
class QToolButton;
class RecordingReport;

// The pages of a recorded job shown at a zoom inside a scroll box: zoom in and out in steps of ten
// points, fit the page width or the whole page, 100 %, and move between pages when there are two or
// more. A left click on the page zooms in, any other button zooms out.
class TPreviewForm : public QDialog
{
public:
    // Where the window reopens; the shell keeps it in its preferences file, in the section of the
    // form's objectName() ("TPreviewForm"), since the meta-object is QDialog's.
    struct Placement
    {
        std::function<void(QWidget &)> load;
        std::function<void(const QWidget &)> save;
    };

    // Start zooms with a meaning of their own; any other value is a percentage.
    static constexpr int WholePage = 1;
    static constexpr int PageWidth = 2;
    static constexpr double ZoomStep = 10;
    static constexpr double MinimumZoom = 10;
    static constexpr double MaximumZoom = 1000;
    // Blank border round the page, as a share of the page's shown width.
    static constexpr double PageMargin = 0.025;

    // The report must outlive the window.
    explicit TPreviewForm(const RecordingReport &report, QWidget *parent = nullptr, Placement placement = {});

    void setStartZoom(int startZoom) { m_startZoom = startZoom; }
    // Per cent of actual size.
    double zoom() const { return m_zoom; }
    void setZoom(double percent);
    // 0-based.
    int currentPage() const { return m_page; }
    int pageCount() const;
    void showPage(int page);

    void zoomIn() { setZoom(zoomedIn(m_zoom)); }
    void zoomOut() { setZoom(zoomedOut(m_zoom)); }
    void zoomToPageWidth();
    void zoomToWholePage();

    QWidget *pageView() const { return m_pageView; }
    QScrollArea *scrollBox() const { return m_scrollBox; }
    QToolButton *zoomInButton() const { return sbZoomIn; }
    QToolButton *zoomOutButton() const { return sbZoomOut; }
    QToolButton *pageWidthButton() const { return sbZoomPageWidth; }
    QToolButton *wholePageButton() const { return sbZoomPage; }
    QToolButton *zoom100Button() const { return zbZoom100; }
    QToolButton *firstPageButton() const { return sbFirstPage; }
    QToolButton *previousPageButton() const { return sbPrevPage; }
    QToolButton *nextPageButton() const { return sbNextPage; }
    QToolButton *lastPageButton() const { return sbLastPAge; }
    QPushButton *okButton() const { return m_ok; }

    // "Preview Page n of count ( zoom% )", page 0-based.
    static QString pageCaption(int page, int count, double zoom);
    static double zoomedIn(double zoom);
    static double zoomedOut(double zoom);
    // Zooms at which the page with its margins fits the viewport's width, or all of it.
    static double pageWidthZoom(QSizeF sheetInches, int viewportWidth, int pixelsPerInch);
    static double wholePageZoom(QSizeF sheetInches, QSize viewport, int pixelsPerInch);
    // The page view's size: the sheet at the zoom with its margins.
    static QSize viewSize(QSizeF sheetInches, double zoom, int pixelsPerInch);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *addToolButton(const QString &text, const QString &whatsThis);
    void paintPage();
    void scrollBy(int steps);
    void refresh();

    const RecordingReport &m_report;
    Placement m_placement;
    int m_startZoom = WholePage;
    double m_zoom = 100;
    int m_page = 0;
    bool m_firstActivation = true;

    QScrollArea *m_scrollBox;
    QWidget *m_pageView;
    QToolButton *sbZoomIn;
    QToolButton *sbZoomOut;
    QToolButton *sbZoomPageWidth;
    QToolButton *sbZoomPage;
    QToolButton *zbZoom100;
    QToolButton *sbFirstPage;
    QToolButton *sbPrevPage;
    QToolButton *sbNextPage;
    QToolButton *sbLastPAge;
    QPushButton *m_ok;
};
