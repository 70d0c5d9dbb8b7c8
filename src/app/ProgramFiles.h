#pragma once

#include <QString>
#include <QStringList>

// Where the program finds what it ships with and where it keeps what it writes. Folder names always
// end with "/".
//
// Written files (preferences, the object clipboard, temporary print files) go into the program
// folder when it is writable, as in a build tree or a portable copy, and into the user's
// configuration folder otherwise, as in an installed copy. Shipped data is looked up beside the
// program, then in the installed data folder (<prefix>/share/pellora beside <prefix>/bin), then in
// the source tree's data folder, so that a build tree runs without installing.

// The running program's folder.
QString ProgramFolder();
// The preferences file "pq.ini" in the writable folder.
QString IniFileName();

namespace ProgramFiles {
// For tests and portable set-ups; an empty folder returns to the default.
void setProgramFolder(const QString &folder);
void setWritableFolder(const QString &folder);

QString writableFolder();
// Where the file dialogs start before the user has chosen a folder: the program folder when
// documents can be saved there, else the user's documents folder.
QString documentFolder();

QString clipboardFileName();
QString spareTempFileName();
// The writable folder + "PQ" + n + ".TMP" for the first n from 0 to 99999 not taken; empty when
// all are.
QString freePrintFileName();

// Folders searched for shipped data, in order.
QStringList dataFolders();
// The first existing file or folder of that name in the data folders, empty when there is none.
QString findDataFile(const QString &name);

// Preferences left under the old name "pq2.ini" take the current name, unless a "pq.ini" exists.
// True when the file was renamed.
bool renameOldIniFile();
} // namespace ProgramFiles
