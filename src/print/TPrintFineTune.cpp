#include "print/TPrintFineTune.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/DialogButtonBar.h"

namespace {
constexpr int limit = 8;
constexpr int helpTopic = 1092;

struct RowText
{
    const char *title;
    const char *spinner;
    const char *valueName;
    const char *explanation;
};

constexpr std::array<RowText, 4> rowTexts{{
    {"Top Margin nudge", "TopMarginSpinner", "lTopMarginNudge",
     "Increase or decrease to adjust where vertical printing starts. "},
    {"Left Margin nudge", "LeftMarginSpinner", "LLeftMarginNudge",
     "Increase or decrease to adjust where horizontal printing starts. "},
    {"Vertical Spacing", "VerticalSpacingSpinner", "LVerticalSpacing",
     "Increase or decrease to adjust vertical spacing between labels.( You may need to adjust this if "
     "printing \"creeps\" between the top and bottom labels.)"},
    {"Horizontal Spacing", "HorizontalSpacingSpinner", "LHorizontalSpacing",
     "Increase or decrease to adjust horizontal spacing between labels "},
}};
} // namespace

TPrintFineTune::TPrintFineTune(const PrinterNudges &current, QWidget *parent)
    : QDialog(parent)
    , m_nudges(current)
{
    setObjectName(QStringLiteral("TPrintFineTune"));
    setWindowTitle(QStringLiteral("Printer Fine-Tuning"));
    auto *grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const RowText &texts = rowTexts[std::size_t(i)];
        auto *frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        auto *title = new QLabel(QString::fromLatin1(texts.title), frame);
        title->setAutoFillBackground(true);
        title->setForegroundRole(QPalette::HighlightedText);
        title->setBackgroundRole(QPalette::Highlight);
        Row &row = m_rows[std::size_t(i)];
        row.up = new QToolButton(frame);
        row.up->setArrowType(Qt::UpArrow);
        row.up->setObjectName(QString::fromLatin1(texts.spinner) + QStringLiteral("Up"));
        row.down = new QToolButton(frame);
        row.down->setArrowType(Qt::DownArrow);
        row.down->setObjectName(QString::fromLatin1(texts.spinner) + QStringLiteral("Down"));
        row.value = new QLabel(frame);
        row.value->setObjectName(QString::fromLatin1(texts.valueName));
        QFont bold = row.value->font();
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 4);
        row.value->setFont(bold);
        auto *explanation = new QLabel(QString::fromLatin1(texts.explanation), frame);
        explanation->setWordWrap(true);

        auto *arrows = new QVBoxLayout;
        arrows->setSpacing(0);
        arrows->addWidget(row.up);
        arrows->addWidget(row.down);
        auto *inner = new QGridLayout(frame);
        inner->addWidget(title, 0, 0, 1, 2);
        inner->addLayout(arrows, 1, 0, 2, 1);
        inner->addWidget(row.value, 1, 1);
        inner->addWidget(explanation, 2, 1);
        inner->setColumnStretch(1, 1);
        frame->setMinimumWidth(260);
        grid->addWidget(frame, i / 2, i % 2);

        const auto spinner = Spinner(i);
        connect(row.up, &QToolButton::clicked, this, [this, spinner] { step(spinner, -1); });
        connect(row.down, &QToolButton::clicked, this, [this, spinner] { step(spinner, +1); });
    }

    auto *buttons = new DialogButtonBar(*this, helpTopic);
    auto *defaultButton = new QPushButton(QStringLiteral("Default"), this);
    defaultButton->setObjectName(QStringLiteral("DefaultButton"));
    defaultButton->setAutoDefault(false);
    connect(defaultButton, &QPushButton::clicked, this, &TPrintFineTune::DefaultButtonClick);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(defaultButton);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refreshTexts();
}

QString TPrintFineTune::nudgeText(int value)
{
    if (value < 0)
        return QStringLiteral("Decrease by %1/32\"").arg(-value);
    if (value > 0)
        return QStringLiteral("Increase by %1/32\"").arg(value);
    return QStringLiteral("None");
}

void TPrintFineTune::DefaultButtonClick()
{
    m_nudges = {};
    refreshTexts();
}

void TPrintFineTune::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refreshTexts();
}

int &TPrintFineTune::valueOf(Spinner spinner)
{
    switch (spinner) {
    case TopMargin:
        return m_nudges.Top;
    case LeftMargin:
        return m_nudges.Left;
    case VerticalSpacing:
        return m_nudges.VerticalPitch;
    case HorizontalSpacing:
        break;
    }
    return m_nudges.HorizontalPitch;
}

void TPrintFineTune::step(Spinner spinner, int delta)
{
    int &value = valueOf(spinner);
    // A value past the limit, from an edited preferences file, comes back one step at a time.
    if ((delta > 0 && value < limit) || (delta < 0 && value > -limit))
        value += delta;
    refreshTexts();
}

void TPrintFineTune::refreshTexts()
{
    const std::array<int, 4> values{m_nudges.Top, m_nudges.Left, m_nudges.VerticalPitch,
                                    m_nudges.HorizontalPitch};
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].value->setText(nudgeText(values[i]));
}
