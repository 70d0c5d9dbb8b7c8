#pragma once

#include <QDir>
#include <QTemporaryDir>

#include "app/ProgramFiles.h"

// A throw-away program folder "<temp>/bin/" for one test; the real one returns afterwards.
class ProgramFolderScope
{
public:
    ProgramFolderScope()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("bin"));
        ProgramFiles::setProgramFolder(folder());
    }
    ~ProgramFolderScope()
    {
        ProgramFiles::setProgramFolder({});
        ProgramFiles::setWritableFolder({});
    }
    ProgramFolderScope(const ProgramFolderScope &) = delete;
    ProgramFolderScope &operator=(const ProgramFolderScope &) = delete;

    QString root() const { return m_root.path() + QLatin1Char('/'); }
    QString folder() const { return root() + QStringLiteral("bin/"); }

private:
    QTemporaryDir m_root;
};
