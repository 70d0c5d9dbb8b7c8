#include "platform/Color.h"

#include <array>
#include <utility>

namespace {

struct NamedColor
{
    TColor value;
    const char *name;
};

using namespace Colors;

constexpr std::array namedColors{
    NamedColor{clBlack, "clBlack"},
    NamedColor{clMaroon, "clMaroon"},
    NamedColor{clGreen, "clGreen"},
    NamedColor{clOlive, "clOlive"},
    NamedColor{clNavy, "clNavy"},
    NamedColor{clPurple, "clPurple"},
    NamedColor{clTeal, "clTeal"},
    NamedColor{clGray, "clGray"},
    NamedColor{clSilver, "clSilver"},
    NamedColor{clRed, "clRed"},
    NamedColor{clLime, "clLime"},
    NamedColor{clYellow, "clYellow"},
    NamedColor{clBlue, "clBlue"},
    NamedColor{clFuchsia, "clFuchsia"},
    NamedColor{clAqua, "clAqua"},
    NamedColor{clWhite, "clWhite"},
    NamedColor{clScrollBar, "clScrollBar"},
    NamedColor{clBackground, "clBackground"},
    NamedColor{clActiveCaption, "clActiveCaption"},
    NamedColor{clInactiveCaption, "clInactiveCaption"},
    NamedColor{clMenu, "clMenu"},
    NamedColor{clWindow, "clWindow"},
    NamedColor{clWindowFrame, "clWindowFrame"},
    NamedColor{clMenuText, "clMenuText"},
    NamedColor{clWindowText, "clWindowText"},
    NamedColor{clCaptionText, "clCaptionText"},
    NamedColor{clActiveBorder, "clActiveBorder"},
    NamedColor{clInactiveBorder, "clInactiveBorder"},
    NamedColor{clAppWorkSpace, "clAppWorkSpace"},
    NamedColor{clHighlight, "clHighlight"},
    NamedColor{clHighlightText, "clHighlightText"},
    NamedColor{clBtnFace, "clBtnFace"},
    NamedColor{clBtnShadow, "clBtnShadow"},
    NamedColor{clGrayText, "clGrayText"},
    NamedColor{clBtnText, "clBtnText"},
    NamedColor{clInactiveCaptionText, "clInactiveCaptionText"},
    NamedColor{clBtnHighlight, "clBtnHighlight"},
    NamedColor{cl3DDkShadow, "cl3DDkShadow"},
    NamedColor{cl3DLight, "cl3DLight"},
    NamedColor{clInfoText, "clInfoText"},
    NamedColor{clInfoBk, "clInfoBk"},
    NamedColor{clNone, "clNone"},
};

// The classic Windows scheme, index by index.
constexpr std::array<TColor, 25> systemRgb{
    0xC8C8C8, 0x000000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF,
};

} // namespace

std::optional<QByteArray> colorToIdent(TColor color)
{
    for (const NamedColor &named : namedColors) {
        if (named.value == color)
            return QByteArray(named.name);
    }
    return std::nullopt;
}

std::optional<TColor> identToColor(QByteArrayView ident)
{
    for (const NamedColor &named : namedColors) {
        if (ident.compare(QByteArrayView(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return std::nullopt;
}

TColor colorToRgb(TColor color)
{
    const auto bits = quint32(color);
    if (bits & 0x80000000u) {
        const quint32 index = bits & 0xFF;
        return index < systemRgb.size() ? systemRgb[index] : clBlack;
    }
    if (color == clNone || color == clDefault)
        return clWhite;
    return TColor(bits & 0x00FFFFFFu);
}

QColor toQColor(TColor color)
{
    const auto rgb = quint32(colorToRgb(color));
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}
