#include "platform/Pen.h"

Pen &Pen::operator=(const Pen &other)
{
    if (this != &other && !sameValues(other)) {
        m_color = other.m_color;
        m_width = other.m_width;
        m_style = other.m_style;
        m_mode = other.m_mode;
        changed();
    }
    return *this;
}

bool Pen::sameValues(const Pen &other) const
{
    return m_color == other.m_color && m_width == other.m_width && m_style == other.m_style &&
           m_mode == other.m_mode;
}

void Pen::setColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        changed();
    }
}

void Pen::setWidth(int width)
{
    if (width != m_width) {
        m_width = width;
        changed();
    }
}

void Pen::setStyle(PenStyle style)
{
    if (style != m_style) {
        m_style = style;
        changed();
    }
}

void Pen::setMode(PenMode mode)
{
    if (mode != m_mode) {
        m_mode = mode;
        changed();
    }
}

void Pen::changed()
{
    if (m_onChange)
        m_onChange();
}

const std::vector<QByteArray> &penStyleNames()
{
    static const std::vector<QByteArray> names{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                               "psDashDotDot", "psClear", "psInsideFrame"};
    return names;
}

const std::vector<QByteArray> &penModeNames()
{
    static const std::vector<QByteArray> names{
        "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
        "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
        "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
    return names;
}

const PropertyTable &Pen::publishedProperties() const
{
    using namespace Published;
    static const PropertyTable table{
        ordinal("Color", PropertyKind::Color, &Pen::color, &Pen::setColor, Colors::clBlack),
        enumeration("Mode", &Pen::mode, &Pen::setMode, penModeNames(), PenMode::pmCopy),
        enumeration("Style", &Pen::style, &Pen::setStyle, penStyleNames(), PenStyle::psSolid),
        integer("Width", &Pen::width, &Pen::setWidth, 1),
    };
    return table;
}
