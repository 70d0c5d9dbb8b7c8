#include "platform/AnsiText.h"

#include <array>

namespace {
// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined, which map to the C1 controls.
constexpr std::array<char16_t, 32> highControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = highControls[byte - 0x80];
        return mapped ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

char encode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == unit || (highControls[i] == 0 && unit == 0x80 + i))
            return char(0x80 + i);
    }
    return '?';
}
} // namespace

QByteArray toAnsi(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.isLowSurrogate())
            continue; // the high surrogate already produced the '?'
        bytes.append(encode(ch.unicode()));
    }
    return bytes;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(QChar(decode(static_cast<unsigned char>(byte))));
    return text;
}
