#include "objects/text/TColorDrop.h"

#include <QPainter>
#include <QPixmap>

const std::vector<TColorDrop::Entry> &TColorDrop::entries()
{
    static const std::vector<Entry> list{
        {QStringLiteral("Black"), 0x000000},     {QStringLiteral("Maroon"), 0x000080},
        {QStringLiteral("Green"), 0x008000},     {QStringLiteral("Olive"), 0x008080},
        {QStringLiteral("Navy"), 0x800000},      {QStringLiteral("Purple"), 0x800080},
        {QStringLiteral("Teal"), 0x808000},      {QStringLiteral("Gray"), 0x808080},
        {QStringLiteral("Silver"), 0xC0C0C0},    {QStringLiteral("Red"), 0x0000FF},
        {QStringLiteral("Lime"), 0x00FF00},      {QStringLiteral("Yellow"), 0x00FFFF},
        {QStringLiteral("Blue"), 0xFF0000},      {QStringLiteral("Fuchsia"), 0xFF00FF},
        {QStringLiteral("Aqua"), 0xFFFF00},      {QStringLiteral("Light Gray"), 0xC0C0C0},
        {QStringLiteral("Dark Gray"), 0x808080}, {QStringLiteral("White"), 0xFFFFFF},
    };
    return list;
}

int TColorDrop::indexOfColor(TColor color)
{
    const std::vector<Entry> &list = entries();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].color == color)
            return int(i);
    }
    return -1;
}

TColorDrop::TColorDrop(QWidget *parent)
    : QComboBox(parent)
{
    setIconSize(QSize(24, 12));
    for (const Entry &entry : entries()) {
        QPixmap swatch(iconSize());
        swatch.fill(toQColor(entry.color));
        // A dark outline keeps white and the light greys visible against the list.
        QPainter outline(&swatch);
        outline.setPen(Qt::black);
        outline.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
        addItem(QIcon(swatch), entry.name);
    }
    setMaxVisibleItems(int(entries().size()));
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &TColorDrop::entryChosen);
}

void TColorDrop::setColor(TColor color)
{
    const int index = indexOfColor(color);
    if (index < 0)
        return;
    m_color = color;
    setCurrentIndex(index);
}

void TColorDrop::entryChosen(int index)
{
    if (index < 0 || index >= int(entries().size()))
        return;
    m_color = entries()[std::size_t(index)].color;
    Q_EMIT colorChanged(m_color);
}
