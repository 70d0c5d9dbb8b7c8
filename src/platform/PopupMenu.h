#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QWidget;

// A menu as a plain tree, so that objects build and test their menus without widgets. A caption
// of "-" is a separator.
class MenuItem
{
public:
    explicit MenuItem(QString caption = {}, std::function<void()> onClick = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    bool isSeparator() const { return m_caption == QLatin1String("-"); }
    bool checked() const { return m_checked; }
    void setChecked(bool checked) { m_checked = checked; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    MenuItem *add(const QString &caption, std::function<void()> onClick = {});
    MenuItem *addSeparator() { return add(QStringLiteral("-")); }
    void remove(MenuItem *item);
    int count() const { return int(m_items.size()); }
    MenuItem *item(int index) const { return m_items.at(std::size_t(index)).get(); }
    // The first item with this caption, searching submenus too.
    MenuItem *find(const QString &caption) const;
    QStringList captions() const;

    // Runs the item's action as a click would.
    void click();

private:
    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    std::function<void()> m_onClick;
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

class PopupMenu : public MenuItem
{
public:
    // Runs just before the menu shows, so check marks and enabling can follow the current state.
    void setOnPopup(std::function<void()> onPopup) { m_onPopup = std::move(onPopup); }
    void popup(QPoint screenPosition);

    // Replaces the real menu (tests record the menu instead of showing it).
    using Presenter = std::function<void(PopupMenu &menu, QPoint screenPosition)>;
    static void setPresenter(Presenter presenter);

    // A QMenu mirroring this tree; its actions click the items.
    std::unique_ptr<QMenu> toQMenu(QWidget *parent = nullptr);

private:
    std::function<void()> m_onPopup;
};
