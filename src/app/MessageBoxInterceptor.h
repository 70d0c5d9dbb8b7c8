#pragma once

#include <QList>

#include "app/MessageBoxes.h"

// While it lives, message boxes are not shown but recorded and answered at once, so that tests can
// check the exact texts without a modal box waiting for a click. Interceptors nest.
class MessageBoxInterceptor
{
public:
    // A box that does not offer the preset answer (or when there is none) gets the answer closing
    // it would give: Cancel, else No, else OK, else its first button.
    explicit MessageBoxInterceptor(QMessageBox::StandardButton answer = QMessageBox::NoButton);
    ~MessageBoxInterceptor();
    MessageBoxInterceptor(const MessageBoxInterceptor &) = delete;
    MessageBoxInterceptor &operator=(const MessageBoxInterceptor &) = delete;

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<MessageBoxRequest> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    QMessageBox::StandardButton answer(const MessageBoxRequest &request);

    QMessageBox::StandardButton m_answer;
    QList<MessageBoxRequest> m_boxes;
    MessageBoxHandler m_previous;
};
