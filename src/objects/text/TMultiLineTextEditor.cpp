#include "objects/text/TMultiLineTextEditor.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/DialogButtonBar.h"
#include "platform/FontDialog.h"

namespace {
TMultiLineTextEditor::Editor &replacement()
{
    static TMultiLineTextEditor::Editor editor;
    return editor;
}
} // namespace

TMultiLineTextEditor::TMultiLineTextEditor(const QStringList &lines, const Font &font, QWidget *parent)
    : QDialog(parent)
    , m_memo(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Multi-line Text Editor"));
    resize(342, 243);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setFont(FontDialog::toQFont(font));
    m_memo->setPlainText(lines.join(QLatin1Char('\n')).left(MaxLength));
    m_memo->setWhatsThis(QStringLiteral("Type the lines of the label here, 254 characters at most. "
                                        "Press Enter to start a new line."));
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TMultiLineTextEditor::keepWithinLimit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo);
    layout->addWidget(new DialogButtonBar(*this, 40001));
}

QStringList TMultiLineTextEditor::lines() const
{
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMultiLineTextEditor::keepWithinLimit()
{
    // Typing and pasting alike stop at the limit; the cursor stays where the text was cut.
    const QString text = m_memo->toPlainText();
    if (text.size() <= MaxLength)
        return;
    QTextCursor cursor = m_memo->textCursor();
    const int position = std::min(cursor.position(), MaxLength);
    m_memo->blockSignals(true);
    m_memo->setPlainText(text.left(MaxLength));
    m_memo->blockSignals(false);
    cursor = m_memo->textCursor();
    cursor.setPosition(position);
    m_memo->setTextCursor(cursor);
}

std::optional<QStringList> TMultiLineTextEditor::edit(const QStringList &lines, const Font &font)
{
    if (replacement())
        return replacement()(lines, font);
    TMultiLineTextEditor editor(lines, font);
    if (editor.exec() != QDialog::Accepted)
        return std::nullopt;
    return editor.lines();
}

void TMultiLineTextEditor::setEditor(Editor editor)
{
    replacement() = std::move(editor);
}
