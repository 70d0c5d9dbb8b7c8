#pragma once

#include <QString>

#include "layout/TLabelLayout.h"

class IniFile;

// The font new text objects start with.
struct DefaultFontPreference
{
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const DefaultFontPreference &) const = default;
};

// The user's settings kept in pq.ini. While the program runs the copy in memory is the master; it
// is written back whenever one of them changes. The recent files and the window placement live in
// the same file but are saved on their own.
struct Preferences
{
    // Shared with printing: the fine-tuning dialog edits these and the sheet imaging applies them.
    PrinterNudges Nudges;
    bool UseMM = false;
    QString FileOpenLastPath;
    QString FileSaveLastPath;
    DefaultFontPreference DefaultFont;
    bool ShowHints = true;

    // Both paths start at ProgramFiles::documentFolder().
    Preferences();

    // Missing sections and keys give the defaults above, and so do empty names and font sizes the
    // font dialog would not offer.
    void load(const IniFile &ini);
    void save(IniFile &ini) const;
};

// The program's one set of preferences.
Preferences &programPreferences();
