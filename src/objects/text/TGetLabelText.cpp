#include "objects/text/TGetLabelText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/DialogButtonBar.h"

TGetLabelText::TGetLabelText(QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_labelText(new QLineEdit(this))
    , m_buttons(new DialogButtonBar(*this, helpTopic))
{
    setWindowTitle(QStringLiteral("Text"));
    setObjectName(QStringLiteral("GetLabelText"));
    m_labelText->setObjectName(QStringLiteral("LabelText"));
    m_labelText->setWhatsThis(QStringLiteral("The text the object shows on the label, on one line."));
    auto *prompt = new QLabel(QStringLiteral("Enter Text"), this);
    prompt->setBuddy(m_labelText);
    auto *column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addWidget(m_labelText);
    column->addStretch();
    column->addWidget(m_buttons);
    resize(356, 133);
    m_labelText->setFocus();
}

QString TGetLabelText::text() const
{
    return m_labelText->text();
}

void TGetLabelText::setText(const QString &text)
{
    m_labelText->setText(text);
    m_labelText->selectAll();
}
