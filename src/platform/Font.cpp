#include "platform/Font.h"

#include "platform/Numbers.h"
#include "platform/Screen.h"

Font &Font::operator=(const Font &other)
{
    if (this != &other && !sameValues(other)) {
        m_color = other.m_color;
        m_height = other.m_height;
        m_name = other.m_name;
        m_pitch = other.m_pitch;
        m_style = other.m_style;
        changed();
    }
    return *this;
}

bool Font::sameValues(const Font &other) const
{
    return m_color == other.m_color && m_height == other.m_height && m_name == other.m_name &&
           m_pitch == other.m_pitch && m_style == other.m_style;
}

void Font::setColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        changed();
    }
}

void Font::setHeight(int height)
{
    if (height != m_height) {
        m_height = height;
        changed();
    }
}

void Font::setName(const QString &name)
{
    if (name != m_name) {
        m_name = name;
        changed();
    }
}

void Font::setPitch(FontPitch pitch)
{
    if (pitch != m_pitch) {
        m_pitch = pitch;
        changed();
    }
}

void Font::setStyle(FontStyles style)
{
    style &= 0xF;
    if (style != m_style) {
        m_style = style;
        changed();
    }
}

void Font::setStyleMember(FontStyle member, bool on)
{
    setStyle(on ? (m_style | fontStyleBit(member)) : (m_style & ~fontStyleBit(member)));
}

int Font::size() const
{
    return -MulDiv(m_height, 72, Screen::pixelsPerInch());
}

void Font::setSize(int points)
{
    setHeight(-MulDiv(points, Screen::pixelsPerInch(), 72));
}

void Font::changed()
{
    if (m_onChange)
        m_onChange();
}

const std::vector<QByteArray> &fontPitchNames()
{
    static const std::vector<QByteArray> names{"fpDefault", "fpVariable", "fpFixed"};
    return names;
}

const std::vector<QByteArray> &fontStyleNames()
{
    static const std::vector<QByteArray> names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

const PropertyTable &Font::publishedProperties() const
{
    using namespace Published;
    static const PropertyTable table = [] {
        PropertyTable properties{
            ordinal("Color", PropertyKind::Color, &Font::color, &Font::setColor),
            integer("Height", &Font::height, &Font::setHeight),
            string("Name", &Font::name, &Font::setName),
            enumeration("Pitch", &Font::pitch, &Font::setPitch, fontPitchNames(), FontPitch::fpDefault),
            ordinal("Style", PropertyKind::Set, &Font::style, &Font::setStyle, std::nullopt,
                    fontStyleNames()),
        };
        return properties;
    }();
    return table;
}
