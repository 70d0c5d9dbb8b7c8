#include "objects/text/TGetCounter.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

#include "platform/DialogButtonBar.h"

namespace {
QSpinBox *spinEdit(QWidget *parent, const QString &name, int minimum, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    return spin;
}

QLabel *caption(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

TGetCounter::TGetCounter(QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_textBefore(new QLineEdit(this))
    , m_startingNumber(spinEdit(this, QStringLiteral("StartingNumber"), std::numeric_limits<int>::min(),
                                std::numeric_limits<int>::max()))
    , m_repeatFor(spinEdit(this, QStringLiteral("RepeatFor"), minimumRepeat, maximumRepeat))
    , m_textAfter(new QLineEdit(this))
    , m_leadingZeros(spinEdit(this, QStringLiteral("LeadingZeros"), 0, maximumLeadingZeros))
    , m_buttons(new DialogButtonBar(*this, helpTopic))
{
    setWindowTitle(QStringLiteral("Counter"));
    setObjectName(QStringLiteral("GetCounter"));
    setFixedSize(304, 247);
    m_textBefore->setObjectName(QStringLiteral("TextBefore"));
    m_textAfter->setObjectName(QStringLiteral("TextAfter"));
    m_textBefore->setWhatsThis(QStringLiteral("Text printed in front of the number, such as \"No. \"."));
    m_startingNumber->setWhatsThis(QStringLiteral("The number the first printed label shows."));
    m_repeatFor->setWhatsThis(
        QStringLiteral("How many labels in a row carry the same number before it goes up by one."));
    m_textAfter->setWhatsThis(QStringLiteral("Text printed after the number."));
    m_leadingZeros->setWhatsThis(
        QStringLiteral("The number is filled with leading zeros up to this many digits; 0 adds none."));

    auto *grid = new QGridLayout;
    grid->addWidget(caption(this, QStringLiteral("Text  before"), m_textBefore), 0, 0);
    grid->addWidget(m_textBefore, 1, 0);
    grid->addWidget(caption(this, QStringLiteral("Starting Number"), m_startingNumber), 0, 1);
    grid->addWidget(m_startingNumber, 1, 1);
    QLabel *repeat = caption(this, QStringLiteral("Repeat number for #of  labels?"), m_repeatFor);
    repeat->setWordWrap(true);
    grid->addWidget(repeat, 2, 1);
    grid->addWidget(m_repeatFor, 3, 1);
    grid->addWidget(caption(this, QStringLiteral("Text after"), m_textAfter), 2, 0);
    grid->addWidget(m_textAfter, 3, 0);
    auto *zeros = new QHBoxLayout;
    zeros->addWidget(caption(this, QStringLiteral("Leading zeros to "), m_leadingZeros));
    zeros->addWidget(m_leadingZeros);
    zeros->addWidget(new QLabel(QStringLiteral("digits"), this));
    zeros->addStretch();

    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(zeros);
    column->addStretch();
    column->addWidget(m_buttons);
    m_textBefore->setFocus();
}

void TGetCounter::setValues(const Values &values)
{
    m_textBefore->setText(values.textBefore);
    m_startingNumber->setValue(values.startingNumber);
    m_repeatFor->setValue(values.repeatFor);
    m_textAfter->setText(values.textAfter);
    m_leadingZeros->setValue(values.leadingZeros);
}

TGetCounter::Values TGetCounter::values() const
{
    return {m_textBefore->text(), m_startingNumber->value(), m_repeatFor->value(), m_textAfter->text(),
            m_leadingZeros->value()};
}
