#include "platform/SymbolFonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRawFont>

#include <array>

#include "platform/AnsiText.h"

namespace {

// The Unicode characters of the Wingdings pictures, byte codes 0x20 to 0xFF (Unicode 7.0 encoded
// the set; the Windows logo at 0xFF has no character and is shown as a squared plus).
constexpr std::array<char32_t, 224> wingdingsUnicode{
    0x0020,  0x1F589, 0x2702,  0x2701,  0x1F453, 0x1F56D, 0x1F56E, 0x1F56F, // 0x20
    0x1F57F, 0x2706,  0x1F582, 0x1F583, 0x1F4EA, 0x1F4EB, 0x1F4EC, 0x1F4ED, // 0x28
    0x1F4C1, 0x1F4C2, 0x1F4C4, 0x1F5CF, 0x1F5D0, 0x1F5C4, 0x231B,  0x1F5AE, // 0x30
    0x1F5B0, 0x1F5B2, 0x1F5B3, 0x1F5B4, 0x1F5AB, 0x1F5AC, 0x2707,  0x270D,  // 0x38
    0x1F58E, 0x270C,  0x1F44C, 0x1F44D, 0x1F44E, 0x261C,  0x261E,  0x261D,  // 0x40
    0x261F,  0x1F590, 0x263A,  0x1F610, 0x2639,  0x1F4A3, 0x2620,  0x1F3F3, // 0x48
    0x1F3F1, 0x2708,  0x263C,  0x1F4A7, 0x2744,  0x1F546, 0x271E,  0x1F548, // 0x50
    0x2720,  0x2721,  0x262A,  0x262F,  0x0950,  0x2638,  0x2648,  0x2649,  // 0x58
    0x264A,  0x264B,  0x264C,  0x264D,  0x264E,  0x264F,  0x2650,  0x2651,  // 0x60
    0x2652,  0x2653,  0x1F670, 0x1F675, 0x25CF,  0x1F53E, 0x25A0,  0x25A1,  // 0x68
    0x1F790, 0x2751,  0x2752,  0x2B27,  0x29EB,  0x25C6,  0x2756,  0x2B25,  // 0x70
    0x2327,  0x2BB9,  0x2318,  0x1F3F5, 0x1F3F6, 0x1F676, 0x1F677, 0x25AF,  // 0x78
    0x24EA,  0x2460,  0x2461,  0x2462,  0x2463,  0x2464,  0x2465,  0x2466,  // 0x80
    0x2467,  0x2468,  0x2469,  0x24FF,  0x2776,  0x2777,  0x2778,  0x2779,  // 0x88
    0x277A,  0x277B,  0x277C,  0x277D,  0x277E,  0x277F,  0x1F662, 0x1F660, // 0x90
    0x1F661, 0x1F663, 0x1F65E, 0x1F65C, 0x1F65D, 0x1F65F, 0x00B7,  0x2022,  // 0x98
    0x25AA,  0x26AA,  0x1F786, 0x1F788, 0x25C9,  0x25CE,  0x1F53F, 0x25AA,  // 0xA0
    0x25FB,  0x1F7C2, 0x2726,  0x2605,  0x2736,  0x2734,  0x2739,  0x2735,  // 0xA8
    0x2BD0,  0x2316,  0x27E1,  0x2311,  0x2BD1,  0x272A,  0x2730,  0x1F550, // 0xB0
    0x1F551, 0x1F552, 0x1F553, 0x1F554, 0x1F555, 0x1F556, 0x1F557, 0x1F558, // 0xB8
    0x1F559, 0x1F55A, 0x1F55B, 0x2BB0,  0x2BB1,  0x2BB2,  0x2BB3,  0x2BB4,  // 0xC0
    0x2BB5,  0x2BB6,  0x2BB7,  0x1F66A, 0x1F66B, 0x1F655, 0x1F654, 0x1F657, // 0xC8
    0x1F656, 0x1F650, 0x1F651, 0x1F652, 0x1F653, 0x232B,  0x2326,  0x2B98,  // 0xD0
    0x2B9A,  0x2B99,  0x2B9B,  0x2B88,  0x2B8A,  0x2B89,  0x2B8B,  0x1F868, // 0xD8
    0x1F86A, 0x1F869, 0x1F86B, 0x1F86C, 0x1F86D, 0x1F86F, 0x1F86E, 0x1F878, // 0xE0
    0x1F87A, 0x1F879, 0x1F87B, 0x1F87C, 0x1F87D, 0x1F87F, 0x1F87E, 0x21E6,  // 0xE8
    0x21E8,  0x21E7,  0x21E9,  0x2B04,  0x21F3,  0x2B00,  0x2B01,  0x2B03,  // 0xF0
    0x2B02,  0x1F8AC, 0x1F8AD, 0x1F5F6, 0x2714,  0x1F5F7, 0x1F5F9, 0x229E,  // 0xF8
};

// Unicode symbol fonts from Debian that hold these characters, best first.
const QStringList &unicodeSymbolFamilies()
{
    static const QStringList families{QStringLiteral("Symbola"), QStringLiteral("Noto Sans Symbols 2"),
                                      QStringLiteral("DejaVu Sans")};
    return families;
}

QString toUtf16(const std::u32string &codes)
{
    return QString::fromUcs4(codes.data(), qsizetype(codes.size()));
}

} // namespace

void SymbolFonts::registerProgramFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const char *file : {"wingding.ttf", "webdings.ttf", "symbol.ttf"}) {
        const QString path = wineFonts.filePath(QString::fromLatin1(file));
        if (QFileInfo::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

bool SymbolFonts::isSymbolFont(const QString &family)
{
    return family.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0;
}

char32_t SymbolFonts::wingdingsToUnicode(int code)
{
    if (code < 32 || code > 255)
        return 0;
    return wingdingsUnicode[std::size_t(code - 32)];
}

SymbolFonts::DeviceText SymbolFonts::forDrawing(const QFont &font, const QString &text)
{
    if (!isSymbolFont(font.family()))
        return {font, text};
    registerProgramFonts();

    // Documents hold the byte codes as Windows-1252 text.
    const QByteArray codes = toAnsi(text);

    // The installed symbol font, when it has every picture asked for.
    const QRawFont installed = QRawFont::fromFont(font);
    std::u32string symbolCodes;
    bool complete =
        installed.isValid() && installed.familyName().compare(font.family(), Qt::CaseInsensitive) == 0;
    for (const char byte : codes) {
        const char32_t code = 0xF000 + static_cast<unsigned char>(byte);
        symbolCodes.push_back(code);
        if (complete && !installed.supportsCharacter(code))
            complete = false;
    }
    if (complete)
        return {font, toUtf16(symbolCodes)};

    // Otherwise each picture through its Unicode character in a Unicode symbol font.
    std::u32string unicode;
    for (const char byte : codes) {
        const int code = static_cast<unsigned char>(byte);
        const char32_t mapped = wingdingsToUnicode(code);
        unicode.push_back(mapped ? mapped : char32_t(code));
    }
    QFont fallback = font;
    const QStringList available = QFontDatabase::families();
    for (const QString &family : unicodeSymbolFamilies()) {
        if (available.contains(family, Qt::CaseInsensitive)) {
            fallback.setFamily(family);
            break;
        }
    }
    return {fallback, toUtf16(unicode)};
}
