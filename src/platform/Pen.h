#pragma once

#include <functional>

#include "platform/Color.h"
#include "platform/GraphicsTypes.h"
#include "platform/Persistent.h"

// A pen value that tells its owner about every change, so the owner can repaint.
class Pen : public Persistent
{
public:
    Pen() = default;
    Pen(const Pen &other)
        : Persistent()
        , m_color(other.m_color)
        , m_width(other.m_width)
        , m_style(other.m_style)
        , m_mode(other.m_mode)
    {
    }
    // Assignment copies the values, never the listener.
    Pen &operator=(const Pen &other);

    TColor color() const { return m_color; }
    void setColor(TColor color);
    int width() const { return m_width; }
    void setWidth(int width);
    PenStyle style() const { return m_style; }
    void setStyle(PenStyle style);
    PenMode mode() const { return m_mode; }
    void setMode(PenMode mode);

    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }
    const PropertyTable &publishedProperties() const override;
    bool sameValues(const Pen &other) const;

private:
    void changed();

    TColor m_color = Colors::clBlack;
    int m_width = 1;
    PenStyle m_style = PenStyle::psSolid;
    PenMode m_mode = PenMode::pmCopy;
    std::function<void()> m_onChange;
};

const std::vector<QByteArray> &penStyleNames();
const std::vector<QByteArray> &penModeNames();
