#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>

#include "app/HelpWindow.h"
#include "app/ProgramFiles.h"
#include "app/SingleInstance.h"
#include "app/TPQMainScreen.h"
#include "objects/ObjectClasses.h"

namespace {
// Symbol objects name Windows symbol fonts; Wine ships look-alikes of them.
void registerSymbolFonts()
{
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    const QStringList files = wineFonts.entryList(
        {QStringLiteral("wingding*.ttf"), QStringLiteral("symbol*.ttf"), QStringLiteral("webdings*.ttf")},
        QDir::Files);
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(wineFonts.filePath(file));
}

QIcon programIcon()
{
    const QString shipped = ProgramFiles::findDataFile(QStringLiteral("icons/pellora.svg"));
    return QIcon::fromTheme(QStringLiteral("pellora"), shipped.isEmpty() ? QIcon() : QIcon(shipped));
}

void bringForward(TPQMainScreen &window)
{
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellora"));
    QApplication::setDesktopFileName(QStringLiteral("pellora"));

    ProgramFiles::renameOldIniFile();

    const QStringList arguments = QApplication::arguments().mid(1);
    const QString document =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.constFirst()).absoluteFilePath();
    SingleInstance instance(SingleInstance::defaultName());
    if (!instance.becomePrimary())
        return instance.sendToPrimary(document) ? 0 : 1;

    QApplication::setWindowIcon(programIcon());
    registerSymbolFonts();
    registerLabelObjectClasses();
    installHelpWindow();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TPQMainScreen window;
    QApplication::restoreOverrideCursor();
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window](const QString &path) {
                         bringForward(window);
                         if (!path.isEmpty())
                             window.openDocumentArgument(path);
                     });
    window.show();
    window.FormActivate();
    if (!document.isEmpty())
        window.openDocumentArgument(document);
    return app.exec();
}
