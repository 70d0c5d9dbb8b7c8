#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// One message box as the program asks for it.
struct MessageBoxRequest
{
    QString Text; // as given: line breaks may be CR LF or a lone CR
    QString Caption;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons = QMessageBox::Ok;

    bool operator==(const MessageBoxRequest &) const = default;
};

// Shows a box and returns the button pressed. By default a modal QMessageBox over the active window;
// tests put a MessageBoxInterceptor in its place.
using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageBoxRequest &)>;
// Returns the handler it replaces; an empty handler brings back the modal box.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// The text as the box shows it: CR LF and lone CR become line breaks.
QString messageBoxText(const QString &text);

QMessageBox::StandardButton ShowMessageBox(const QString &text, const QString &caption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);
// Yes/No with a question icon; true on Yes.
bool Confirm(const QString &text, const QString &caption);
// OK with an information icon, captioned "Information".
void ShowInfo(const QString &text);

// The hourglass for the whole application until NormalCursor, however often it was asked for.
void BusyCursor();
void NormalCursor();
