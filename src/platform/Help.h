#pragma once

#include <functional>

// Opens the help at a topic number. Until the help pages are wired in, requests go to a handler
// that logs them; the shell and the tests replace it.
using HelpHandler = std::function<void(int number)>;
void ShowHelpTopic(int number);
// An empty handler restores the logging one.
void setHelpHandler(HelpHandler handler);
