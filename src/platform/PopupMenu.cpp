#include "platform/PopupMenu.h"

#include <QMenu>

namespace {
PopupMenu::Presenter &presenter()
{
    static PopupMenu::Presenter current;
    return current;
}

void fillMenu(QMenu &menu, const MenuItem &tree)
{
    for (int i = 0; i < tree.count(); ++i) {
        MenuItem *item = tree.item(i);
        if (!item->visible())
            continue;
        if (item->isSeparator()) {
            menu.addSeparator();
        } else if (item->count() > 0) {
            QMenu *submenu = menu.addMenu(item->caption());
            submenu->setEnabled(item->enabled());
            fillMenu(*submenu, *item);
        } else {
            QAction *action = menu.addAction(item->caption());
            action->setEnabled(item->enabled());
            action->setCheckable(item->checked());
            action->setChecked(item->checked());
            QObject::connect(action, &QAction::triggered, &menu, [item] { item->click(); });
        }
    }
}
} // namespace

MenuItem::MenuItem(QString caption, std::function<void()> onClick)
    : m_caption(std::move(caption))
    , m_onClick(std::move(onClick))
{
}

MenuItem *MenuItem::add(const QString &caption, std::function<void()> onClick)
{
    m_items.push_back(std::make_unique<MenuItem>(caption, std::move(onClick)));
    return m_items.back().get();
}

void MenuItem::remove(MenuItem *item)
{
    std::erase_if(m_items, [item](const std::unique_ptr<MenuItem> &owned) { return owned.get() == item; });
}

MenuItem *MenuItem::find(const QString &caption) const
{
    for (const auto &item : m_items) {
        if (item->caption() == caption)
            return item.get();
        if (MenuItem *found = item->find(caption))
            return found;
    }
    return nullptr;
}

QStringList MenuItem::captions() const
{
    QStringList list;
    for (const auto &item : m_items)
        list.append(item->caption());
    return list;
}

void MenuItem::click()
{
    if (!m_enabled || !m_onClick)
        return;
    // The action may free the object that owns this menu (Cut, Delete): run a copy.
    const std::function<void()> action = m_onClick;
    action();
}

void PopupMenu::popup(QPoint screenPosition)
{
    if (m_onPopup)
        m_onPopup();
    if (presenter()) {
        presenter()(*this, screenPosition);
        return;
    }
    const std::unique_ptr<QMenu> menu = toQMenu();
    menu->exec(screenPosition);
}

void PopupMenu::setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

std::unique_ptr<QMenu> PopupMenu::toQMenu(QWidget *parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    fillMenu(*menu, *this);
    return menu;
}
