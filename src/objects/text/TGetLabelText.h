#pragma once

#include <QDialog>

class DialogButtonBar;
class QLineEdit;

// The text entry dialog of the plain text object.
class TGetLabelText : public QDialog
{
public:
    static constexpr int helpTopic = 40004;

    explicit TGetLabelText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *labelText() const { return m_labelText; }
    DialogButtonBar *buttons() const { return m_buttons; }

private:
    QLineEdit *m_labelText;
    DialogButtonBar *m_buttons;
};
