#include "objects/shapes/TGLineShape.h"

#include "design/DesignSurface.h"
#include "platform/Canvas.h"
#include "platform/ColorDialog.h"
#include "platform/Numbers.h"
#include "platform/Report.h"
#include "platform/Screen.h"

namespace {
const std::vector<QByteArray> &lineStyleNames()
{
    static const std::vector<QByteArray> names{"stHorizontal", "stVertical", "stAngleSlopingUp",
                                               "stAngleSlopingDown"};
    return names;
}
} // namespace

TGLineShape::TGLineShape()
{
    setBounds(0, 0, 10, 10);
    m_pen.setOnChange([this] { Invalidate(); });
}

const PropertyTable &TGLineShape::publishedProperties() const
{
    using namespace Published;
    static const PropertyTable table = inheritProperties(
        baseProperties(), {
                              enumeration("LineStyle", &TGLineShape::lineStyle, &TGLineShape::setLineStyle,
                                          lineStyleNames(), TLineStyle::stHorizontal),
                              nested("Pen", static_cast<Pen &(TGLineShape::*)()>(&TGLineShape::pen)),
                          });
    return table;
}

void TGLineShape::setLineStyle(TLineStyle style)
{
    if (style == m_lineStyle)
        return;
    m_lineStyle = style;
    Invalidate();
}

void TGLineShape::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    MenuItem *styles = menu.add(QStringLiteral("Style"));
    const std::array<std::pair<const char *, TLineStyle>, 4> styleItems{{
        {"Horizontal", TLineStyle::stHorizontal},
        {"Vertical", TLineStyle::stVertical},
        {"Angled Sloping Up", TLineStyle::stAngleSlopingUp},
        {"Angled Sloping Down", TLineStyle::stAngleSlopingDown},
    }};
    for (std::size_t i = 0; i < styleItems.size(); ++i) {
        const TLineStyle style = styleItems[i].second;
        m_styleItems[i] = styles->add(QString::fromLatin1(styleItems[i].first), [this, style] {
            NotifyChanged();
            setLineStyle(style);
        });
    }
    menu.add(QStringLiteral("Color"), [this] { ColorClick(); });
    m_thicknessMenu.addTo(menu, [this](int width) {
        m_pen.setWidth(width);
        NotifyChanged();
    });
    menu.addSeparator();
    menu.add(QStringLiteral("Stretch To Edges"), [this] { StretchToEdges(); });
}

void TGLineShape::PopupOpening()
{
    m_thicknessMenu.showWidth(m_pen.width());
    for (std::size_t i = 0; i < m_styleItems.size(); ++i) {
        if (m_styleItems[i])
            m_styleItems[i]->setChecked(m_lineStyle == TLineStyle(i));
    }
}

void TGLineShape::ColorClick()
{
    if (const auto color = ColorDialog::choose(m_pen.color())) {
        NotifyChanged();
        m_pen.setColor(*color);
        Invalidate();
    }
}

void TGLineShape::StretchToEdges()
{
    if (!parentIsDesignPanel())
        return;
    const DesignSurface &panel = *parentSurface();
    if (m_lineStyle == TLineStyle::stHorizontal)
        setBounds(0, top(), panel.surfaceWidth(), height());
    else if (m_lineStyle == TLineStyle::stVertical)
        setBounds(left(), 0, width(), panel.surfaceHeight());
    Invalidate();
}

int TGLineShape::screenPenWidth() const
{
    if (scale() == 1.0f)
        return m_pen.width();
    return int(Round(double(m_pen.width()) * double(scale())));
}

void TGLineShape::Paint()
{
    Canvas &canvas = *DrawCanvas;
    const int w = screenPenWidth();
    canvas.SetPen({m_pen.color(), w, m_pen.style(), m_pen.mode()});
    // Straight lines are inset by half the pen so the whole stroke lies inside the bounds.
    const int h = Div(w, 2);
    canvas.MoveTo(h, h);
    switch (m_lineStyle) {
    case TLineStyle::stHorizontal:
        canvas.LineTo(width() - w + 1 + h, h);
        break;
    case TLineStyle::stVertical:
        canvas.LineTo(h, height() - w + 1 + h);
        break;
    case TLineStyle::stAngleSlopingUp:
        canvas.MoveTo(width(), 0);
        canvas.LineTo(0, height());
        break;
    case TLineStyle::stAngleSlopingDown:
        canvas.MoveTo(0, 0);
        canvas.LineTo(width(), height());
        break;
    }
    if (paintingOnOwnCanvas()) {
        BoundsChanged();
        PaintHandles();
    }
}

void TGLineShape::PrintAt(Report &report, double x, double y)
{
    const double p = Screen::pixelsPerInch();
    const int w = m_pen.width();
    // A negative width is hundredths of an inch: the line prints as wide whatever the screen.
    report.setPen({m_pen.color(), m_pen.style(), PenMode::pmCopy, -w});
    const double x1 = x + left() / p;
    const double x2 = x + (left() + width()) / p;
    const double yt = y + (top() + Div(w, 2)) / p;
    const double yb = y + (top() + height() + Div(w, 2)) / p;
    switch (m_lineStyle) {
    case TLineStyle::stHorizontal:
        report.moveTo(x1, yt);
        report.lineTo(x2, yt);
        break;
    case TLineStyle::stVertical:
        report.moveTo(x1, yt);
        report.lineTo(x1, yb);
        break;
    case TLineStyle::stAngleSlopingUp:
        report.moveTo(x1, yb);
        report.lineTo(x2, yt);
        break;
    case TLineStyle::stAngleSlopingDown:
        report.moveTo(x1, yt);
        report.lineTo(x2, yb);
        break;
    }
}
