#pragma once


#include "design/TGGraphicControl.h"
#include "objects/shapes/LineThicknessMenu.h"
#include "platform/Brush.h"
#include "platform/Pen.h"

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A rectangle, rounded rectangle or ellipse filling its bounds: outline pen and fill brush.
class TGLabelShapes : public TGGraphicControl
{
public:
    TGLabelShapes();

    static QByteArray staticClassName() { return QByteArrayLiteral("TGLabelShapes"); }
    QByteArray className() const override { return staticClassName(); }
    const PropertyTable &publishedProperties() const override;

    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    Brush &brush() { return m_brush; }
    const Brush &brush() const { return m_brush; }
    void setBrush(const Brush &brush) { m_brush = brush; }
    Pen &pen() { return m_pen; }
    const Pen &pen() const { return m_pen; }
    void setPen(const Pen &pen) { m_pen = pen; }
    int roundPerc() const { return m_roundPerc; }
    void setRoundPerc(int percent);
    TShapeType shape() const { return m_shape; }
    void setShape(TShapeType shape);

    // The corner ellipse of a rounded rectangle on screen, for a larger side of `side` pixels.
    static int cornerSize(int side, int roundPerc);
    // The pen width drawn on screen at the current zoom.
    int screenPenWidth() const;

    void Loaded() override;
    void Paint() override;
    void PopupOpening() override;
    void PrintAt(Report &report, double x, double y) override;

    void BackgroundColorClick();
    void LineColorClick();

private:
    Pen m_pen;
    Brush m_brush;
    bool m_transparent = false;
    TShapeType m_shape = TShapeType::stRectangle;
    int m_roundPerc = 25;
    LineThicknessMenu m_thicknessMenu;
    MenuItem *m_transparentItem = nullptr;
};
