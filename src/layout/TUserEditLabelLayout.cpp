#include "layout/TUserEditLabelLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/DialogButtonBar.h"
#include "platform/InfoBox.h"
#include "platform/TNumEdit.h"

namespace {
// Inches show three decimals until the user switches back to them from millimetres; then the
// trailing zeros go.
constexpr int inchDecimals = 3;
constexpr int inchMinimumDecimalsAfterSwitch = 1;
constexpr int millimetreDecimals = 2;

struct LengthBox
{
    Measurement which;
    const char *name;
    const char *caption;
};
// In reading order: the grid fills row by row, two boxes a row, and the tab order follows.
constexpr LengthBox lengthBoxes[] = {
    {Measurement::LabelWidth, "elblwidth", "Label Width"},
    {Measurement::LabelHeight, "elblHeight", "Label Height"},
    {Measurement::HorizontalPitch, "eHorizPitch", "Horizontal Pitch"},
    {Measurement::VerticalPitch, "eVertPitch", "Vertical Pitch"},
};
constexpr LengthBox marginBoxes[] = {
    {Measurement::LeftMargin, "eleftmarg", "Left Margin"},
    {Measurement::TopMargin, "etopmarg", "Top Margin"},
};
constexpr LengthBox paperBoxes[] = {
    {Measurement::PaperWidth, "esheetwidth", "Paper Width"},
    {Measurement::PaperHeight, "esheetdepth", "Paper Height"},
};

QSpinBox *spinEdit(QWidget *parent, const char *name, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1StringView(name));
    spin->setRange(1, maximum);
    return spin;
}

// Two captioned fields a row; a field spanning two columns takes the whole row.
void addCaptioned(QGridLayout &grid, int row, int column, const char *caption, QWidget *field, int span = 1)
{
    auto *label = new QLabel(QLatin1StringView(caption), field->parentWidget());
    label->setBuddy(field);
    grid.addWidget(label, row, column * 2);
    grid.addWidget(field, row, column * 2 + 1, 1, span * 2 - 1);
}
} // namespace

std::optional<TLabelLayout> TUserEditLabelLayout::edit(QWidget *parent, const TLabelLayout &current,
                                                       bool &useMillimetres)
{
    TUserEditLabelLayout dialog(current, useMillimetres, parent);
    dialog.exec();
    useMillimetres = dialog.usesMillimetres();
    return dialog.result();
}

TUserEditLabelLayout::TUserEditLabelLayout(const TLabelLayout &current, bool useMillimetres, QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_across(nullptr)
    , m_down(nullptr)
    , m_paperSize(nullptr)
    , m_labelShape(nullptr)
    , m_inches(nullptr)
    , m_millimetres(nullptr)
    , m_buttons(nullptr)
{
    setObjectName(QStringLiteral("UserEditLabelLayout"));
    setWindowTitle(QStringLiteral("User Defined Label Layout"));

    auto *grid = new QGridLayout;
    int row = 0;
    const auto addLengths = [&](const auto &boxes) {
        int column = 0;
        for (const LengthBox &box : boxes) {
            auto *numEdit = new TNumEdit(this);
            numEdit->setObjectName(QLatin1StringView(box.name));
            numEdit->setDecimals(inchDecimals, inchDecimals);
            m_lengths[std::size_t(box.which)] = numEdit;
            addCaptioned(*grid, row, column, box.caption, numEdit);
            if (++column == 2) {
                column = 0;
                ++row;
            }
        }
    };
    addLengths(lengthBoxes);
    m_across = spinEdit(this, "enbracross", MaximumLabelsAcross);
    m_down = spinEdit(this, "enbrdown", MaximumLabelsDown);
    addCaptioned(*grid, row, 0, "# across", m_across);
    addCaptioned(*grid, row++, 1, "# down", m_down);
    addLengths(marginBoxes);

    m_paperSize = new QComboBox(this);
    m_paperSize->setObjectName(QStringLiteral("epapersize"));
    for (const PaperItem &paper : paperItems())
        m_paperSize->addItem(paper.caption);
    addCaptioned(*grid, row++, 0, "Paper size", m_paperSize, 2);
    addLengths(paperBoxes);
    for (const LengthBox &box : paperBoxes) {
        TNumEdit *paper = lengthEdit(box.which);
        paper->setReadOnly(true);
        paper->setFocusPolicy(Qt::NoFocus);
    }

    m_labelShape = new QComboBox(this);
    m_labelShape->setObjectName(QStringLiteral("eLabelShape"));
    m_labelShape->addItems(labelShapeCaptions());
    addCaptioned(*grid, row++, 0, "Label Shape", m_labelShape, 2);

    auto *units = new QGroupBox(this);
    m_inches = new QRadioButton(QStringLiteral("Use &Inches"), units);
    m_inches->setObjectName(QStringLiteral("Inchesbutton"));
    m_millimetres = new QRadioButton(QStringLiteral("Use &Millimeters"), units);
    m_millimetres->setObjectName(QStringLiteral("MMButton"));
    m_inches->setChecked(true);
    auto *unitRow = new QHBoxLayout(units);
    unitRow->addWidget(m_inches);
    unitRow->addWidget(m_millimetres);
    unitRow->addStretch();

    m_buttons = new DialogButtonBar(*this, helpTopic);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(units);
    column->addWidget(m_buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // The entries go in as inches; the paper boxes keep the handed-over page size until the user
    // picks a paper.
    const LayoutEntries start = layoutEntries(current);
    for (std::size_t index = 0; index < m_lengths.size(); ++index)
        m_lengths[index]->setValue(start.lengths[index]);
    m_across->setValue(start.across);
    m_down->setValue(start.down);
    m_paperSize->setCurrentIndex(paperItemIndex(start.paperSize));
    m_labelShape->setCurrentIndex(labelShapeItem(start.labelShape));

    connect(m_millimetres, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            switchUnit(MeasurementUnit::Millimetres);
    });
    connect(m_inches, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            switchUnit(MeasurementUnit::Inches);
    });
    connect(m_paperSize, &QComboBox::activated, this, &TUserEditLabelLayout::paperSizeChosen);
    connect(lengthEdit(Measurement::LabelWidth), &TNumEdit::exited, this,
            [this] { sizeBoxExited(Measurement::LabelWidth, Measurement::HorizontalPitch); });
    connect(lengthEdit(Measurement::LabelHeight), &TNumEdit::exited, this,
            [this] { sizeBoxExited(Measurement::LabelHeight, Measurement::VerticalPitch); });

    if (useMillimetres)
        m_millimetres->setChecked(true);
    lengthEdit(Measurement::LabelWidth)->setFocus();
}

bool TUserEditLabelLayout::usesMillimetres() const
{
    return m_millimetres->isChecked();
}

MeasurementUnit TUserEditLabelLayout::unit() const
{
    return usesMillimetres() ? MeasurementUnit::Millimetres : MeasurementUnit::Inches;
}

void TUserEditLabelLayout::switchUnit(MeasurementUnit to)
{
    const MeasurementUnit from =
        to == MeasurementUnit::Millimetres ? MeasurementUnit::Inches : MeasurementUnit::Millimetres;
    for (TNumEdit *box : m_lengths) {
        const double inches = toWorkingInches(box->value(), from);
        if (to == MeasurementUnit::Millimetres)
            box->setDecimals(millimetreDecimals, millimetreDecimals);
        else
            box->setDecimals(inchDecimals, inchMinimumDecimalsAfterSwitch);
        box->setValue(toShownLength(inches, to));
    }
}

void TUserEditLabelLayout::paperSizeChosen(int item)
{
    if (item < 0 || item >= int(paperItems().size()))
        return;
    const PaperItem &paper = paperItems()[std::size_t(item)];
    const bool millimetres = usesMillimetres();
    lengthEdit(Measurement::PaperWidth)->setValue(millimetres ? paper.widthMillimetres : paper.widthInches);
    lengthEdit(Measurement::PaperHeight)
        ->setValue(millimetres ? paper.heightMillimetres : paper.heightInches);
}

void TUserEditLabelLayout::sizeBoxExited(Measurement size, Measurement pitch)
{
    // Compared as shown, in the unit on screen.
    TNumEdit *pitchBox = lengthEdit(pitch);
    const double raised = pitchAfterSize(lengthEdit(size)->value(), pitchBox->value());
    if (raised != pitchBox->value())
        pitchBox->setValue(raised);
}

LayoutEntries TUserEditLabelLayout::entries() const
{
    LayoutEntries entries;
    for (std::size_t index = 0; index < m_lengths.size(); ++index)
        entries.lengths[index] = acceptedInches(m_lengths[index]->value(), unit());
    entries.across = m_across->value();
    entries.down = m_down->value();
    entries.paperSize = paperItems()[std::size_t(std::max(0, m_paperSize->currentIndex()))].code;
    entries.labelShape = labelShapeCode(m_labelShape->currentIndex());
    return entries;
}

void TUserEditLabelLayout::accept()
{
    // "Ok" by the keyboard leaves the focus in a box whose leave rule has not run yet.
    QWidget *focused = focusWidget();
    if (focused == lengthEdit(Measurement::LabelWidth))
        sizeBoxExited(Measurement::LabelWidth, Measurement::HorizontalPitch);
    else if (focused == lengthEdit(Measurement::LabelHeight))
        sizeBoxExited(Measurement::LabelHeight, Measurement::VerticalPitch);
    m_labelShape->setFocus();

    const LayoutEntries accepted = entries();
    const QString error = layoutEntriesError(accepted);
    if (!error.isEmpty()) {
        ShowInfoBox(error);
        return;
    }
    m_result = userDefinedLayout(accepted);
    QDialog::accept();
}
