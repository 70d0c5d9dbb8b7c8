#include "platform/InfoBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
InfoBoxHandler &handler()
{
    static InfoBoxHandler current;
    return current;
}

void showModalBox(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
} // namespace

void ShowInfoBox(const QString &text)
{
    if (handler())
        handler()(text);
    else
        showModalBox(text);
}

InfoBoxHandler setInfoBoxHandler(InfoBoxHandler replacement)
{
    return std::exchange(handler(), std::move(replacement));
}
