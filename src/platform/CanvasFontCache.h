#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <optional>

#include "platform/Canvas.h"

// What drawing a sheet of labels asks for over and over: every label builds the same Qt fonts,
// reads the same font metrics and measures its text for its layout just before drawing it. Each
// table forgets everything once it is full, so that a long job cannot make it grow without bound.
// Qt fonts belong to a thread, and so does each cache.
class CanvasFontCache
{
public:
    static CanvasFontCache &forThisThread();

    std::optional<QFont> font(const CanvasFont &font) const;
    void keepFont(const CanvasFont &font, const QFont &qfont);

    // Metrics and widths are per device resolution.
    std::optional<TextMetrics> metrics(const CanvasFont &font, int dpi) const;
    void keepMetrics(const CanvasFont &font, int dpi, const TextMetrics &metrics);

    std::optional<int> width(const CanvasFont &font, int dpi, const QString &text) const;
    void keepWidth(const CanvasFont &font, int dpi, const QString &text, int width);

    struct Key
    {
        QString name;
        int height = 0;
        FontStyles style = 0;
        FontPitch pitch = FontPitch::fpDefault;
        int dpi = 0;
        QString text;
        bool operator==(const Key &) const = default;
    };

private:
    static constexpr qsizetype maxEntries = 512;

    template<typename Value> static void keep(QHash<Key, Value> &table, Key key, Value value);
    static Key keyOf(const CanvasFont &font, int dpi = 0, const QString &text = {});

    QHash<Key, QFont> m_fonts;
    QHash<Key, TextMetrics> m_metrics;
    QHash<Key, int> m_widths;
};

size_t qHash(const CanvasFontCache::Key &key, size_t seed = 0);
