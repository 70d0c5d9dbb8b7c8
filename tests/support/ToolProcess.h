#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the pqtool companion built beside the tests and collects what it printed.
struct ToolRun
{
    int exitCode;
    QString out;
    QString err;
};

inline ToolRun pqtool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PELLORA_TOOLS_DIR "/pqtool"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
