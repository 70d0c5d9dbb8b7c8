// pqtool: inspects and normalises label documents from the command line.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "design/DesignSurface.h"
#include "document/DocumentDump.h"
#include "document/FileBytes.h"
#include "document/StreamError.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/ObjectClasses.h"

namespace {

constexpr const char *usage = "usage: pqtool dump FILE\n"
                              "       pqtool resave IN OUT\n";

int fail(const QString &message)
{
    QTextStream(stderr) << "pqtool: " << message << '\n';
    return 1;
}

int dumpCommand(const QString &path)
{
    const FileBytes file(path);
    if (!file.isOpen())
        return fail(QStringLiteral("cannot open %1").arg(path));
    try {
        QTextStream(stdout) << DocumentDump::dump(file.bytes());
        return 0;
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(path, error.message()));
    }
}

int resaveCommand(const QString &in, const QString &out)
{
    const FileBytes file(in);
    if (!file.isOpen())
        return fail(QStringLiteral("cannot open %1").arg(in));
    DesignSurface surface;
    TLabelLayout layout = TLabelLayout::defaultLayout();
    try {
        TGLabelObjectFiler().readDocument(file.bytes(), surface, layout);
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(in, error.message()));
    }
    try {
        TGLabelObjectFiler().SaveDocument(surface, out, layout.documentPrecision());
    } catch (const StreamError &error) {
        return fail(QStringLiteral("%1: %2").arg(out, error.message()));
    }
    return 0;
}

} // namespace

// The tool's own errors are one line each; Qt's chatter about the environment is not for the user.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "pqtool: " << message << '\n';
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    // Fonts and pictures need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerLabelObjectClasses();
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dumpCommand(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("resave"))
        return resaveCommand(args[1], args[2]);
    std::fputs(usage, stderr);
    return 2;
}
