#include "app/MessageBoxInterceptor.h"

#include <utility>

MessageBoxInterceptor::MessageBoxInterceptor(QMessageBox::StandardButton answer)
    : m_answer(answer)
    , m_previous(
          setMessageBoxHandler([this](const MessageBoxRequest &request) { return this->answer(request); }))
{
}

MessageBoxInterceptor::~MessageBoxInterceptor()
{
    setMessageBoxHandler(std::move(m_previous));
}

QMessageBox::StandardButton MessageBoxInterceptor::answer(const MessageBoxRequest &request)
{
    m_boxes.append(request);
    if (m_answer != QMessageBox::NoButton && request.Buttons.testFlag(m_answer))
        return m_answer;
    for (const QMessageBox::StandardButton closing :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (request.Buttons.testFlag(closing))
            return closing;
    }
    const int buttons = request.Buttons.toInt();
    return QMessageBox::StandardButton(buttons & -buttons);
}
