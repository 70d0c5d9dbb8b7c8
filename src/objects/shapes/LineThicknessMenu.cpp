#include "objects/shapes/LineThicknessMenu.h"

#include "platform/PopupMenu.h"

void LineThicknessMenu::addTo(MenuItem &menu, const std::function<void(int)> &onChoose)
{
    MenuItem *thickness = menu.add(QStringLiteral("Line Thickness"));
    for (int n = 1; n <= int(m_items.size()); ++n)
        m_items[std::size_t(n - 1)] =
            thickness->add(QStringLiteral("%1 Point").arg(n), [onChoose, n] { onChoose(n); });
}

void LineThicknessMenu::showWidth(int penWidth)
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i])
            m_items[i]->setChecked(penWidth == int(i) + 1);
    }
}
