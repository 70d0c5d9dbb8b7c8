#include "objects/text/TGPLabel.h"

#include "objects/text/TGetLabelText.h"

void TGPLabel::Loaded()
{
    TGBaseLabel::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Text"), [this] { EditText(); });
    addRotationMenu();
}

bool TGPLabel::ShowFontDialog()
{
    if (!TGBaseLabel::ShowFontDialog())
        return false;
    FitToText();
    return true;
}

void TGPLabel::PrepareNewObject(const Font &panelFont)
{
    setCaption(QStringLiteral("<text>"));
    font() = panelFont;
}

bool TGPLabel::EditNewObject()
{
    EditObject();
    return true;
}

void TGPLabel::EditText()
{
    TGetLabelText dialog;
    dialog.setText(caption());
    if (dialog.exec() != QDialog::Accepted)
        return;
    setCaption(dialog.text());
    FitToText();
    Invalidate();
}

void TGPLabel::EditObject()
{
    EditText();
}
