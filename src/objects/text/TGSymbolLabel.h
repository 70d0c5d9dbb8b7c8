#pragma once

#include "objects/text/TGBaseLabel.h"

// One character of a symbol font, picked from the font's characters, in a box kept sized to it.
// It cannot be turned and ignores the panel's font command.
class TGSymbolLabel : public TGBaseLabel
{
public:
    TGSymbolLabel();

    static QByteArray staticClassName() { return QByteArrayLiteral("TGSymbolLabel"); }
    QByteArray className() const override { return staticClassName(); }

    // Fonts below this size keep their box as it is.
    static constexpr int minimumFitSize = 10;

    void Loaded() override;
    void ApplyFont(const Font &font) override;
    void BoundsChanged() override;
    bool EditNewObject() override;

    // Sizes the box to 1.1 times the character plus the copies' offsets.
    void FitToSymbol();
    // Opens the symbol picker; on Ok the object takes the chosen font and character.
    void ShowSymbolSelector();
};
