#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

#include "design/TGGraphicControl.h"
#include "print/PainterReport.h"

// A label object that notes where and on which sheet it is printed, the drawing state it finds,
// and whatever `note` reads at that moment (such as a counter's caption).
class PrintProbe : public TGGraphicControl
{
public:
    struct Print
    {
        int page;
        QPointF corner;
        ReportPen pen;
        ReportBrush brush;
        ReportFont font;
        QString note;
    };

    explicit PrintProbe(QByteArray className = QByteArrayLiteral("TPrintProbe"))
        : m_className(std::move(className))
    {
    }

    QByteArray className() const override { return m_className; }
    void PrintAt(Report &report, double x, double y) override
    {
        auto &painterReport = dynamic_cast<PainterReport &>(report);
        prints.push_back({painterReport.pageNumber(),
                          {x, y},
                          painterReport.pen(),
                          painterReport.brush(),
                          painterReport.font(),
                          note ? note() : QString()});
        if (afterPrint)
            afterPrint(report);
    }

    std::vector<Print> prints;
    std::function<QString()> note;
    std::function<void(Report &)> afterPrint;

private:
    QByteArray m_className;
};
