#include <QFile>

#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "platform/IniFile.h"
#include "ProgramFolderScope.h"

namespace {
QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeIni(const QByteArray &contents)
{
    QFile file(IniFileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

void expectDefaults(const Preferences &preferences, const QString &folder)
{
    EXPECT_EQ(preferences.Nudges.Top, 0);
    EXPECT_EQ(preferences.Nudges.Left, 0);
    EXPECT_EQ(preferences.Nudges.VerticalPitch, 0);
    EXPECT_EQ(preferences.Nudges.HorizontalPitch, 0);
    EXPECT_FALSE(preferences.UseMM);
    EXPECT_EQ(preferences.FileOpenLastPath, folder);
    EXPECT_EQ(preferences.FileSaveLastPath, folder);
    EXPECT_EQ(preferences.DefaultFont,
              (DefaultFontPreference{QStringLiteral("Arial"), 10, false, false, false}));
    EXPECT_TRUE(preferences.ShowHints);
}

TEST(PreferencesTest, MissingFileGivesTheDefaults)
{
    const ProgramFolderScope scope;
    Preferences preferences;
    preferences.UseMM = true;
    preferences.Nudges.Top = 5;
    preferences.DefaultFont.Bold = true;
    preferences.ShowHints = false;
    preferences.load(IniFile(IniFileName()));
    expectDefaults(preferences, scope.folder());
}

TEST(PreferencesTest, DamagedValuesGiveTheDefaults)
{
    const ProgramFolderScope scope;
    writeIni("[Printer]\nTopMarginNudge=99999999999\nLeftMarginNudge=x\n"
             "[Paths]\nFileOpenLastPath=\nFileSaveLastPath=\n"
             "[Default Font]\nName=\nSize=0\n"
             "[Misc]\nShow Hints=\n");
    Preferences preferences;
    preferences.load(IniFile(IniFileName()));
    expectDefaults(preferences, scope.folder());

    for (const char *size : {"-12", "1639", "abc"}) {
        writeIni(QByteArray("[Default Font]\nSize=") + size + "\n");
        preferences.load(IniFile(IniFileName()));
        EXPECT_EQ(preferences.DefaultFont.Size, 10) << size;
    }
}

TEST(PreferencesTest, SavesEverySectionInOrder)
{
    const ProgramFolderScope scope;
    Preferences preferences;
    preferences.Nudges = {-8, 3, 2, -1};
    preferences.UseMM = true;
    preferences.FileOpenLastPath = QStringLiteral("/home/user/labels/");
    preferences.FileSaveLastPath = QStringLiteral("/home/user/saved labels/");
    preferences.DefaultFont = {QStringLiteral("Liberation Serif"), 14, true, false, true};
    preferences.ShowHints = false;
    IniFile ini(IniFileName());
    preferences.save(ini);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contentsOf(IniFileName()), QByteArray("[Printer]\n"
                                                    "TopMarginNudge=-8\n"
                                                    "LeftMarginNudge=3\n"
                                                    "VerticalSpacing=2\n"
                                                    "HorizontalSpacing=-1\n"
                                                    "[User]\n"
                                                    "UseMM=1\n"
                                                    "[Paths]\n"
                                                    "FileOpenLastPath=/home/user/labels/\n"
                                                    "FileSaveLastPath=/home/user/saved labels/\n"
                                                    "[Default Font]\n"
                                                    "Name=Liberation Serif\n"
                                                    "Size=14\n"
                                                    "Bold=1\n"
                                                    "Italic=0\n"
                                                    "Underline=1\n"
                                                    "[Misc]\n"
                                                    "Show Hints=0\n"));

    Preferences reread;
    reread.load(IniFile(IniFileName()));
    EXPECT_EQ(reread.Nudges.Top, -8);
    EXPECT_EQ(reread.Nudges.Left, 3);
    EXPECT_EQ(reread.Nudges.VerticalPitch, 2);
    EXPECT_EQ(reread.Nudges.HorizontalPitch, -1);
    EXPECT_TRUE(reread.UseMM);
    EXPECT_EQ(reread.FileOpenLastPath, preferences.FileOpenLastPath);
    EXPECT_EQ(reread.FileSaveLastPath, preferences.FileSaveLastPath);
    EXPECT_EQ(reread.DefaultFont, preferences.DefaultFont);
    EXPECT_FALSE(reread.ShowHints);
}

TEST(PreferencesTest, SavingLeavesRecentFilesAndPlacementAlone)
{
    const ProgramFolderScope scope;
    writeIni("[MRU]\nF0=/a.pq\n[TPQMainScreen_Placement]\nLeft=10\n[Misc]\nShow Hints=1\n");
    Preferences preferences;
    preferences.ShowHints = false;
    IniFile ini(IniFileName());
    preferences.save(ini);
    ASSERT_TRUE(ini.save());
    const IniFile reread(IniFileName());
    EXPECT_EQ(reread.sectionValues(QStringLiteral("MRU")), QStringList{QStringLiteral("/a.pq")});
    EXPECT_EQ(reread.readInteger(QStringLiteral("TPQMainScreen_Placement"), QStringLiteral("Left"), 0), 10);
    EXPECT_FALSE(reread.readBool(QStringLiteral("Misc"), QStringLiteral("Show Hints"), true));
}
} // namespace
