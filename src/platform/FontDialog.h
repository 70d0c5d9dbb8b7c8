#pragma once

#include <functional>
#include <optional>

#include "platform/Font.h"

// The font dialog, preset to a font; nothing when cancelled. Tests replace it.
namespace FontDialog {
std::optional<Font> choose(const Font &initial);
using Chooser = std::function<std::optional<Font>(const Font &initial)>;
void setChooser(Chooser chooser);

QFont toQFont(const Font &font);
// The chosen face, size and style on top of `base`, which keeps its colour and pitch.
Font fromQFont(const QFont &chosen, const Font &base);
} // namespace FontDialog
