#include "platform/CanvasFontCache.h"

#include <QHashFunctions>

CanvasFontCache &CanvasFontCache::forThisThread()
{
    thread_local CanvasFontCache cache;
    return cache;
}

CanvasFontCache::Key CanvasFontCache::keyOf(const CanvasFont &font, int dpi, const QString &text)
{
    // The colour and the escapement are the painter's business, not the font's.
    return {font.name, font.height, font.style, font.pitch, dpi, text};
}

template<typename Value> void CanvasFontCache::keep(QHash<Key, Value> &table, Key key, Value value)
{
    if (table.size() >= maxEntries)
        table.clear();
    table.insert(std::move(key), std::move(value));
}

std::optional<QFont> CanvasFontCache::font(const CanvasFont &font) const
{
    const auto found = m_fonts.constFind(keyOf(font));
    return found == m_fonts.constEnd() ? std::nullopt : std::optional<QFont>(*found);
}

void CanvasFontCache::keepFont(const CanvasFont &font, const QFont &qfont)
{
    keep(m_fonts, keyOf(font), qfont);
}

std::optional<TextMetrics> CanvasFontCache::metrics(const CanvasFont &font, int dpi) const
{
    const auto found = m_metrics.constFind(keyOf(font, dpi));
    return found == m_metrics.constEnd() ? std::nullopt : std::optional<TextMetrics>(*found);
}

void CanvasFontCache::keepMetrics(const CanvasFont &font, int dpi, const TextMetrics &metrics)
{
    keep(m_metrics, keyOf(font, dpi), metrics);
}

std::optional<int> CanvasFontCache::width(const CanvasFont &font, int dpi, const QString &text) const
{
    const auto found = m_widths.constFind(keyOf(font, dpi, text));
    return found == m_widths.constEnd() ? std::nullopt : std::optional<int>(*found);
}

void CanvasFontCache::keepWidth(const CanvasFont &font, int dpi, const QString &text, int width)
{
    keep(m_widths, keyOf(font, dpi, text), width);
}

size_t qHash(const CanvasFontCache::Key &key, size_t seed)
{
    return qHashMulti(seed, key.name, key.height, key.style, int(key.pitch), key.dpi, key.text);
}
