#pragma once

#include <QDialog>

class DialogButtonBar;
class QLineEdit;
class QSpinBox;

// The settings dialog of the counter object.
class TGetCounter : public QDialog
{
public:
    static constexpr int helpTopic = 40006;
    static constexpr int minimumRepeat = 1;
    static constexpr int maximumRepeat = 999;
    static constexpr int maximumLeadingZeros = 9;

    struct Values
    {
        QString textBefore;
        int startingNumber = 0;
        int repeatFor = 1;
        QString textAfter;
        int leadingZeros = 0;
    };

    explicit TGetCounter(QWidget *parent = nullptr);

    // Numbers outside a field's range show as the nearest one it offers.
    void setValues(const Values &values);
    Values values() const;

    QLineEdit *textBefore() const { return m_textBefore; }
    QSpinBox *startingNumber() const { return m_startingNumber; }
    QSpinBox *repeatFor() const { return m_repeatFor; }
    QLineEdit *textAfter() const { return m_textAfter; }
    QSpinBox *leadingZeros() const { return m_leadingZeros; }
    DialogButtonBar *buttons() const { return m_buttons; }

private:
    QLineEdit *m_textBefore;
    QSpinBox *m_startingNumber;
    QSpinBox *m_repeatFor;
    QLineEdit *m_textAfter;
    QSpinBox *m_leadingZeros;
    DialogButtonBar *m_buttons;
};
