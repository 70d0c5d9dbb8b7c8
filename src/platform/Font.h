#pragma once

#include <QFont>
#include <QString>

#include <functional>

#include "platform/Color.h"
#include "platform/GraphicsTypes.h"
#include "platform/Persistent.h"

// A font as documents describe it: the height in pixels (negative for the character height,
// positive for the cell height), the size in points derived from it at the screen's pixels per inch.
class Font : public Persistent
{
public:
    Font() = default;
    Font(const Font &other)
        : Persistent()
        , m_color(other.m_color)
        , m_height(other.m_height)
        , m_name(other.m_name)
        , m_pitch(other.m_pitch)
        , m_style(other.m_style)
    {
    }
    // Assignment copies the values, never the listener.
    Font &operator=(const Font &other);
    bool sameValues(const Font &other) const;

    TColor color() const { return m_color; }
    void setColor(TColor color);
    int height() const { return m_height; }
    void setHeight(int height);
    QString name() const { return m_name; }
    void setName(const QString &name);
    FontPitch pitch() const { return m_pitch; }
    void setPitch(FontPitch pitch);
    FontStyles style() const { return m_style; }
    void setStyle(FontStyles style);
    bool hasStyle(FontStyle member) const { return m_style & fontStyleBit(member); }
    void setStyleMember(FontStyle member, bool on);

    // Points: -MulDiv(Height, 72, ppi) and back.
    int size() const;
    void setSize(int points);

    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }
    const PropertyTable &publishedProperties() const override;

private:
    void changed();

    TColor m_color = Colors::clWindowText;
    int m_height = -11;
    QString m_name = QStringLiteral("MS Sans Serif");
    FontPitch m_pitch = FontPitch::fpDefault;
    FontStyles m_style = 0;
    std::function<void()> m_onChange;
};

const std::vector<QByteArray> &fontPitchNames();
const std::vector<QByteArray> &fontStyleNames();
