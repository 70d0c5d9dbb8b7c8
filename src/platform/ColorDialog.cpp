#include "platform/ColorDialog.h"

#include <QColorDialog>

namespace {
ColorDialog::Chooser &chooser()
{
    static ColorDialog::Chooser current;
    return current;
}
} // namespace

std::optional<TColor> ColorDialog::choose(TColor initial)
{
    if (chooser())
        return chooser()(initial);
    const QColor chosen = QColorDialog::getColor(toQColor(initial));
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

void ColorDialog::setChooser(Chooser replacement)
{
    chooser() = std::move(replacement);
}
