#include "platform/TNumEdit.h"

#include <QEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cmath>

TNumEdit::TNumEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_validator(new QRegularExpressionValidator(this))
{
    setValidator(m_validator);
    acceptLocaleNumbers();
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TNumEdit::acceptLocaleNumbers()
{
    const QString point = QRegularExpression::escape(locale().decimalPoint());
    m_validator->setRegularExpression(QRegularExpression(QStringLiteral("-?[0-9]*(%1[0-9]*)?").arg(point)));
}

void TNumEdit::setDecimals(int decimals, int minimumDecimals)
{
    m_decimals = decimals;
    m_minimumDecimals = std::min(minimumDecimals, decimals);
}

double TNumEdit::value() const
{
    return locale().toDouble(text());
}

void TNumEdit::setValue(double value)
{
    setText(format(value, m_decimals, m_minimumDecimals, locale()));
}

QString TNumEdit::format(double value, int decimals, int minimumDecimals, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // No "-0.00" for a value that rounds to nothing.
    const double scale = std::pow(10.0, decimals);
    if (std::round(std::abs(value) * scale) == 0)
        value = 0;
    QString text = plain.toString(value, 'f', decimals);
    const QString point = plain.decimalPoint();
    const qsizetype pointAt = text.indexOf(point);
    if (pointAt < 0)
        return text;
    qsizetype keep = text.size();
    const qsizetype shortest = pointAt + point.size() + minimumDecimals;
    while (keep > shortest && text.at(keep - 1) == QLatin1Char('0'))
        --keep;
    if (minimumDecimals == 0 && keep == pointAt + point.size())
        keep = pointAt;
    return text.left(keep);
}

void TNumEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        acceptLocaleNumbers();
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT exited();
}
