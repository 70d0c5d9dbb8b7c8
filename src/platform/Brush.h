#pragma once

#include <functional>

#include "platform/Color.h"
#include "platform/GraphicsTypes.h"
#include "platform/Persistent.h"

// A brush value that tells its owner about every change.
class Brush : public Persistent
{
public:
    Brush() = default;
    Brush(const Brush &other)
        : Persistent()
        , m_color(other.m_color)
        , m_style(other.m_style)
    {
    }
    // Assignment copies the values, never the listener.
    Brush &operator=(const Brush &other);

    TColor color() const { return m_color; }
    void setColor(TColor color);
    BrushStyle style() const { return m_style; }
    void setStyle(BrushStyle style);

    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }
    const PropertyTable &publishedProperties() const override;

private:
    void changed();

    TColor m_color = Colors::clWhite;
    BrushStyle m_style = BrushStyle::bsSolid;
    std::function<void()> m_onChange;
};

const std::vector<QByteArray> &brushStyleNames();
