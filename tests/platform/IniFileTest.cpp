#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include "platform/IniFile.h"

namespace {
class IniFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("pq.ini")) const { return m_folder.filePath(name); }

    QString writeFile(const QByteArray &bytes, const QString &name = QStringLiteral("pq.ini")) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray readFile(const QString &name = QStringLiteral("pq.ini")) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
};

const QByteArray sample = "; kept as it is\n"
                          "[Printer]\n"
                          "TopMarginNudge=3\n"
                          "  leftmarginnudge = -2  \n"
                          "this line means nothing\n"
                          "=no key\n"
                          "[Default Font]\n"
                          "Name=Times New Roman\n"
                          "Name=Second Name\n"
                          "Empty=\n"
                          "[ Misc ] trailing text\n"
                          "Show Hints=0\n"
                          "[Broken\n"
                          "Path=C:\\a=b.pq\n";

struct StringCase
{
    const char *section;
    const char *key;
    const char *expected;
};

TEST_F(IniFileTest, ReadsStringsWhateverTheCaseAndSpacing)
{
    const IniFile ini(writeFile(sample));
    const StringCase cases[] = {
        {"Printer", "TopMarginNudge", "3"},
        {"PRINTER", "LeftMarginNudge", "-2"},
        {"default font", "name", "Times New Roman"}, // the first of two
        {"Default Font", "Empty", ""},               // present, so not the default
        {"Misc", "Show Hints", "0"},
        {"Misc", "Path", "C:\\a=b.pq"}, // a broken header does not start a section
        {"Printer", "Name", "(default)"},
        {"Missing Section", "Name", "(default)"},
        {"Printer", "this line means nothing", "(default)"},
        {"Printer", "", "(default)"},
        {"Printer", "; kept as it is", "(default)"},
    };
    for (const StringCase &c : cases) {
        EXPECT_EQ(ini.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                 QStringLiteral("(default)")),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
    }
}

TEST_F(IniFileTest, IntegersThatDoNotParseOrFitGiveTheDefault)
{
    const struct
    {
        const char *text;
        int expected;
    } cases[] = {
        {"42", 42},
        {"-7", -7},
        {"+3", 3},
        {"  12  ", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", -1},
        {"99999999999999999999", -1},
        {"12abc", -1},
        {"abc", -1},
        {"", -1},
        {"1.5", -1},
        {"0x10", -1},
        {"1 2", -1},
    };
    for (const auto &c : cases) {
        writeFile(QByteArray("[S]\nK=") + c.text + "\n");
        EXPECT_EQ(IniFile(path()).readInteger(QStringLiteral("S"), QStringLiteral("K"), -1), c.expected)
            << "value '" << c.text << "'";
    }
}

TEST_F(IniFileTest, EveryValueButZeroReadsAsTrue)
{
    const struct
    {
        const char *line;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"K=1", false, true},           {"K=0", true, false},
        {"K=00", true, false},          {"K=-0", true, false},
        {"K=5", false, true},           {"K=-1", false, true},
        {"K=99999999999", false, true}, {"K=yes", false, true},
        {"K=", false, false},           {"K=", true, true},
        {"Other=0", true, true},        {"Other=1", false, false},
    };
    for (const auto &c : cases) {
        writeFile(QByteArray("[S]\n") + c.line + "\n");
        EXPECT_EQ(IniFile(path()).readBool(QStringLiteral("S"), QStringLiteral("K"), c.defaultValue),
                  c.expected)
            << c.line << " with default " << c.defaultValue;
    }
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsCreatedOnlyBySavingAChange)
{
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), 7), 7);
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("Printer")));
    EXPECT_TRUE(ini.save());
    EXPECT_FALSE(QFile::exists(path())) << "nothing changed, nothing written";

    ini.writeInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), -4);
    ini.writeBool(QStringLiteral("Misc"), QStringLiteral("Show Hints"), true);
    ini.writeBool(QStringLiteral("Misc"), QStringLiteral("Other"), false);
    ini.writeString(QStringLiteral("Default Font"), QStringLiteral("Name"), QStringLiteral("Arial"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readFile(), QByteArray("[Printer]\nTopMarginNudge=-4\n[Misc]\nShow Hints=1\nOther=0\n"
                                     "[Default Font]\nName=Arial\n"));
    EXPECT_FALSE(ini.isModified());
}

TEST_F(IniFileTest, RewriteKeepsOrderSpellingCommentsAndGarbage)
{
    IniFile ini(writeFile("; comment\n"
                          "[Printer]\n"
                          "TopMarginNudge=3\n"
                          "garbage\n"
                          "LeftMarginNudge=1\n"
                          "\n"
                          "[Misc]\n"
                          "Show Hints=1\n"));
    ini.writeInteger(QStringLiteral("printer"), QStringLiteral("TOPMARGINNUDGE"), 5);
    ini.writeInteger(QStringLiteral("Printer"), QStringLiteral("VerticalSpacing"), 2);
    ini.writeString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"), QStringLiteral("/home/a/"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readFile(), QByteArray("; comment\n"
                                     "[Printer]\n"
                                     "TopMarginNudge=5\n"
                                     "garbage\n"
                                     "LeftMarginNudge=1\n"
                                     "VerticalSpacing=2\n"
                                     "\n"
                                     "[Misc]\n"
                                     "Show Hints=1\n"
                                     "[Paths]\n"
                                     "FileOpenLastPath=/home/a/\n"));
}

TEST_F(IniFileTest, LineEndsAreKeptAsFound)
{
    const struct
    {
        QByteArray original;
        QByteArray saved;
    } cases[] = {
        {"[S]\r\nA=1\r\n", "[S]\r\nA=2\r\nB=x\r\n"},
        {"[S]\nA=1\n", "[S]\nA=2\nB=x\n"},
        {"[S]\rA=1", "[S]\nA=2\nB=x\n"}, // lone CR, no final line end
        {"[S]\r\nA=1", "[S]\r\nA=2\r\nB=x\r\n"},
    };
    for (const auto &c : cases) {
        IniFile ini(writeFile(c.original));
        EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("A"), 0), 1);
        ini.writeInteger(QStringLiteral("S"), QStringLiteral("A"), 2);
        ini.writeString(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("x"));
        ASSERT_TRUE(ini.save());
        EXPECT_EQ(readFile(), c.saved) << c.original.toStdString();
    }
}

TEST_F(IniFileTest, SectionValuesInFileOrder)
{
    const IniFile ini(writeFile("[MRU]\n"
                                "F1=/b.pq\n"
                                "F0=/a=1.pq\n"
                                "; not a value\n"
                                "junk\n"
                                "F2=\n"
                                "[Other]\n"
                                "F3=/c.pq\n"
                                "[mru]\n"
                                "F4=/second copy.pq\n"));
    EXPECT_EQ(ini.sectionValues(QStringLiteral("mru")),
              (QStringList{QStringLiteral("/b.pq"), QStringLiteral("/a=1.pq"), QString()}));
    EXPECT_TRUE(ini.sectionValues(QStringLiteral("Missing")).isEmpty());
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyAndOnlyThem)
{
    IniFile ini(writeFile("[MRU]\nF0=/a.pq\n[Misc]\nShow Hints=0\n[mru]\nF0=/b.pq\n"));
    ini.eraseSection(QStringLiteral("MRU"));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("MRU")));
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("/c.pq"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readFile(), QByteArray("[Misc]\nShow Hints=0\n[MRU]\nF0=/c.pq\n"));
}

TEST_F(IniFileTest, LineBreaksInAValueCannotSplitTheFile)
{
    IniFile ini(path());
    ini.writeString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"),
                    QStringLiteral("/a\r\n[Evil]\nb/"));
    ini.writeString(QStringLiteral("Paths"), QStringLiteral("FileSaveLastPath"), QStringLiteral("/s/"));
    ASSERT_TRUE(ini.save());
    const IniFile reread(path());
    EXPECT_FALSE(reread.sectionExists(QStringLiteral("Evil")));
    EXPECT_EQ(reread.readString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"), {}),
              QStringLiteral("/a  [Evil] b/"));
    EXPECT_EQ(reread.readString(QStringLiteral("Paths"), QStringLiteral("FileSaveLastPath"), {}),
              QStringLiteral("/s/"));
}

TEST_F(IniFileTest, ReadsUtf8OrWindows1252AndWritesUtf8)
{
    const struct
    {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"[Paths]\nFileOpenLastPath=/home/Ren\xc3\xa9/\n", QStringLiteral("/home/Ren\u00e9/")},
        {"[Paths]\nFileOpenLastPath=C:\\Ren\xe9\\\x80\n", QStringLiteral("C:\\Ren\u00e9\\\u20ac")},
        {"\xef\xbb\xbf[Paths]\nFileOpenLastPath=/bom/\n", QStringLiteral("/bom/")},
    };
    for (const auto &c : cases) {
        IniFile ini(writeFile(c.bytes));
        EXPECT_EQ(ini.readString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"), {}),
                  c.expected);
        ini.writeInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), 1);
        ASSERT_TRUE(ini.save());
        EXPECT_EQ(IniFile(path()).readString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"), {}),
                  c.expected)
            << "after saving";
        EXPECT_TRUE(readFile().contains(c.expected.toUtf8()));
    }
}

TEST_F(IniFileTest, BinaryGarbageReadsAsDefaults)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    const char tail[] = "\0[S\0]\n=\n[[]]\n]\n[\n";
    garbage.append(tail, sizeof(tail) - 1);
    IniFile ini(writeFile(garbage));
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("K"), 9), 9);
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("K"), 1);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(IniFile(path()).readInteger(QStringLiteral("S"), QStringLiteral("K"), 9), 1);
}

// The write is made to fail part-way by a file size limit, which holds for every user.
TEST_F(IniFileTest, FailedSaveLeavesTheOldFileWhole)
{
    const QByteArray original = "[Printer]\nTopMarginNudge=3\n";
    IniFile ini(writeFile(original));
    ini.writeString(QStringLiteral("Paths"), QStringLiteral("FileOpenLastPath"),
                    QString(100000, QLatin1Char('x')));

    rlimit previousLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit limit = previousLimit;
    limit.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool saved = ini.save();
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(), original);
    EXPECT_TRUE(ini.isModified());
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("pq.ini")})
        << "no half-written file left behind";
}

TEST_F(IniFileTest, SaveIntoMissingFolderFails)
{
    IniFile ini(path(QStringLiteral("no such folder/pq.ini")));
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("K"), 1);
    EXPECT_FALSE(ini.save());
}
} // namespace
