#include "app/MessageBoxes.h"

#include <QApplication>
#include <QCursor>

#include <utility>

namespace {
MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::StandardButton showModalBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.Icon, request.Caption, messageBoxText(request.Text), request.Buttons,
                    QApplication::activeWindow());
    // Paths and user texts are never markup.
    box.setTextFormat(Qt::PlainText);
    // A box raised during busy work still takes clicks with the ordinary pointer.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    QGuiApplication::restoreOverrideCursor();
    return QMessageBox::StandardButton(pressed);
}
} // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

QString messageBoxText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QMessageBox::StandardButton ShowMessageBox(const QString &text, const QString &caption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    const MessageBoxRequest request{text, caption, icon, buttons};
    const MessageBoxHandler &handler = currentHandler();
    return handler ? handler(request) : showModalBox(request);
}

bool Confirm(const QString &text, const QString &caption)
{
    return ShowMessageBox(text, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
           QMessageBox::Yes;
}

void ShowInfo(const QString &text)
{
    ShowMessageBox(text, QStringLiteral("Information"), QMessageBox::Ok, QMessageBox::Information);
}

void BusyCursor()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void NormalCursor()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
