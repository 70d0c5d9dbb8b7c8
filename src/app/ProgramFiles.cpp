#include "app/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString programFolderOverride;
QString writableFolderOverride;

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool isWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString configFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return withSeparator(folder);
}
} // namespace

QString ProgramFolder()
{
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString IniFileName()
{
    return ProgramFiles::writableFolder() + QStringLiteral("pq.ini");
}

void ProgramFiles::setProgramFolder(const QString &folder)
{
    programFolderOverride = folder.isEmpty() ? QString() : withSeparator(folder);
}

void ProgramFiles::setWritableFolder(const QString &folder)
{
    writableFolderOverride = folder.isEmpty() ? QString() : withSeparator(folder);
}

QString ProgramFiles::writableFolder()
{
    if (!writableFolderOverride.isEmpty())
        return writableFolderOverride;
    const QString program = ProgramFolder();
    if (isWritableFolder(program))
        return program;
    const QString config = configFolder();
    return config.isEmpty() ? program : config;
}

QString ProgramFiles::documentFolder()
{
    const QString program = ProgramFolder();
    if (isWritableFolder(program))
        return program;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withSeparator(documents.isEmpty() ? QDir::homePath() : documents);
}

QString ProgramFiles::clipboardFileName()
{
    return writableFolder() + QStringLiteral("Clipbrd.tmp");
}

QString ProgramFiles::spareTempFileName()
{
    return writableFolder() + QStringLiteral("TempFile.tmp");
}

QString ProgramFiles::freePrintFileName()
{
    const QString folder = writableFolder();
    for (int n = 0; n <= 99999; ++n) {
        const QString name = folder + QStringLiteral("PQ%1.TMP").arg(n);
        if (!QFileInfo::exists(name))
            return name;
    }
    return {};
}

QStringList ProgramFiles::dataFolders()
{
    const QString program = ProgramFolder();
    QStringList folders{
        program,
        withSeparator(QDir::cleanPath(program + QStringLiteral("../share/pellora"))),
        withSeparator(QStringLiteral(PELLORA_SOURCE_DATA_DIR)),
    };
    folders.removeDuplicates();
    return folders;
}

QString ProgramFiles::findDataFile(const QString &name)
{
    for (const QString &folder : dataFolders()) {
        const QString path = folder + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

bool ProgramFiles::renameOldIniFile()
{
    const QString oldName = writableFolder() + QStringLiteral("pq2.ini");
    const QString newName = IniFileName();
    if (!QFileInfo::exists(oldName) || QFileInfo::exists(newName))
        return false;
    return QFile::rename(oldName, newName);
}
