#include "objects/text/TGFont3DEffects.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "objects/text/LabelSampleView.h"
#include "objects/text/TColorDrop.h"
#include "objects/text/TGPLabel.h"
#include "platform/DialogButtonBar.h"

namespace {
QComboBox *dropDownList(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

TColorDrop *colorDrop(QWidget *parent, const QString &name)
{
    auto *drop = new TColorDrop(parent);
    drop->setObjectName(name);
    return drop;
}
} // namespace

const QStringList &TGFont3DEffects::shadowDirectionCaptions()
{
    static const QStringList captions{QStringLiteral("None"),       QStringLiteral("Right"),
                                      QStringLiteral("Left"),       QStringLiteral("Lower Right"),
                                      QStringLiteral("Lower Left"), QStringLiteral("Down")};
    return captions;
}

const QStringList &TGFont3DEffects::highlightDirectionCaptions()
{
    static const QStringList captions{QStringLiteral("None"),       QStringLiteral("Right"),
                                      QStringLiteral("Left"),       QStringLiteral("Upper Right"),
                                      QStringLiteral("Upper Left"), QStringLiteral("Up")};
    return captions;
}

QStringList TGFont3DEffects::depthCaptions()
{
    QStringList captions;
    for (int depth = 0; depth <= maximumDepth; ++depth)
        captions << QString::number(depth);
    return captions;
}

int TGFont3DEffects::depthIndex(int depth)
{
    return depth >= 0 && depth <= maximumDepth ? depth : -1;
}

TGFont3DEffects::TGFont3DEffects(TGBaseLabel &target, QWidget *parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
    , m_target(target)
    , m_sampleView(new LabelSampleView(this))
    , m_sample(nullptr)
    , m_shadowDirection(dropDownList(this, QStringLiteral("ShadowDirection"), shadowDirectionCaptions()))
    , m_shadowColor(colorDrop(this, QStringLiteral("ShadowColorCombo")))
    , m_shadowDepth(dropDownList(this, QStringLiteral("ShadowDepth"), depthCaptions()))
    , m_highlightDirection(
          dropDownList(this, QStringLiteral("HighlightDirection"), highlightDirectionCaptions()))
    , m_highlightColor(colorDrop(this, QStringLiteral("HighLightColorCombo")))
    , m_highlightDepth(dropDownList(this, QStringLiteral("HighLightDepth"), depthCaptions()))
    , m_fontColor(colorDrop(this, QStringLiteral("FontColorCombo")))
    , m_buttons(new DialogButtonBar(*this, helpTopic))
{
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    setObjectName(QStringLiteral("Font3DEffects"));
    setFixedSize(467, 338);

    auto sample = std::make_unique<TGPLabel>();
    sample->setName(QStringLiteral("Sample"));
    m_sample = static_cast<TGPLabel *>(m_sampleView->addObject(std::move(sample)));
    m_sample->setTransparent(true);
    m_sample->setBorderStyle(TBorderStyle::bsNone);
    m_sampleView->setObjectName(QStringLiteral("SamplePanel"));
    m_sampleView->setFixedSize(437, 85);

    auto *grid = new QGridLayout;
    const auto place = [&](int row, int column, const QString &caption, QWidget *control) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(control);
        grid->addWidget(label, row * 2, column);
        grid->addWidget(control, row * 2 + 1, column);
    };
    place(0, 0, QStringLiteral("Shadow Direction"), m_shadowDirection);
    place(0, 1, QStringLiteral("Shadow Color"), m_shadowColor);
    place(0, 2, QStringLiteral("Shadow Depth"), m_shadowDepth);
    place(1, 0, QStringLiteral("Highlight Direction"), m_highlightDirection);
    place(1, 1, QStringLiteral("Highlight Color"), m_highlightColor);
    place(1, 2, QStringLiteral("Highlight Depth"), m_highlightDepth);
    place(2, 0, QStringLiteral("Font Color"), m_fontColor);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(m_sampleView, 0, Qt::AlignHCenter);
    column->addStretch();
    column->addWidget(m_buttons);

    m_shadowDirection->setWhatsThis(QStringLiteral("Where the shadow copy of the text falls."));
    m_shadowColor->setWhatsThis(QStringLiteral("The colour of the shadow copy."));
    m_shadowDepth->setWhatsThis(QStringLiteral("How far, in pixels, the shadow lies from the text."));
    m_highlightDirection->setWhatsThis(QStringLiteral("Where the highlight copy of the text lies."));
    m_highlightColor->setWhatsThis(QStringLiteral("The colour of the highlight copy."));
    m_highlightDepth->setWhatsThis(QStringLiteral("How far, in pixels, the highlight lies from the text."));
    m_fontColor->setWhatsThis(QStringLiteral("The colour of the text itself."));
    m_sampleView->setWhatsThis(QStringLiteral("The text as it will look with these settings."));

    loadFromTarget();

    // Rows are ordinals and depths; "no selection" changes nothing.
    const auto onRow = [this](QComboBox *list, auto apply) {
        connect(list, &QComboBox::currentIndexChanged, this, [apply](int index) {
            if (index >= 0)
                apply(index);
        });
    };
    onRow(m_shadowDirection, [this](int index) { m_sample->setDirectionShadow(TShadowDirection(index)); });
    onRow(m_shadowDepth, [this](int index) { m_sample->setDepthShadow(index); });
    onRow(m_highlightDirection,
          [this](int index) { m_sample->setDirectionHighlight(THighlightDirection(index)); });
    onRow(m_highlightDepth, [this](int index) { m_sample->setDepthHighlight(index); });
    connect(m_shadowColor, &TColorDrop::colorChanged, this,
            [this](TColor color) { m_sample->setColorShadow(color); });
    connect(m_highlightColor, &TColorDrop::colorChanged, this,
            [this](TColor color) { m_sample->setColorHighlight(color); });
    connect(m_fontColor, &TColorDrop::colorChanged, this,
            [this](TColor color) { m_sample->font().setColor(color); });
}

TGFont3DEffects::~TGFont3DEffects() = default;

void TGFont3DEffects::loadFromTarget()
{
    m_sample->font() = m_target.font();
    m_sample->setDepthHighlight(m_target.depthHighlight());
    m_sample->setDepthShadow(m_target.depthShadow());
    m_sample->setDirectionHighlight(m_target.directionHighlight());
    m_sample->setDirectionShadow(m_target.directionShadow());
    m_sample->setColorHighlight(m_target.colorHighlight());
    m_sample->setColorShadow(m_target.colorShadow());
    const QRect inside = m_sampleView->contentsRect();
    m_sample->setBounds(0, 0, inside.width(), inside.height());

    m_highlightColor->setColor(m_target.colorHighlight());
    m_shadowColor->setColor(m_target.colorShadow());
    m_fontColor->setColor(m_target.font().color());
    m_shadowDirection->setCurrentIndex(int(m_target.directionShadow()));
    m_highlightDirection->setCurrentIndex(int(m_target.directionHighlight()));
    m_shadowDepth->setCurrentIndex(depthIndex(m_target.depthShadow()));
    m_highlightDepth->setCurrentIndex(depthIndex(m_target.depthHighlight()));
}

void TGFont3DEffects::accept()
{
    m_target.font() = m_sample->font();
    m_target.setDepthHighlight(m_sample->depthHighlight());
    m_target.setDepthShadow(m_sample->depthShadow());
    m_target.setDirectionHighlight(m_sample->directionHighlight());
    m_target.setDirectionShadow(m_sample->directionShadow());
    m_target.setColorHighlight(m_sample->colorHighlight());
    m_target.setColorShadow(m_sample->colorShadow());
    QDialog::accept();
}
