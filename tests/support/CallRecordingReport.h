#pragma once

#include <QStringList>

#include "platform/Report.h"

// A report that writes each call down as text, with the pen and brush in force, for asserting
// what objects print.
class CallRecordingReport : public Report
{
public:
    explicit CallRecordingReport(double dpi = 300)
        : m_dpi(dpi)
    {
    }

    double xDpi() const override { return m_dpi; }
    double yDpi() const override { return m_dpi; }
    void setPen(const ReportPen &pen) override { this->pen = pen; }
    void setBrush(const ReportBrush &brush) override { this->brush = brush; }
    void moveTo(double x, double y) override { record("moveTo", {x, y}); }
    void lineTo(double x, double y) override { record("lineTo", {x, y}); }
    void rectangle(double x1, double y1, double x2, double y2) override
    {
        record("rectangle", {x1, y1, x2, y2});
    }
    void roundRect(double x1, double y1, double x2, double y2, double w, double h) override
    {
        record("roundRect", {x1, y1, x2, y2, w, h});
    }
    void ellipse(double x1, double y1, double x2, double y2) override { record("ellipse", {x1, y1, x2, y2}); }
    void stretchPicture(const QRectF &r, const QPicture &) override
    {
        record("stretchPicture", {r.left(), r.top(), r.right(), r.bottom()});
    }
    void stretchImage(const QRectF &r, const QImage &) override
    {
        record("stretchImage", {r.left(), r.top(), r.right(), r.bottom()});
    }

    QStringList calls;
    ReportPen pen;
    ReportBrush brush;

private:
    void record(const char *name, std::initializer_list<double> values)
    {
        QStringList numbers;
        for (const double value : values)
            numbers.append(QString::number(value, 'g', 10));
        calls.append(QString::fromLatin1(name) + QLatin1Char('(') + numbers.join(QStringLiteral(", ")) +
                     QLatin1Char(')'));
    }

    double m_dpi;
};
