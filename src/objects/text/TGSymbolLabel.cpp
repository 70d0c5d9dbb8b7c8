#include "objects/text/TGSymbolLabel.h"

#include <algorithm>

#include "objects/text/TextCanvas.h"
#include "objects/text/TGetSymbol.h"
#include "platform/Numbers.h"

TGSymbolLabel::TGSymbolLabel()
{
    font().setName(QStringLiteral("WingDings"));
    font().setSize(24);
    setCaption(QStringLiteral("["));
}

void TGSymbolLabel::Loaded()
{
    TGBaseLabel::Loaded();
    removeTopLevelItems({QStringLiteral("Font"), QStringLiteral("Alignment"), QStringLiteral("Angle")});
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Symbol Selector"), [this] { ShowSymbolSelector(); });
    UpdateLayout();
    BoundsChanged();
}

void TGSymbolLabel::ApplyFont(const Font &)
{
    // A symbol keeps its own font: the panel's text font would turn the picture into a letter.
}

void TGSymbolLabel::BoundsChanged()
{
    // While the layout fits the box to the line its size wins; fitting back to the symbol there
    // would undo it on every paint.
    if (layoutResizing()) {
        TGBaseLabel::BoundsChanged();
        return;
    }
    FitToSymbol();
}

void TGSymbolLabel::FitToSymbol()
{
    if (isLoading() || !parentIsDesignPanel())
        return;
    // A small symbol keeps the box the user gave it, but its layout and frame still follow it.
    TGBaseLabel::BoundsChanged();
    if (font().size() < minimumFitSize)
        return;
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(canvasFont());
    const int w = int(Trunc(measure.TextWidth(caption()) * 1.1));
    const int h = int(Trunc(measure.TextHeight(caption()) * 1.1));
    const LabelTextLayout &points = layout();
    const int x0 = std::max({points.textPoint.x(), points.shadowPoint.x(), points.highlightPoint.x()});
    const int y0 = std::max({points.textPoint.y(), points.shadowPoint.y(), points.highlightPoint.y()});
    // Never below the one pixel that the base label keeps, or the two would resize each other for ever.
    setBounds(left(), top(), std::max(1, w + x0), std::max(1, h + y0));
    RequestFrameUpdate();
}

bool TGSymbolLabel::EditNewObject()
{
    ShowSymbolSelector();
    return true;
}

void TGSymbolLabel::ShowSymbolSelector()
{
    TGetSymbol dialog;
    dialog.setSelectedFont(font());
    dialog.setSelectedCode(TGetSymbol::codeOfCaption(caption()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    font() = dialog.selectedFont();
    if (dialog.selectedCode() >= 0)
        setCaption(TGetSymbol::captionForCode(dialog.selectedCode()));
    markLayoutStale();
    BoundsChanged();
    Invalidate();
}
