#pragma once

#include <QString>

#include <functional>

// An information box with an OK button, for user mistakes and environment problems found below the
// program shell. The shell points the handler at its own message boxes; tests record the texts.
using InfoBoxHandler = std::function<void(const QString &text)>;
void ShowInfoBox(const QString &text);
// Returns the handler it replaces; an empty handler brings back the plain modal box.
InfoBoxHandler setInfoBoxHandler(InfoBoxHandler handler);
