#include "objects/shapes/TGLabelShapes.h"

#include "design/DesignSurface.h"
#include "platform/Canvas.h"
#include "platform/ColorDialog.h"
#include "platform/Numbers.h"
#include "platform/Report.h"
#include "platform/Screen.h"

namespace {
const std::vector<QByteArray> &shapeTypeNames()
{
    static const std::vector<QByteArray> names{"stRectangle",   "stSquare",  "stRoundRect",
                                               "stRoundSquare", "stEllipse", "stCircle"};
    return names;
}

bool isRounded(TShapeType shape)
{
    return shape == TShapeType::stRoundRect || shape == TShapeType::stRoundSquare;
}
bool isEllipse(TShapeType shape)
{
    return shape == TShapeType::stEllipse || shape == TShapeType::stCircle;
}
} // namespace

TGLabelShapes::TGLabelShapes()
{
    setBounds(0, 0, 25, 25);
    m_pen.setOnChange([this] { Invalidate(); });
    m_brush.setOnChange([this] { Invalidate(); });
}

const PropertyTable &TGLabelShapes::publishedProperties() const
{
    using namespace Published;
    using Self = TGLabelShapes;
    static const PropertyTable table = inheritProperties(
        baseProperties(),
        {
            boolean("Transparent", &Self::transparent, &Self::setTransparent),
            nested("Brush", static_cast<Brush &(Self::*)()>(&Self::brush)),
            nested("Pen", static_cast<Pen &(Self::*)()>(&Self::pen)),
            integer("RoundPerc", &Self::roundPerc, &Self::setRoundPerc, 25),
            enumeration("Shape", &Self::shape, &Self::setShape, shapeTypeNames(), TShapeType::stRectangle),
        });
    return table;
}

void TGLabelShapes::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    m_brush.setStyle(transparent ? BrushStyle::bsClear : BrushStyle::bsSolid);
    Invalidate();
}

void TGLabelShapes::setRoundPerc(int percent)
{
    if (percent == m_roundPerc)
        return;
    m_roundPerc = percent;
    Invalidate();
}

void TGLabelShapes::setShape(TShapeType shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    Invalidate();
}

int TGLabelShapes::cornerSize(int side, int roundPerc)
{
    // In 80-bit precision 0.01 lies just below one hundredth, so some whole products truncate one
    // lower (20 % of 100 gives 19); documents were drawn that way.
    const long double factor = roundPerc * 0.01L;
    return int(std::trunc(side * factor));
}

int TGLabelShapes::screenPenWidth() const
{
    if (scale() == 1.0f)
        return m_pen.width();
    const int zoomed = int(Round(double(m_pen.width()) * double(scale())));
    return zoomed <= 0 && m_pen.width() > 0 ? 1 : zoomed;
}

void TGLabelShapes::Paint()
{
    Canvas &canvas = *DrawCanvas;
    const int side = std::max(width(), height());
    const int w = screenPenWidth();
    canvas.SetPen({m_pen.color(), w, PenStyle::psSolid, m_pen.mode()});
    canvas.SetBrush({m_brush.color(), m_brush.style()});
    const int h = Div(w, 2);
    const int right = width() - w + 1 + h;
    const int bottom = height() - w + 1 + h;
    if (isRounded(m_shape)) {
        const int c = cornerSize(side, m_roundPerc);
        canvas.RoundRect(h, h, right, bottom, c, c);
    } else if (isEllipse(m_shape)) {
        canvas.Ellipse(h, h, right, bottom);
    } else {
        canvas.Rectangle(h, h, right, bottom);
    }
    if (paintingOnOwnCanvas()) {
        PaintHandles();
        BoundsChanged();
    }
}

void TGLabelShapes::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Background Color"), [this] { BackgroundColorClick(); });
    menu.add(QStringLiteral("Line Color"), [this] { LineColorClick(); });
    m_thicknessMenu.addTo(menu, [this](int width) {
        m_pen.setWidth(width);
        NotifyChanged();
    });
    menu.addSeparator();
    m_transparentItem = menu.add(QStringLiteral("Transparent"), [this] {
        setTransparent(!m_transparent);
        NotifyChanged();
    });
    if (isRounded(m_shape)) {
        menu.addSeparator();
        MenuItem *rounding = menu.add(QStringLiteral("Degree of Rounding"));
        for (int percent = 20; percent <= 80; percent += 10) {
            rounding->add(QStringLiteral("%1 %").arg(percent), [this, percent] {
                setRoundPerc(percent);
                NotifyChanged();
            });
        }
    }
}

void TGLabelShapes::PopupOpening()
{
    if (m_transparentItem)
        m_transparentItem->setChecked(m_transparent);
    m_thicknessMenu.showWidth(m_pen.width());
}

void TGLabelShapes::BackgroundColorClick()
{
    if (const auto color = ColorDialog::choose(m_brush.color())) {
        m_brush.setColor(*color);
        NotifyChanged();
        setTransparent(false);
        Invalidate();
    }
}

void TGLabelShapes::LineColorClick()
{
    if (const auto color = ColorDialog::choose(m_pen.color())) {
        m_pen.setColor(*color);
        NotifyChanged();
        Invalidate();
    }
}

void TGLabelShapes::PrintAt(Report &report, double x, double y)
{
    const double p = Screen::pixelsPerInch();
    report.setPen({m_pen.color(), m_pen.style(), m_pen.mode(), -int(Trunc(m_pen.width() / p * 100))});
    report.setBrush({m_brush.color(), m_brush.style()});
    const double x1 = x + left() / p;
    const double y1 = y + top() / p;
    const double x2 = x + (left() + width()) / p;
    const double y2 = y + (top() + height()) / p;
    if (isRounded(m_shape)) {
        const double r = m_roundPerc * 0.01 * (height() < width() ? x2 - x1 : y2 - y1);
        report.roundRect(x1, y1, x2, y2, r, r);
    } else if (isEllipse(m_shape)) {
        report.ellipse(x1, y1, x2, y2);
    } else {
        report.rectangle(x1, y1, x2, y2);
    }
}
