#include "objects/text/TGMultiLineBaseLabel.h"

#include "objects/text/MultiLineText.h"
#include "objects/text/TextCanvas.h"
#include "platform/FontDialog.h"

TGMultiLineBaseLabel::TGMultiLineBaseLabel()
{
    m_font.setName(QStringLiteral("Arial"));
    m_font.setSize(10);
    m_font.setOnChange([this] { Invalidate(); });
    setBounds(0, 0, 190, 33);
}

const PropertyTable &TGMultiLineBaseLabel::publishedProperties() const
{
    using namespace Published;
    using Self = TGMultiLineBaseLabel;
    static const PropertyTable table = inheritProperties(
        baseProperties(), {
                              strings("Items", &Self::items, &Self::setItems),
                              boolean("AutoSize", &Self::autoSize, &Self::setAutoSize),
                              enumeration("Alignment", &Self::alignment, &Self::setAlignment,
                                          alignmentNames(), TAlignment::taLeftJustify),
                              nested("Font", static_cast<Font &(Self::*)()>(&Self::font)),
                              boolean("WordWrap", &Self::wordWrap, &Self::setWordWrap, false),
                          });
    return table;
}

void TGMultiLineBaseLabel::setItems(const QStringList &items)
{
    m_items = items;
    Invalidate();
}

void TGMultiLineBaseLabel::setAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Invalidate();
}

void TGMultiLineBaseLabel::setWordWrap(bool wordWrap)
{
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    if (wordWrap)
        Rewrap();
    Invalidate();
    NotifyChanged();
}

void TGMultiLineBaseLabel::Rewrap()
{
    if (!m_wordWrap)
        return;
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(TextCanvas::zoomedFont(m_font, scale()));
    m_wrappedLines = MultiLineText::wrap(m_items, std::max(1, width() - MultiLineText::wrapMargin),
                                         [&measure](const QString &text) { return measure.TextWidth(text); });
    Invalidate();
}

int TGMultiLineBaseLabel::lineHeight() const
{
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(TextCanvas::zoomedFont(m_font, scale()));
    return measure.TextHeight(QStringLiteral("XXX"));
}

void TGMultiLineBaseLabel::DrawMultiLine(Canvas &canvas)
{
    const QStringList lines = MultiLineText::displayLines(m_wordWrap ? m_wrappedLines : m_items);
    canvas.SetFont(TextCanvas::zoomedFont(m_font, scale()));
    canvas.SetBrush({Colors::clWhite, BrushStyle::bsClear});
    const int lineHeightPixels = canvas.TextHeight(QStringLiteral("XXX"));
    for (int k = 0; k < lines.size(); ++k) {
        const int top = k * lineHeightPixels;
        if (top >= height())
            break;
        const int x = MultiLineText::lineX(m_alignment, width(), canvas.TextWidth(lines[k]));
        canvas.TextRect(0, top, width(), top + lineHeightPixels, x, top, lines[k]);
    }
}

void TGMultiLineBaseLabel::FitToLines()
{
    Rewrap();
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(TextCanvas::zoomedFont(m_font, scale()));
    // What the box fits is what it shows: an empty text still shows "<blank>".
    const QStringList lines = MultiLineText::displayLines(m_wordWrap ? m_wrappedLines : m_items);
    int widest = width();
    for (const QString &line : lines)
        widest = std::max(widest, measure.TextWidth(line));
    setBounds(left(), top(), widest, measure.TextHeight(QStringLiteral("XXX")) * int(lines.size()));
    Invalidate();
}

void TGMultiLineBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { FontClick(); });
    MenuItem *alignment = menu.add(QStringLiteral("Alignment"));
    m_leftItem =
        alignment->add(QStringLiteral("Left"), [this] { AlignmentClick(TAlignment::taLeftJustify); });
    m_centerItem = alignment->add(QStringLiteral("Center"), [this] { AlignmentClick(TAlignment::taCenter); });
    m_rightItem =
        alignment->add(QStringLiteral("Right"), [this] { AlignmentClick(TAlignment::taRightJustify); });
}

void TGMultiLineBaseLabel::PopupOpening()
{
    if (!m_leftItem)
        return;
    m_leftItem->setChecked(m_alignment == TAlignment::taLeftJustify);
    m_rightItem->setChecked(m_alignment == TAlignment::taRightJustify);
    m_centerItem->setChecked(m_alignment == TAlignment::taCenter);
}

void TGMultiLineBaseLabel::Paint()
{
    DrawMultiLine(*DrawCanvas);
    if (paintingOnOwnCanvas())
        PaintHandles();
}

void TGMultiLineBaseLabel::BoundsChanged()
{
    Rewrap();
    TGGraphicControl::BoundsChanged();
}

void TGMultiLineBaseLabel::ApplyFont(const Font &font)
{
    m_font = font;
    AfterFontChange();
    Rewrap();
}

void TGMultiLineBaseLabel::PrintAt(Report &report, double x, double y)
{
    TextCanvas::printBox(report, x, y, *this, [this](Canvas &canvas) { DrawMultiLine(canvas); });
}

void TGMultiLineBaseLabel::FontClick()
{
    if (const auto chosen = FontDialog::choose(m_font))
        m_font = *chosen;
    AfterFontChange();
    Rewrap();
}

void TGMultiLineBaseLabel::AlignmentClick(TAlignment alignment)
{
    setAlignment(alignment);
    NotifyChanged();
}
