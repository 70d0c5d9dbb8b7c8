#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/RecentFiles.h"
#include "platform/IniFile.h"

namespace {
struct AddCase
{
    const char *name;
    QStringList added;
    QStringList expected;
};

TEST(RecentFilesTest, AddKeepsFiveNewestFirstOneEntryPerPath)
{
    const AddCase cases[] = {
        {"same file twice", {"/a.pq", "/a.pq"}, {"/a.pq"}},
        {"reopened file moves to the top", {"/a.pq", "/b.pq", "/c.pq", "/a.pq"}, {"/a.pq", "/c.pq", "/b.pq"}},
        {"six files keep five",
         {"/1.pq", "/2.pq", "/3.pq", "/4.pq", "/5.pq", "/6.pq"},
         {"/6.pq", "/5.pq", "/4.pq", "/3.pq", "/2.pq"}},
        {"letter case does not count, the newest spelling stays",
         {"/Labels/A.PQ", "/b.pq", "/labels/a.pq"},
         {"/labels/a.pq", "/b.pq"}},
        {"empty path is no document", {"/a.pq", ""}, {"/a.pq"}},
    };
    for (const AddCase &c : cases) {
        RecentFiles recent;
        for (const QString &path : c.added)
            recent.add(path);
        EXPECT_EQ(recent.paths(), c.expected) << c.name;
    }
}

TEST(RecentFilesTest, RemoveIgnoresLetterCase)
{
    RecentFiles recent;
    recent.add(QStringLiteral("/a.pq"));
    recent.add(QStringLiteral("/B.pq"));
    recent.remove(QStringLiteral("/b.PQ"));
    recent.remove(QStringLiteral("/not listed.pq"));
    EXPECT_EQ(recent.paths(), QStringList{QStringLiteral("/a.pq")});
}

TEST(RecentFilesTest, MenuCaptionsNumberTheEntriesAndShowAmpersands)
{
    RecentFiles recent;
    recent.add(QStringLiteral("/home/u/Tom & Jerry.pq"));
    recent.add(QStringLiteral("/home/u/b.pq"));
    EXPECT_EQ(recent.menuCaptions(),
              (QStringList{QStringLiteral("&1 /home/u/b.pq"), QStringLiteral("&2 /home/u/Tom && Jerry.pq")}));
    EXPECT_TRUE(RecentFiles().menuCaptions().isEmpty());
}

class RecentFilesFileTest : public ::testing::Test
{
protected:
    QString iniPath() const { return m_folder.filePath(QStringLiteral("pq.ini")); }
    void writeIni(const QByteArray &contents) const
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
};

TEST_F(RecentFilesFileTest, LoadTakesTheLinesInFileOrder)
{
    writeIni("[MRU]\n"
             "F2=/c.pq\n"
             "F0=/a=b.pq\n"
             "F1=\n"
             "F3=/C.PQ\n"
             "garbage\n"
             "F4=/d.pq\n"
             "F5=/e.pq\n"
             "F6=/f.pq\n"
             "F7=/g.pq\n");
    RecentFiles recent;
    recent.add(QStringLiteral("/replaced.pq"));
    recent.load(IniFile(iniPath()));
    EXPECT_EQ(recent.paths(),
              (QStringList{QStringLiteral("/c.pq"), QStringLiteral("/a=b.pq"), QStringLiteral("/d.pq"),
                           QStringLiteral("/e.pq"), QStringLiteral("/f.pq")}));
}

TEST_F(RecentFilesFileTest, SaveRewritesTheSectionWithoutF5)
{
    writeIni("[MRU]\nF0=/old.pq\nStale=1\n[Misc]\nShow Hints=1\n");
    RecentFiles recent;
    for (const char *path : {"/1.pq", "/2.pq", "/3.pq", "/4.pq", "/5.pq", "/6.pq"})
        recent.add(QString::fromUtf8(path));
    IniFile ini(iniPath());
    recent.save(ini);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readIni(), QByteArray("[Misc]\nShow Hints=1\n"
                                    "[MRU]\nF0=/6.pq\nF1=/5.pq\nF2=/4.pq\nF3=/3.pq\nF4=/2.pq\n"));

    RecentFiles reread;
    reread.load(IniFile(iniPath()));
    EXPECT_EQ(reread.paths(), recent.paths());
}

TEST_F(RecentFilesFileTest, EmptyListLeavesNoSection)
{
    writeIni("[MRU]\nF0=/old.pq\n");
    IniFile ini(iniPath());
    RecentFiles().save(ini);
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("MRU")));
}
} // namespace
