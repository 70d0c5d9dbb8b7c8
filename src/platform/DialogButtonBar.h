#pragma once

#include <QWidget>

class QDialog;
class QPushButton;
class QToolButton;

// The row every dialog ends with: "Ok" (default), "Cancel", "Help" at a fixed topic and the
// mouse-help button, plus the dialog's "What's this?" context menu.
class DialogButtonBar : public QWidget
{
public:
    DialogButtonBar(QDialog &dialog, int helpTopic);

    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }
    QToolButton *mouseHelpButton() const { return m_mouseHelp; }

private:
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QToolButton *m_mouseHelp;
};
