#include "platform/Brush.h"

Brush &Brush::operator=(const Brush &other)
{
    if (this != &other && (m_color != other.m_color || m_style != other.m_style)) {
        m_color = other.m_color;
        m_style = other.m_style;
        changed();
    }
    return *this;
}

void Brush::setColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        changed();
    }
}

void Brush::setStyle(BrushStyle style)
{
    if (style != m_style) {
        m_style = style;
        changed();
    }
}

void Brush::changed()
{
    if (m_onChange)
        m_onChange();
}

const std::vector<QByteArray> &brushStyleNames()
{
    static const std::vector<QByteArray> names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                               "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names;
}

const PropertyTable &Brush::publishedProperties() const
{
    using namespace Published;
    static const PropertyTable table{
        ordinal("Color", PropertyKind::Color, &Brush::color, &Brush::setColor, Colors::clWhite),
        enumeration("Style", &Brush::style, &Brush::setStyle, brushStyleNames(), BrushStyle::bsSolid),
    };
    return table;
}
