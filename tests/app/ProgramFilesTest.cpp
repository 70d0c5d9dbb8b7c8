#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "app/ProgramFiles.h"
#include "ProgramFolderScope.h"

namespace {
void touch(const QString &path, const QByteArray &contents = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ProgramFilesTest, ProgramFolderIsTheExecutablesFolderWithSeparator)
{
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    ProgramFiles::setProgramFolder(QStringLiteral("/opt/pellora"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/pellora/"));
    ProgramFiles::setProgramFolder({});
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(ProgramFilesTest, WrittenFilesGoIntoAWritableProgramFolder)
{
    const ProgramFolderScope scope;
    const QString folder = scope.folder();
    EXPECT_EQ(ProgramFiles::writableFolder(), folder);
    EXPECT_EQ(IniFileName(), folder + QStringLiteral("pq.ini"));
    EXPECT_EQ(ProgramFiles::clipboardFileName(), folder + QStringLiteral("Clipbrd.tmp"));
    EXPECT_EQ(ProgramFiles::spareTempFileName(), folder + QStringLiteral("TempFile.tmp"));
    EXPECT_EQ(ProgramFiles::documentFolder(), folder);
}

TEST(ProgramFilesTest, UnwritableProgramFolderSendsWrittenFilesToTheConfigurationFolder)
{
    const ProgramFolderScope scope;
    // A folder that is not there cannot be written to, whoever runs the test.
    ProgramFiles::setProgramFolder(scope.root() + QStringLiteral("missing"));
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/');
    EXPECT_EQ(ProgramFiles::writableFolder(), config);
    EXPECT_TRUE(QFileInfo(config).isDir()) << "created when missing";
    EXPECT_EQ(IniFileName(), config + QStringLiteral("pq.ini"));
    EXPECT_EQ(ProgramFiles::clipboardFileName(), config + QStringLiteral("Clipbrd.tmp"));

    const QString documents = ProgramFiles::documentFolder();
    EXPECT_FALSE(documents.startsWith(scope.root()));
    EXPECT_TRUE(documents.endsWith(QLatin1Char('/')));
}

TEST(ProgramFilesTest, OldPreferencesFileIsRenamedOnlyWhenNoCurrentOneExists)
{
    const struct
    {
        bool oldExists;
        bool currentExists;
        bool renamed;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}, {false, true, false}};
    for (const auto &c : cases) {
        const ProgramFolderScope scope;
        const QString oldName = scope.folder() + QStringLiteral("pq2.ini");
        if (c.oldExists)
            touch(oldName, "[Misc]\nShow Hints=0\n");
        if (c.currentExists)
            touch(IniFileName(), "[Misc]\nShow Hints=1\n");

        EXPECT_EQ(ProgramFiles::renameOldIniFile(), c.renamed) << c.oldExists << c.currentExists;
        EXPECT_EQ(QFile::exists(oldName), c.oldExists && !c.renamed);
        EXPECT_EQ(QFile::exists(IniFileName()), c.oldExists || c.currentExists);
        if (c.oldExists || c.currentExists) {
            EXPECT_EQ(contentsOf(IniFileName()), c.currentExists ? QByteArray("[Misc]\nShow Hints=1\n")
                                                                 : QByteArray("[Misc]\nShow Hints=0\n"));
        }
    }
}

TEST(ProgramFilesTest, PrintFileTakesTheFirstFreeNumber)
{
    const ProgramFolderScope scope;
    EXPECT_EQ(ProgramFiles::freePrintFileName(), scope.folder() + QStringLiteral("PQ0.TMP"));
    touch(scope.folder() + QStringLiteral("PQ0.TMP"));
    touch(scope.folder() + QStringLiteral("PQ2.TMP"));
    EXPECT_EQ(ProgramFiles::freePrintFileName(), scope.folder() + QStringLiteral("PQ1.TMP"));
}

TEST(ProgramFilesTest, WritableFolderCanBeSetApart)
{
    const ProgramFolderScope scope;
    ProgramFiles::setWritableFolder(scope.root());
    EXPECT_EQ(IniFileName(), scope.root() + QStringLiteral("pq.ini"));
    EXPECT_EQ(ProgramFiles::freePrintFileName(), scope.root() + QStringLiteral("PQ0.TMP"));
}

TEST(ProgramFilesTest, DataIsFoundBesideTheProgramThenInstalledThenInTheSourceTree)
{
    const ProgramFolderScope scope;
    const QString installed = scope.root() + QStringLiteral("share/pellora/");
    const QStringList folders = ProgramFiles::dataFolders();
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0], scope.folder());
    EXPECT_EQ(folders[1], installed);
    EXPECT_EQ(folders[2], QStringLiteral(PELLORA_SOURCE_DATA_DIR "/"));

    // A name the shipped data will never hold, so that the source tree cannot answer.
    const QString name = QStringLiteral("only-in-this-test.dat");
    EXPECT_EQ(ProgramFiles::findDataFile(name), QString());
    touch(installed + name);
    EXPECT_EQ(ProgramFiles::findDataFile(name), installed + name);
    touch(scope.folder() + name);
    EXPECT_EQ(ProgramFiles::findDataFile(name), scope.folder() + name);

    QDir().mkpath(installed + QStringLiteral("test-textures"));
    EXPECT_EQ(ProgramFiles::findDataFile(QStringLiteral("test-textures")),
              installed + QStringLiteral("test-textures"));
}
} // namespace
