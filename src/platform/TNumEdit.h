#pragma once

#include <QLineEdit>
#include <QLocale>

class QRegularExpressionValidator;

// A one-line edit for a decimal number, shown with a chosen number of decimals. It only keeps the
// text to something that reads as a number; ranges are for its owner to check.
class TNumEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TNumEdit(QWidget *parent = nullptr);

    // Shows values with at most `decimals` places, dropping trailing zeros down to
    // `minimumDecimals`: (3, 3) shows 2.650, (3, 1) shows 2.65 and 1.0.
    void setDecimals(int decimals, int minimumDecimals);
    int decimals() const { return m_decimals; }
    int minimumDecimals() const { return m_minimumDecimals; }

    // The number as displayed; an empty box reads as 0.
    double value() const;
    void setValue(double value);

    static QString format(double value, int decimals, int minimumDecimals, const QLocale &locale);

Q_SIGNALS:
    // The focus left the box, whether or not its text changed.
    void exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void acceptLocaleNumbers();

    QRegularExpressionValidator *m_validator;
    int m_decimals = 3;
    int m_minimumDecimals = 3;
};
