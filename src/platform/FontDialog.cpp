#include "platform/FontDialog.h"

#include <QFontDialog>

#include <cmath>

namespace {
FontDialog::Chooser &chooser()
{
    static FontDialog::Chooser current;
    return current;
}
} // namespace

QFont FontDialog::toQFont(const Font &font)
{
    QFont qfont(font.name());
    qfont.setPixelSize(std::max(1, std::abs(font.height())));
    qfont.setBold(font.hasStyle(FontStyle::fsBold));
    qfont.setItalic(font.hasStyle(FontStyle::fsItalic));
    qfont.setUnderline(font.hasStyle(FontStyle::fsUnderline));
    qfont.setStrikeOut(font.hasStyle(FontStyle::fsStrikeOut));
    return qfont;
}

Font FontDialog::fromQFont(const QFont &chosen, const Font &base)
{
    Font font = base;
    font.setName(chosen.family());
    if (chosen.pixelSize() > 0)
        font.setHeight(-chosen.pixelSize());
    else
        font.setSize(int(std::lround(chosen.pointSizeF())));
    font.setStyleMember(FontStyle::fsBold, chosen.bold());
    font.setStyleMember(FontStyle::fsItalic, chosen.italic());
    font.setStyleMember(FontStyle::fsUnderline, chosen.underline());
    font.setStyleMember(FontStyle::fsStrikeOut, chosen.strikeOut());
    return font;
}

std::optional<Font> FontDialog::choose(const Font &initial)
{
    if (chooser())
        return chooser()(initial);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, toQFont(initial));
    if (!accepted)
        return std::nullopt;
    return fromQFont(chosen, initial);
}

void FontDialog::setChooser(Chooser replacement)
{
    chooser() = std::move(replacement);
}
