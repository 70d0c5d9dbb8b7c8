#pragma once

#include <functional>
#include <optional>

#include "platform/Color.h"

// The colour dialog, preset to a colour; nothing when cancelled. Tests replace it.
namespace ColorDialog {
std::optional<TColor> choose(TColor initial);
using Chooser = std::function<std::optional<TColor>(TColor initial)>;
void setChooser(Chooser chooser);
} // namespace ColorDialog
