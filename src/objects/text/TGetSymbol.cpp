#include "objects/text/TGetSymbol.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

#include "platform/AnsiText.h"
#include "platform/Color.h"
#include "platform/DialogButtonBar.h"
#include "platform/FontDialog.h"
#include "platform/SymbolFonts.h"

namespace {
constexpr int initialRowHeight = 30;
constexpr int maximumNameForSize = 31;
} // namespace

TGetSymbol::TGetSymbol(QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_fontButton(new QPushButton(this))
    , m_symbolList(new QTableWidget(this))
    , m_buttons(new DialogButtonBar(*this, helpTopic))
{
    setWindowTitle(QStringLiteral("Symbol Selector"));
    setObjectName(QStringLiteral("GetSymbol"));
    setFixedSize(474, 327);

    m_selectedChar.setName(QStringLiteral("Wingdings"));
    m_selectedChar.setHeight(-24);
    m_selectedChar.setStyle(fontStyleBit(FontStyle::fsBold));
    // The grid keeps the dialog's own text size whatever font the object gets.
    m_listFont.setName(QStringLiteral("Wingdings"));
    m_listFont.setHeight(-27);

    m_fontButton->setObjectName(QStringLiteral("Fontbutton"));
    m_fontButton->setWhatsThis(
        QStringLiteral("Chooses the symbol font and the size the symbol is drawn in."));
    connect(m_fontButton, &QPushButton::clicked, this, &TGetSymbol::FontbuttonClick);
    auto *fontLabel = new QLabel(QStringLiteral("&Font"), this);
    fontLabel->setBuddy(m_fontButton);

    m_symbolList->setObjectName(QStringLiteral("SymbolList"));
    m_symbolList->setWhatsThis(QStringLiteral("Every character of the font; the highlighted one is placed."));
    m_symbolList->horizontalHeader()->hide();
    m_symbolList->verticalHeader()->hide();
    m_symbolList->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_symbolList->verticalHeader()->setDefaultSectionSize(initialRowHeight);
    m_symbolList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_symbolList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_symbolList, &QTableWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_fontButton, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(fontRow);
    column->addWidget(m_symbolList, 1);
    column->addWidget(m_buttons);

    fillList(selectedCode());
    updateFontButton();
    m_symbolList->setFocus();
}

int TGetSymbol::columnsForPointSize(int points)
{
    struct Band
    {
        int largest;
        int columns;
    };
    static constexpr Band bands[] = {{10, 14}, {20, 10}, {30, 8}, {40, 6}, {50, 4}, {60, 3}, {72, 2}};
    if (points < 6)
        return 1;
    for (const Band &band : bands) {
        if (points <= band.largest)
            return band.columns;
    }
    return 1;
}

QString TGetSymbol::fontButtonCaption(const Font &font)
{
    QString caption = font.name();
    // A long name leaves no room for the size.
    if (caption.size() <= maximumNameForSize)
        caption += QStringLiteral(", %1pt").arg(font.size());
    caption += QLatin1Char(' ');
    if (font.hasStyle(FontStyle::fsItalic))
        caption += QStringLiteral("Italic ");
    else if (font.hasStyle(FontStyle::fsBold))
        caption += QStringLiteral("Bold ");
    return caption;
}

int TGetSymbol::indexForCode(int code)
{
    return code >= firstCode && code <= lastCode ? code - firstCode : -1;
}

int TGetSymbol::codeForIndex(int index)
{
    return index >= 0 && index < characterCount ? index + firstCode : -1;
}

QString TGetSymbol::captionForCode(int code)
{
    return fromAnsi(QByteArray(1, char(code)));
}

int TGetSymbol::codeOfCaption(const QString &caption)
{
    if (caption.isEmpty())
        return -1;
    return static_cast<unsigned char>(toAnsi(caption.left(1)).at(0));
}

void TGetSymbol::setSelectedFont(const Font &font)
{
    m_selectedChar = font;
    m_listFont.setName(font.name());
    m_listFont.setStyle(font.style());
    fillList(selectedCode());
    updateFontButton();
}

void TGetSymbol::setSelectedCode(int code)
{
    const int index = indexForCode(code);
    if (index < 0) {
        m_symbolList->clearSelection();
        m_symbolList->setCurrentItem(nullptr);
        return;
    }
    m_symbolList->setCurrentCell(index / m_columns, index % m_columns);
}

int TGetSymbol::selectedCode() const
{
    const QList<QTableWidgetItem *> selected = m_symbolList->selectedItems();
    if (selected.isEmpty())
        return -1;
    const QTableWidgetItem *item = selected.first();
    return codeForIndex(item->row() * m_columns + item->column());
}

void TGetSymbol::FontbuttonClick()
{
    if (const auto chosen = FontDialog::choose(m_selectedChar)) {
        m_selectedChar = *chosen;
        m_listFont.setName(chosen->name());
        m_listFont.setColor(chosen->color());
        m_listFont.setStyle(chosen->style());
        fillList(selectedCode());
    }
    updateFontButton();
}

void TGetSymbol::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_columnsChosen)
        return;
    // Chosen once, from the grid's size, so a later font change does not reshuffle the grid.
    m_columnsChosen = true;
    const int code = selectedCode();
    m_columns = columnsForPointSize(m_listFont.size());
    fillList(code);
    updateFontButton();
}

void TGetSymbol::fillList(int code)
{
    m_symbolList->clear();
    m_symbolList->setColumnCount(m_columns);
    m_symbolList->setRowCount((characterCount + m_columns - 1) / m_columns);
    const QFont listFont = FontDialog::toQFont(m_listFont);
    const QColor color = toQColor(m_listFont.color());
    for (int index = 0; index < characterCount; ++index) {
        // Through the same mapping as the drawing, so the grid shows the pictures the label will.
        const SymbolFonts::DeviceText shown =
            SymbolFonts::forDrawing(listFont, captionForCode(codeForIndex(index)));
        auto item = std::make_unique<QTableWidgetItem>(shown.text);
        item->setFont(shown.font);
        item->setForeground(color);
        item->setTextAlignment(Qt::AlignCenter);
        m_symbolList->setItem(index / m_columns, index % m_columns, item.release());
    }
    setSelectedCode(code);
}

void TGetSymbol::updateFontButton()
{
    m_fontButton->setText(fontButtonCaption(m_listFont));
}
