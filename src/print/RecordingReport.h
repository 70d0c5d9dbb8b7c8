#pragma once

#include <QPicture>
#include <QSizeF>

#include <vector>

#include "print/PainterReport.h"

// A job kept in memory for the preview: one recording per sheet, framed by the sheet at the
// report's resolution, so that a sheet replays through Canvas::StretchDraw at any size.
class RecordingReport : public PainterReport
{
public:
    static constexpr int defaultResolution = 600;

    explicit RecordingReport(QSizeF sheetInches, int resolution = defaultResolution);
    ~RecordingReport() override;

    double xDpi() const override { return m_resolution; }
    double yDpi() const override { return m_resolution; }
    QSizeF sheetInches() const { return m_sheet; }

    // The sheets of the last job; complete once the job has finished.
    const std::vector<QPicture> &pages() const { return m_pages; }

protected:
    QPaintDevice &beginDevice() override;
    void nextSheet(QPainter &painter) override;
    void endDevice() override;

private:
    void frameLastPage();

    QSizeF m_sheet;
    int m_resolution;
    std::vector<QPicture> m_pages;
};
