#pragma once

#include <array>

#include "design/TGGraphicControl.h"
#include "objects/shapes/LineThicknessMenu.h"
#include "platform/Pen.h"

enum class TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };

// A straight line in its bounds: horizontal, vertical or either diagonal.
class TGLineShape : public TGGraphicControl
{
public:
    TGLineShape();

    static QByteArray staticClassName() { return QByteArrayLiteral("TGLineShape"); }
    QByteArray className() const override { return staticClassName(); }
    const PropertyTable &publishedProperties() const override;

    TLineStyle lineStyle() const { return m_lineStyle; }
    void setLineStyle(TLineStyle style);
    Pen &pen() { return m_pen; }
    const Pen &pen() const { return m_pen; }
    void setPen(const Pen &pen) { m_pen = pen; }

    // The pen width drawn on screen at the current zoom.
    int screenPenWidth() const;

    void Loaded() override;
    void Paint() override;
    void PopupOpening() override;
    void PrintAt(Report &report, double x, double y) override;
    void StretchToEdges();
    void ColorClick();

private:
    Pen m_pen;
    TLineStyle m_lineStyle = TLineStyle::stHorizontal;
    std::array<MenuItem *, 4> m_styleItems{};
    LineThicknessMenu m_thicknessMenu;
};
