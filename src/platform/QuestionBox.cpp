#include "platform/QuestionBox.h"

#include <QMessageBox>

namespace {
QuestionBox::Answerer &answerer()
{
    static QuestionBox::Answerer current;
    return current;
}
} // namespace

bool QuestionBox::ask(const QString &text, const QString &caption, QWidget *parent)
{
    if (answerer())
        return answerer()(text, caption);
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QuestionBox::setAnswerer(Answerer answerer)
{
    ::answerer() = std::move(answerer);
}
