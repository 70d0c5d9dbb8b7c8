#pragma once

#include <QString>

#include <functional>
#include <optional>

// The open and save dialogs of the file commands. Tests answer them through setChooser.
struct FileDialogRequest
{
    enum Mode { Open, Save };
    Mode mode = Open;
    QString title;
    QString folder;
    QString fileName; // proposed name, Save only
    QString filter;   // "Name (*.a *.b)"
    QString defaultSuffix;
};

namespace FileDialogs {
// The chosen path, nothing when cancelled. Open asks for an existing file; Save never asks about
// replacing a file, so that the caller can ask in its own words.
std::optional<QString> choose(const FileDialogRequest &request);
using Chooser = std::function<std::optional<QString>(const FileDialogRequest &request)>;
// An empty chooser brings back the real dialogs.
void setChooser(Chooser chooser);
} // namespace FileDialogs
