#include "app/Preferences.h"

#include "app/ProgramFiles.h"
#include "platform/IniFile.h"

namespace {
const QString printerSection = QStringLiteral("Printer");
const QString topMarginNudgeKey = QStringLiteral("TopMarginNudge");
const QString leftMarginNudgeKey = QStringLiteral("LeftMarginNudge");
const QString verticalSpacingKey = QStringLiteral("VerticalSpacing");
const QString horizontalSpacingKey = QStringLiteral("HorizontalSpacing");
const QString userSection = QStringLiteral("User");
const QString useMMKey = QStringLiteral("UseMM");
const QString pathsSection = QStringLiteral("Paths");
const QString fileOpenLastPathKey = QStringLiteral("FileOpenLastPath");
const QString fileSaveLastPathKey = QStringLiteral("FileSaveLastPath");
const QString fontSection = QStringLiteral("Default Font");
const QString fontNameKey = QStringLiteral("Name");
const QString fontSizeKey = QStringLiteral("Size");
const QString fontBoldKey = QStringLiteral("Bold");
const QString fontItalicKey = QStringLiteral("Italic");
const QString fontUnderlineKey = QStringLiteral("Underline");
const QString miscSection = QStringLiteral("Misc");
const QString showHintsKey = QStringLiteral("Show Hints");

// The font dialog's range; a size outside it (a damaged file) would give invisible or absurd text.
constexpr int smallestFontSize = 1;
constexpr int largestFontSize = 1638;

QString readName(const IniFile &ini, const QString &section, const QString &key, const QString &defaultValue)
{
    const QString value = ini.readString(section, key, defaultValue);
    return value.isEmpty() ? defaultValue : value;
}
} // namespace

Preferences::Preferences()
    : FileOpenLastPath(ProgramFiles::documentFolder())
    , FileSaveLastPath(FileOpenLastPath)
{
}

void Preferences::load(const IniFile &ini)
{
    const Preferences defaults;
    Nudges.Top = ini.readInteger(printerSection, topMarginNudgeKey, defaults.Nudges.Top);
    Nudges.Left = ini.readInteger(printerSection, leftMarginNudgeKey, defaults.Nudges.Left);
    Nudges.VerticalPitch = ini.readInteger(printerSection, verticalSpacingKey, defaults.Nudges.VerticalPitch);
    Nudges.HorizontalPitch =
        ini.readInteger(printerSection, horizontalSpacingKey, defaults.Nudges.HorizontalPitch);
    UseMM = ini.readBool(userSection, useMMKey, defaults.UseMM);
    FileOpenLastPath = readName(ini, pathsSection, fileOpenLastPathKey, defaults.FileOpenLastPath);
    FileSaveLastPath = readName(ini, pathsSection, fileSaveLastPathKey, defaults.FileSaveLastPath);

    const DefaultFontPreference &defaultFont = defaults.DefaultFont;
    DefaultFont.Name = readName(ini, fontSection, fontNameKey, defaultFont.Name);
    DefaultFont.Size = ini.readInteger(fontSection, fontSizeKey, defaultFont.Size);
    if (DefaultFont.Size < smallestFontSize || DefaultFont.Size > largestFontSize)
        DefaultFont.Size = defaultFont.Size;
    DefaultFont.Bold = ini.readBool(fontSection, fontBoldKey, defaultFont.Bold);
    DefaultFont.Italic = ini.readBool(fontSection, fontItalicKey, defaultFont.Italic);
    DefaultFont.Underline = ini.readBool(fontSection, fontUnderlineKey, defaultFont.Underline);

    ShowHints = ini.readBool(miscSection, showHintsKey, defaults.ShowHints);
}

void Preferences::save(IniFile &ini) const
{
    ini.writeInteger(printerSection, topMarginNudgeKey, Nudges.Top);
    ini.writeInteger(printerSection, leftMarginNudgeKey, Nudges.Left);
    ini.writeInteger(printerSection, verticalSpacingKey, Nudges.VerticalPitch);
    ini.writeInteger(printerSection, horizontalSpacingKey, Nudges.HorizontalPitch);
    ini.writeBool(userSection, useMMKey, UseMM);
    ini.writeString(pathsSection, fileOpenLastPathKey, FileOpenLastPath);
    ini.writeString(pathsSection, fileSaveLastPathKey, FileSaveLastPath);
    ini.writeString(fontSection, fontNameKey, DefaultFont.Name);
    ini.writeInteger(fontSection, fontSizeKey, DefaultFont.Size);
    ini.writeBool(fontSection, fontBoldKey, DefaultFont.Bold);
    ini.writeBool(fontSection, fontItalicKey, DefaultFont.Italic);
    ini.writeBool(fontSection, fontUnderlineKey, DefaultFont.Underline);
    ini.writeBool(miscSection, showHintsKey, ShowHints);
}

Preferences &programPreferences()
{
    static Preferences preferences;
    return preferences;
}
