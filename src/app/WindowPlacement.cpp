#include "app/WindowPlacement.h"

#include <algorithm>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"

namespace {
const QString leftKey = QStringLiteral("Left");
const QString topKey = QStringLiteral("Top");
const QString rightKey = QStringLiteral("Right");
const QString bottomKey = QStringLiteral("Bottom");
const QString maximizedKey = QStringLiteral("Maximized");

// Beyond any real desktop; larger values come from a damaged file and would overflow on the way.
constexpr int largestCoordinate = 1 << 20;

std::optional<QRect> savedBounds(const IniFile &ini, const QString &section)
{
    const int left = ini.readInteger(section, leftKey, 0);
    const int top = ini.readInteger(section, topKey, 0);
    const int right = ini.readInteger(section, rightKey, 0);
    const int bottom = ini.readInteger(section, bottomKey, 0);
    if (bottom == 0)
        return std::nullopt;
    for (const int value : {left, top, right, bottom}) {
        if (value < -largestCoordinate || value > largestCoordinate)
            return std::nullopt;
    }
    if (right <= left || bottom <= top)
        return std::nullopt;
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

bool isMainWindow(const QWidget &widget)
{
    return QString::fromLatin1(widget.metaObject()->className()).toUpper() == QLatin1String("TPQMAINSCREEN");
}

const QWidget *findMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (isMainWindow(*window))
            return window;
    }
    return nullptr;
}

QRect screenBounds(const QWidget &form)
{
    const QScreen *screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QString placementSection(const QWidget &form)
{
    return WindowPlacement::sectionName(QString::fromLatin1(form.metaObject()->className()),
                                        Screen::pixelsPerInch());
}

QPoint centredPosition(const QWidget &form)
{
    std::optional<WindowPlacement::MainWindowFrame> frame;
    if (!isMainWindow(form)) {
        if (const QWidget *mainWindow = findMainWindow())
            frame = WindowPlacement::MainWindowFrame{mainWindow->geometry(), mainWindow->isMaximized()};
    }
    return WindowPlacement::centredPosition(form.size(), frame, screenBounds(form));
}
} // namespace

QString WindowPlacement::sectionName(const QString &className, int pixelsPerInch)
{
    QString section = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

void WindowPlacement::save(IniFile &ini, const QString &section, const QRect &normalBounds, bool maximized)
{
    ini.writeInteger(section, leftKey, normalBounds.x());
    ini.writeInteger(section, topKey, normalBounds.y());
    ini.writeInteger(section, rightKey, normalBounds.x() + normalBounds.width());
    ini.writeInteger(section, bottomKey, normalBounds.y() + normalBounds.height());
    ini.writeBool(section, maximizedKey, maximized);
}

WindowPlacement::Restored WindowPlacement::restore(const IniFile &ini, const QString &section,
                                                   const QRect &centredBounds, bool currentlyMaximized,
                                                   const QRect &screen)
{
    Restored restored;
    restored.maximized = ini.readBool(section, maximizedKey, currentlyMaximized);
    restored.bounds = keepOnScreen(savedBounds(ini, section).value_or(centredBounds), screen);
    return restored;
}

QRect WindowPlacement::keepOnScreen(QRect bounds, const QRect &screen)
{
    // A hand-edited placement of 100000 pixels would ask for a back buffer of many gigabytes; a
    // window somewhat wider than the screen stays as it was saved.
    bounds.setWidth(std::min(bounds.width(), 2 * screen.width()));
    bounds.setHeight(std::min(bounds.height(), 2 * screen.height()));
    const int screenRight = screen.x() + screen.width();
    if (bounds.x() + bounds.width() > screenRight)
        bounds.moveLeft(screenRight - bounds.width());
    if (bounds.x() < screen.x())
        bounds.moveLeft(screen.x() + 1);
    const int screenBottom = screen.y() + screen.height();
    if (bounds.y() + bounds.height() > screenBottom)
        bounds.moveTop(screenBottom - bounds.height());
    if (bounds.y() < screen.y())
        bounds.moveTop(screen.y() + 1);
    return bounds;
}

QPoint WindowPlacement::centredPosition(const QSize &form, const std::optional<MainWindowFrame> &mainWindow,
                                        const QRect &screen)
{
    if (!mainWindow || mainWindow->maximized)
        return {screen.x() + Div(screen.width() - form.width(), 2),
                screen.y() + Div(screen.height() - form.height(), 2)};
    const QRect &main = mainWindow->bounds;
    return {main.x() + Div(main.width() - form.width(), 2), main.y() + Div(main.height() - form.height(), 2)};
}

void SaveWindowPlacement(const QWidget &form, IniFile &ini)
{
    const bool maximized = form.isMaximized();
    const QRect normal = form.normalGeometry();
    WindowPlacement::save(ini, placementSection(form), normal.isValid() ? normal : form.geometry(),
                          maximized);
}

void LoadWindowPlacement(QWidget &form, const IniFile &ini)
{
    const QRect centred(centredPosition(form), form.size());
    const WindowPlacement::Restored restored = WindowPlacement::restore(
        ini, placementSection(form), centred, form.isMaximized(), screenBounds(form));
    // Normal bounds first, so that leaving the maximised state returns to them.
    form.setWindowState(form.windowState() & ~Qt::WindowMaximized);
    form.setGeometry(restored.bounds);
    if (restored.maximized)
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
}

void CenterForm(QWidget &form)
{
    form.move(centredPosition(form));
    const Qt::WindowFlags flags = form.windowFlags();
    if ((flags & Qt::WindowMaximizeButtonHint) && !(flags & Qt::WindowSystemMenuHint)) {
        // Changing the flags hides a shown window.
        const bool wasVisible = form.isVisible();
        form.setWindowFlag(Qt::WindowSystemMenuHint);
        if (wasVisible)
            form.show();
    }
}
