#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class IniFile;
class QWidget;

// Where a window reopens, and where dialogs appear. Rectangles keep the usual screen-pixel
// geometry; the file stores them as Left, Top, Right, Bottom with right and bottom exclusive.
namespace WindowPlacement {
// Class name + "_Placement", followed by the pixels per inch above 96, so that each screen
// resolution keeps its own placement.
QString sectionName(const QString &className, int pixelsPerInch);

void save(IniFile &ini, const QString &section, const QRect &normalBounds, bool maximized);

struct Restored
{
    QRect bounds;
    bool maximized = false;

    bool operator==(const Restored &) const = default;
};
// The saved placement, or centredBounds when none was saved ("Bottom" 0) or it is unusable,
// pulled onto the screen. A maximised window also gets its normal bounds, for when it is restored.
Restored restore(const IniFile &ini, const QString &section, const QRect &centredBounds,
                 bool currentlyMaximized, const QRect &screen);

// A rectangle past the right or bottom edge is pulled back; one past the left or top edge then
// starts one pixel inside it.
QRect keepOnScreen(QRect bounds, const QRect &screen);

struct MainWindowFrame
{
    QRect bounds;
    bool maximized = false;
};
// Top-left corner for a form: over the main window's middle, or in the middle of the screen when
// the form is the main window itself (no frame given) or the main window is maximised. It may lie
// partly off the screen.
QPoint centredPosition(const QSize &form, const std::optional<MainWindowFrame> &mainWindow,
                       const QRect &screen);
} // namespace WindowPlacement

// The same for real windows, in the section of the window's class at the screen's resolution.
void SaveWindowPlacement(const QWidget &form, IniFile &ini);
void LoadWindowPlacement(QWidget &form, const IniFile &ini);
// Centres a dialog over the main window (class TPQMainScreen), or the main window on the screen.
void CenterForm(QWidget &form);
