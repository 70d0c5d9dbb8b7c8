#pragma once

#include <functional>

#include "design/DesignSurface.h"

class PopupMenu;
class TGBasePanel;
class TGGraphicControl;

// The panel's editing commands on the current selection, and the popup menu that offers them.
class PanelCommands
{
public:
    explicit PanelCommands(TGBasePanel &panel);

    void buildMenu(PopupMenu &menu);
    // Enables the items for the current selection and clipboard file.
    void refreshMenu(PopupMenu &menu) const;

    void clipboardCommand(ClipboardCommand command);
    void objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command);
    void bringToFront();
    void sendToBack();
    void alignLeft();
    void alignRight();
    void alignTops();
    void alignBottoms();
    void centerVertically();
    void centerHorizontally();
    void lockAll(bool locked);
    void markAllSelectable(bool selectable);
    void selectAll();
    void chooseFont();

private:
    // The four alignments: one extreme edge of the selection, then every object placed on it.
    void alignSelection(int start, const std::function<int(int, const TGGraphicControl &)> &extreme,
                        const std::function<void(TGGraphicControl &, int)> &place);
    void paste();
    void deleteSelection();
    void pasteFile();
    std::vector<TGGraphicControl *> objects() const;

    TGBasePanel &m_panel;
    quint32 m_lastPasteTime = 0;
};
