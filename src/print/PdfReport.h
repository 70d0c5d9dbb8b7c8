#pragma once

#include <QSizeF>
#include <QString>

#include <memory>

#include "print/PainterReport.h"
#include "print/ReportPaper.h"

class QPdfWriter;

// A job written to a PDF file, one page per sheet. A cancelled job leaves no file behind.
class PdfReport : public PainterReport
{
public:
    static constexpr int defaultResolution = 1200;

    // Without a paper of its own the page is `fallbackSheet` inches (a non-positive size: Letter).
    PdfReport(const QString &path, ReportPaper paper, QSizeF fallbackSheet = {},
              int resolution = defaultResolution, const QString &title = QStringLiteral("Pellora"));
    ~PdfReport() override;

    double xDpi() const override { return m_resolution; }
    double yDpi() const override { return m_resolution; }

protected:
    QPaintDevice &beginDevice() override;
    void nextSheet(QPainter &painter) override;
    void endDevice() override;

private:
    QString m_path;
    int m_resolution;
    std::unique_ptr<QPdfWriter> m_writer;
};
