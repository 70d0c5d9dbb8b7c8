#include "layout/TSelectTemplate.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/DialogButtonBar.h"
#include "platform/InfoBox.h"

namespace {
// A radio group laid out in columns filled from the top, one id per item in item order.
QButtonGroup *radioGroup(QWidget *parent, QBoxLayout &into, const QString &name, const QString &caption,
                         const QStringList &items, int columns, int checked)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    auto *group = new QButtonGroup(box);
    auto *grid = new QGridLayout(box);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int id = 0; id < items.size(); ++id) {
        auto *button = new QRadioButton(items[id], box);
        group->addButton(button, id);
        grid->addWidget(button, id % rows, id / rows);
    }
    group->button(checked)->setChecked(true);
    into.addWidget(box);
    return group;
}
} // namespace

std::optional<TLabelLayout> TSelectTemplate::choose(QWidget *parent, const TLabelLayout &current, bool isNew,
                                                    const QString &databasePath)
{
    TSelectTemplate dialog(current, isNew, databasePath, parent);
    dialog.exec();
    return dialog.result();
}

TSelectTemplate::TSelectTemplate(const TLabelLayout &current, bool isNew, const QString &databasePath,
                                 QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_database(TemplateDatabase::fromFile(databasePath))
    , m_productType(nullptr)
    , m_printerType(nullptr)
    , m_region(nullptr)
    , m_typeAhead(new QLineEdit(this))
    , m_list(new QListWidget(this))
    , m_description(new QPlainTextEdit(this))
    , m_buttons(new DialogButtonBar(*this, helpTopic))
{
    setObjectName(QStringLiteral("SelectTemplate"));
    setWindowTitle(QStringLiteral("Select Template"));
    const ChooserStart start = chooserStart(current, isNew);

    auto *filters = new QVBoxLayout;
    m_productType =
        radioGroup(this, *filters, QStringLiteral("rProductType"), QStringLiteral("Product Type"),
                   {QStringLiteral("Address Labels"), QStringLiteral("Card Products"),
                    QStringLiteral("Diskette Labels"), QStringLiteral("File Folder Labels"),
                    QStringLiteral("Index Products"), QStringLiteral("Miscellaneous"), QStringLiteral("All")},
                   2, int(start.filter.productType));
    m_printerType =
        radioGroup(this, *filters, QStringLiteral("rPrintertype"), QStringLiteral("Printer Type"),
                   {QStringLiteral("Laserjet"), QStringLiteral("Inkjet/Deskjet"), QStringLiteral("All")}, 1,
                   int(start.filter.printerType));
    m_region =
        radioGroup(this, *filters, QStringLiteral("rRegion"), QStringLiteral("Region"),
                   {QStringLiteral("United States"), QStringLiteral("European"), QStringLiteral("All")}, 1,
                   int(start.filter.region));
    filters->addStretch();

    m_typeAhead->setObjectName(QStringLiteral("TypeAhead"));
    m_list->setObjectName(QStringLiteral("TemplateListBox"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_description->setObjectName(QStringLiteral("LabelDesc"));
    m_description->setReadOnly(true);
    m_description->setFrameShape(QFrame::NoFrame);
    m_description->setFocusPolicy(Qt::NoFocus);
    m_description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette face = m_description->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    m_description->setPalette(face);

    auto *descriptionBox = new QGroupBox(QStringLiteral("Description"), this);
    auto *descriptionLayout = new QVBoxLayout(descriptionBox);
    descriptionLayout->addWidget(m_description);

    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(m_typeAhead);
    listColumn->addWidget(m_list, 1);
    auto *row = new QHBoxLayout;
    row->addLayout(filters);
    row->addLayout(listColumn, 1);
    row->addWidget(descriptionBox, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(m_buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    m_list->setFixedWidth(220);
    descriptionBox->setFixedWidth(220);

    fillList();
    for (QButtonGroup *group : {m_productType, m_printerType, m_region}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                fillList();
        });
    }
    connect(m_typeAhead, &QLineEdit::textChanged, this, &TSelectTemplate::search);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TSelectTemplate::showDescription);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TSelectTemplate::accept);
    m_typeAhead->setText(start.typeAheadText);
    m_typeAhead->setFocus();
}

TemplateFilter TSelectTemplate::filter() const
{
    return {ProductTypeFilter(m_productType->checkedId()), PrinterTypeFilter(m_printerType->checkedId()),
            RegionFilter(m_region->checkedId())};
}

std::optional<TLabelLayout> TSelectTemplate::selectedRecord() const
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->item(row)->isSelected())
        return std::nullopt;
    return m_database.records()[std::size_t(m_items[std::size_t(row)].recordIndex)];
}

void TSelectTemplate::accept()
{
    m_result = selectedRecord();
    if (m_result)
        QDialog::accept();
}

void TSelectTemplate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Reported once the dialog is up, over it, and only the first time it shows.
    if (m_database.failed() && !m_errorShown) {
        m_errorShown = true;
        QMetaObject::invokeMethod(
            this, [this] { ShowInfoBox(m_database.errorMessage()); }, Qt::QueuedConnection);
    }
}

void TSelectTemplate::fillList()
{
    m_list->clear();
    m_items = filteredTemplateList(m_database.records(), filter());
    for (const TemplateListItem &item : m_items)
        m_list->addItem(item.text);
    if (!m_items.empty())
        m_list->setCurrentRow(0);
    showDescription();
}

void TSelectTemplate::search(const QString &typed)
{
    const int row = typeAheadMatch(m_items, typed);
    if (row < 0) {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    } else {
        m_list->setCurrentRow(row);
        m_list->scrollToItem(m_list->item(row));
    }
    showDescription();
}

void TSelectTemplate::showDescription()
{
    if (const std::optional<TLabelLayout> record = selectedRecord())
        m_description->setPlainText(templateDescription(*record).join(QLatin1Char('\n')));
}
