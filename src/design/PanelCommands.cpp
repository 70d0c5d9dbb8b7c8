#include "design/PanelCommands.h"

#include <functional>

#include <QFile>

#include <algorithm>

#include "design/TGBasePanel.h"
#include "design/TGGraphicControl.h"
#include "design/TGHandle.h"
#include "document/StreamError.h"
#include "document/TGLabelObjectFiler.h"
#include "platform/FontDialog.h"
#include "platform/PopupMenu.h"
#include "platform/TickClock.h"

namespace {
// The same key press can reach the panel twice (through the main window and the frame).
constexpr quint32 pasteGuardMilliseconds = 1000;

const QStringList &selectionItems()
{
    static const QStringList items{
        QStringLiteral("Bring To Front"),
        QStringLiteral("Send To Back"),
        QStringLiteral("Cut"),
        QStringLiteral("Copy"),
        QStringLiteral("Delete"),
        QStringLiteral("Align Left"),
        QStringLiteral("Align Right"),
        QStringLiteral("Align Tops"),
        QStringLiteral("Align Bottoms"),
        QStringLiteral("Center Vertically"),
        QStringLiteral("Center Horizontally"),
        QStringLiteral("Font"),
    };
    return items;
}
} // namespace

PanelCommands::PanelCommands(TGBasePanel &panel)
    : m_panel(panel)
{
}

void PanelCommands::buildMenu(PopupMenu &menu)
{
    menu.add(QStringLiteral("Bring To Front"), [this] { bringToFront(); });
    menu.add(QStringLiteral("Send To Back"), [this] { sendToBack(); });
    menu.addSeparator();
    menu.add(QStringLiteral("Cut"), [this] { clipboardCommand(ClipboardCommand::Cut); });
    menu.add(QStringLiteral("Copy"), [this] { clipboardCommand(ClipboardCommand::Copy); });
    menu.add(QStringLiteral("Paste"), [this] { clipboardCommand(ClipboardCommand::Paste); });
    menu.addSeparator();
    menu.add(QStringLiteral("Delete"), [this] { clipboardCommand(ClipboardCommand::Delete); });
    menu.addSeparator();
    menu.add(QStringLiteral("Align Left"), [this] { alignLeft(); });
    menu.add(QStringLiteral("Align Right"), [this] { alignRight(); });
    menu.add(QStringLiteral("Align Tops"), [this] { alignTops(); });
    menu.add(QStringLiteral("Align Bottoms"), [this] { alignBottoms(); });
    menu.addSeparator();
    menu.add(QStringLiteral("Center Vertically"), [this] { centerVertically(); });
    menu.add(QStringLiteral("Center Horizontally"), [this] { centerHorizontally(); });
    menu.addSeparator();
    menu.add(QStringLiteral("Lock All"), [this] { lockAll(true); });
    menu.add(QStringLiteral("Unlock All"), [this] { lockAll(false); });
    menu.addSeparator();
    menu.add(QStringLiteral("Mark All Selectable"), [this] { markAllSelectable(true); });
    menu.add(QStringLiteral("Mark All Unselectable"), [this] { markAllSelectable(false); });
    menu.add(QStringLiteral("Select All"), [this] { selectAll(); });
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { chooseFont(); });
    menu.setOnPopup([this, &menu] { refreshMenu(menu); });
}

void PanelCommands::refreshMenu(PopupMenu &menu) const
{
    const bool selection = m_panel.selectionCount() > 0;
    for (const QString &caption : selectionItems())
        menu.find(caption)->setEnabled(selection);
    menu.find(QStringLiteral("Paste"))->setEnabled(QFile::exists(m_panel.clipboardFile()));
    const bool anyObject = m_panel.objectCount() > 0;
    menu.find(QStringLiteral("Lock All"))->setEnabled(anyObject);
    menu.find(QStringLiteral("Unlock All"))->setEnabled(anyObject);
}

std::vector<TGGraphicControl *> PanelCommands::objects() const
{
    std::vector<TGGraphicControl *> all;
    for (int i = 0; i < m_panel.objectCount(); ++i)
        all.push_back(m_panel.objectAt(i));
    return all;
}

void PanelCommands::clipboardCommand(ClipboardCommand command)
{
    const std::vector<TGGraphicControl *> selection = m_panel.selectionFrame().selection();
    switch (command) {
    case ClipboardCommand::Paste:
        paste();
        break;
    case ClipboardCommand::Copy:
    case ClipboardCommand::Cut:
        try {
            TGLabelObjectFiler().WriteSelection(selection, m_panel.clipboardFile());
        } catch (const StreamError &error) {
            // What could not be kept on the clipboard is not cut from the label either.
            m_panel.reportCommandFailure(error.message());
            return;
        }
        if (command == ClipboardCommand::Cut)
            deleteSelection();
        break;
    case ClipboardCommand::Delete:
        deleteSelection();
        break;
    }
}

void PanelCommands::paste()
{
    const quint32 now = TickClock::now();
    if (m_lastPasteTime == 0)
        m_lastPasteTime = now;
    else if (now - m_lastPasteTime < pasteGuardMilliseconds)
        return;
    pasteFile();
    m_lastPasteTime = TickClock::now();
}

void PanelCommands::pasteFile()
{
    const int before = m_panel.objectCount();
    try {
        TGLabelObjectFiler().ReadObjects(m_panel, m_panel.clipboardFile());
    } catch (const StreamError &error) {
        // The objects read before the damage stay, as placed objects of the label.
        m_panel.reportCommandFailure(error.message());
    }
    if (m_panel.objectCount() == before)
        return;
    m_panel.hookObjectEvents();
    m_panel.raiseChanged();
    m_panel.processPendingEvents();
}

void PanelCommands::deleteSelection()
{
    TGHandle &frame = m_panel.selectionFrame();
    while (frame.SelectionCount() > 0) {
        TGGraphicControl *object = frame.SelectedObject(frame.SelectionCount() - 1);
        frame.RemoveFromSelection(*object);
        try {
            m_panel.deleteObject(*object);
        } catch (...) {
            // The rest of the selection goes all the same.
        }
        m_panel.raiseChanged();
    }
}

void PanelCommands::objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command)
{
    if (m_panel.isSelected(object)) {
        clipboardCommand(command);
        return;
    }
    if (command == ClipboardCommand::Paste) {
        pasteFile();
        return;
    }
    if (command != ClipboardCommand::Delete) {
        try {
            TGLabelObjectFiler().WriteObject(object, m_panel.clipboardFile());
        } catch (const StreamError &error) {
            m_panel.reportCommandFailure(error.message());
            return;
        }
    }
    if (command == ClipboardCommand::Copy)
        return;
    m_panel.raiseChanged();
    m_panel.removeFromSelection(object);
    m_panel.deleteObject(object);
}

void PanelCommands::bringToFront()
{
    if (m_panel.selectionCount() == 0)
        return;
    m_panel.selectionFrame().BringSelectionToFront();
    m_panel.raiseChanged();
}

void PanelCommands::sendToBack()
{
    if (m_panel.selectionCount() == 0)
        return;
    m_panel.selectionFrame().SendSelectionToBack();
    m_panel.clearSelection();
    m_panel.raiseChanged();
}

void PanelCommands::alignSelection(int start,
                                   const std::function<int(int, const TGGraphicControl &)> &extreme,
                                   const std::function<void(TGGraphicControl &, int)> &place)
{
    const std::vector<TGGraphicControl *> selection = m_panel.selectionFrame().selection();
    if (selection.empty())
        return;
    m_panel.raiseChanged();
    int m = start;
    for (const TGGraphicControl *object : selection)
        m = extreme(m, *object);
    for (TGGraphicControl *object : selection)
        place(*object, m);
    m_panel.repaintSurface();
}

void PanelCommands::alignLeft()
{
    alignSelection(
        m_panel.width(), [](int m, const TGGraphicControl &o) { return std::min(m, o.left()); },
        [](TGGraphicControl &o, int m) { o.setLeft(m); });
}

void PanelCommands::alignTops()
{
    alignSelection(
        m_panel.height(), [](int m, const TGGraphicControl &o) { return std::min(m, o.top()); },
        [](TGGraphicControl &o, int m) { o.setTop(m); });
}

void PanelCommands::alignRight()
{
    alignSelection(
        0, [](int m, const TGGraphicControl &o) { return std::max(m, o.left() + o.width()); },
        [](TGGraphicControl &o, int m) { o.setLeft(m - o.width()); });
}

void PanelCommands::alignBottoms()
{
    alignSelection(
        0, [](int m, const TGGraphicControl &o) { return std::max(m, o.top() + o.height()); },
        [](TGGraphicControl &o, int m) { o.setTop(m - o.height()); });
}

void PanelCommands::centerVertically()
{
    const std::vector<TGGraphicControl *> selection = m_panel.selectionFrame().selection();
    for (TGGraphicControl *object : selection)
        object->CenterVerticallyClick();
    m_panel.repaintSurface();
}

void PanelCommands::centerHorizontally()
{
    const std::vector<TGGraphicControl *> selection = m_panel.selectionFrame().selection();
    for (TGGraphicControl *object : selection)
        object->CenterHorizontallyClick();
    m_panel.repaintSurface();
}

void PanelCommands::lockAll(bool locked)
{
    for (TGGraphicControl *object : objects())
        object->setLocked(locked);
}

void PanelCommands::markAllSelectable(bool selectable)
{
    for (TGGraphicControl *object : objects())
        object->setUnselectable(!selectable);
}

void PanelCommands::selectAll()
{
    m_panel.clearSelection();
    for (TGGraphicControl *object : objects())
        m_panel.addToSelection(*object);
}

void PanelCommands::chooseFont()
{
    const std::vector<TGGraphicControl *> selection = m_panel.selectionFrame().selection();
    if (selection.empty())
        return;
    const std::optional<Font> chosen = FontDialog::choose(m_panel.panelFont());
    if (!chosen)
        return;
    for (TGGraphicControl *object : selection)
        object->ApplyFont(*chosen);
    m_panel.repaintSurface();
}
