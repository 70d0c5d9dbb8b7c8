#pragma once

#include <QString>

// The "What's this?" texts of the main window's controls, by control name; empty for a name
// without one.
namespace MainScreenHelpTexts {
QString whatsThis(const QString &controlName);
}
