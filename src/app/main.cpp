#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "app/HelpWindow.h"
#include "app/MessageBoxes.h"
#include "app/PrintCommands.h"
#include "app/ProgramFiles.h"
#include "app/SingleInstance.h"
#include "app/TPQMainScreen.h"
#include "objects/ObjectClasses.h"
#include "platform/InfoBox.h"
#include "platform/QuestionBox.h"
#include "platform/SymbolFonts.h"

namespace {
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
    SymbolFonts::registerProgramFonts();
    registerLabelObjectClasses();
    installHelpWindow();
    installPrintCommands();
    // Dialogs of the core library ask and tell through the program's own message boxes.
    setInfoBoxHandler([](const QString &text) { ShowInfo(text); });
    QuestionBox::setAnswerer(
        [](const QString &text, const QString &caption) { return Confirm(text, caption); });

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
