#include "objects/text/TGMultiLineLabel.h"

#include "objects/text/TMultiLineTextEditor.h"

bool TGMultiLineLabel::EditLines()
{
    const std::optional<QStringList> lines = TMultiLineTextEditor::edit(items(), font());
    if (!lines)
        return false;
    setItems(*lines);
    Invalidate();
    Rewrap();
    NotifyChanged();
    return true;
}

void TGMultiLineLabel::Loaded()
{
    TGMultiLineBaseLabel::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Text"), [this] { EditLines(); });
    m_wordWrapItem = menu.add(QStringLiteral("Word Wrap"), [this] {
        setWordWrap(!wordWrap());
        m_wordWrapItem->setChecked(wordWrap());
    });
    m_wordWrapItem->setChecked(wordWrap());
}

void TGMultiLineLabel::PopupOpening()
{
    TGMultiLineBaseLabel::PopupOpening();
    if (m_wordWrapItem)
        m_wordWrapItem->setChecked(wordWrap());
}

void TGMultiLineLabel::PrepareNewObject(const Font &panelFont)
{
    setFont(panelFont);
}

bool TGMultiLineLabel::EditNewObject()
{
    EditLines();
    FitToLines();
    return true;
}
