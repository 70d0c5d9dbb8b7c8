#pragma once

#include <QFont>
#include <QString>

// Symbol fonts (character set 2) show a picture for each byte code. Documents made with them store
// those byte codes, so the program draws each code through the installed symbol font's symbol code
// point (U+F000 + code) and, where that font lacks the picture, through the picture's Unicode
// character in a Unicode symbol font.
namespace SymbolFonts {

// Fonts the program relies on that fontconfig does not find by itself (Wine keeps its Wingdings in
// a folder of its own). Call once at start-up.
void registerProgramFonts();

bool isSymbolFont(const QString &family);

struct DeviceText
{
    QFont font;
    QString text;
};
// The font and characters that show `text` in `font`; other fonts come back unchanged.
DeviceText forDrawing(const QFont &font, const QString &text);

// The Unicode character of a Wingdings byte code (32..255); 0 for other codes.
char32_t wingdingsToUnicode(int code);

} // namespace SymbolFonts
