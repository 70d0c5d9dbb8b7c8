#pragma once

#include <QString>

#include <functional>

class QWidget;

// A Yes/No question in an information box. Tests and batch runs replace the box with an answerer
// of their own.
class QuestionBox
{
public:
    using Answerer = std::function<bool(const QString &text, const QString &caption)>;

    // True on Yes.
    static bool ask(const QString &text, const QString &caption, QWidget *parent = nullptr);
    // An empty answerer brings the real box back.
    static void setAnswerer(Answerer answerer);
};
