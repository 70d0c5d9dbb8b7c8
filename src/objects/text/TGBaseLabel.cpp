#include "objects/text/TGBaseLabel.h"

#include "objects/text/TextCanvas.h"

#include <QImage>

#include <algorithm>

#include "design/DesignSurface.h"
#include "objects/text/TGFont3DEffects.h"
#include "platform/Canvas.h"
#include "platform/ColorDialog.h"
#include "platform/FontDialog.h"
#include "platform/Numbers.h"
#include "platform/Report.h"
#include "platform/Screen.h"

namespace {

bool isRightAngle(int angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}

// Measuring does not depend on where the label is drawn, so one image serves every layout.
} // namespace

TGBaseLabel::TGBaseLabel()
{
    setBounds(0, 0, 142, 33);
    m_font.setName(QStringLiteral("Arial"));
    m_font.setSize(10);
    m_font.setColor(Colors::clBlack);
    m_font.setOnChange([this] {
        // The line's metrics follow the font.
        m_layoutStale = true;
        Invalidate();
        notifyUnlessLoading();
    });
}

const PropertyTable &TGBaseLabel::baseLabelProperties()
{
    using namespace Published;
    using Self = TGBaseLabel;
    static const PropertyTable table = inheritProperties(
        baseProperties(),
        {
            enumeration("Alignment", &Self::alignment, &Self::setAlignment, alignmentNames(),
                        TAlignment::taLeftJustify),
            integer("DepthHighlight", &Self::depthHighlight, &Self::setDepthHighlight, 0),
            integer("DepthShadow", &Self::depthShadow, &Self::setDepthShadow, 0),
            enumeration("DirectionHighlight", &Self::directionHighlight, &Self::setDirectionHighlight,
                        highlightDirectionNames(), THighlightDirection::hdUpLeft),
            enumeration("DirectionShadow", &Self::directionShadow, &Self::setDirectionShadow,
                        shadowDirectionNames(), TShadowDirection::sdDownRight),
            ordinal("colorHighlight", PropertyKind::Color, &Self::colorHighlight, &Self::setColorHighlight,
                    Colors::clAqua),
            ordinal("colorShadow", PropertyKind::Color, &Self::colorShadow, &Self::setColorShadow,
                    Colors::clGray),
            integer("Angle", &Self::angle, &Self::setAngle, 0),
            string("Caption", &Self::caption, &Self::setCaption),
            nested("Font", static_cast<Font &(Self::*)()>(&Self::font)),
            boolean("Transparent", &Self::transparent, &Self::setTransparent),
            ordinal("BackColor", PropertyKind::Color, &Self::backColor, &Self::setBackColor),
            enumeration("BorderStyle", &Self::borderStyle, &Self::setBorderStyle, borderStyleNames()),
        });
    return table;
}

const PropertyTable &TGBaseLabel::publishedProperties() const
{
    return baseLabelProperties();
}

void TGBaseLabel::notifyUnlessLoading()
{
    if (!isLoading())
        NotifyChanged();
}

void TGBaseLabel::setAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    m_layoutStale = true;
    Invalidate();
    notifyUnlessLoading();
}

void TGBaseLabel::updateShadowOffset()
{
    m_shadowOffset = ::shadowOffset(m_directionShadow, m_depthShadow);
    m_layoutStale = true;
    Invalidate();
}

void TGBaseLabel::updateHighlightOffset()
{
    m_highlightOffset = ::highlightOffset(m_directionHighlight, m_depthHighlight);
    m_layoutStale = true;
    Invalidate();
}

void TGBaseLabel::setDepthHighlight(int depth)
{
    if (depth == m_depthHighlight)
        return;
    m_depthHighlight = depth;
    updateHighlightOffset();
}

void TGBaseLabel::setDepthShadow(int depth)
{
    if (depth == m_depthShadow)
        return;
    m_depthShadow = depth;
    updateShadowOffset();
}

void TGBaseLabel::setDirectionHighlight(THighlightDirection direction)
{
    if (direction == m_directionHighlight)
        return;
    m_directionHighlight = direction;
    updateHighlightOffset();
}

void TGBaseLabel::setDirectionShadow(TShadowDirection direction)
{
    if (direction == m_directionShadow)
        return;
    m_directionShadow = direction;
    updateShadowOffset();
}

void TGBaseLabel::setColorHighlight(TColor color)
{
    if (color == m_colorHighlight)
        return;
    m_colorHighlight = color;
    Invalidate();
}

void TGBaseLabel::setColorShadow(TColor color)
{
    if (color == m_colorShadow)
        return;
    m_colorShadow = color;
    Invalidate();
}

void TGBaseLabel::setAngle(int angle)
{
    if (!isRightAngle(angle) || angle == m_angle)
        return;
    m_angle = angle;
    m_layoutStale = true;
    if (angle != 0)
        m_alignment = TAlignment::taLeftJustify;
    const bool upright = angle == 0 || angle == 180;
    if ((upright && height() > width()) || (!upright && width() > height()))
        setBounds(left(), top(), height(), width());
    Invalidate();
}

void TGBaseLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Invalidate();
    notifyUnlessLoading();
}

void TGBaseLabel::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    notifyUnlessLoading();
    Invalidate();
}

void TGBaseLabel::setBackColor(TColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    notifyUnlessLoading();
    Invalidate();
}

void TGBaseLabel::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Invalidate();
    notifyUnlessLoading();
}

CanvasFont TGBaseLabel::canvasFont() const
{
    return TextCanvas::zoomedFont(m_font, scale());
}

void TGBaseLabel::UpdateLayout()
{
    if (!m_layoutStale)
        return;
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(canvasFont());
    const TextMetrics metrics = measure.GetTextMetrics();

    LabelTextLayout::Input input;
    input.lineHeight = metrics.tmHeight + metrics.tmInternalLeading + metrics.tmExternalLeading;
    input.textWidth = measure.TextWidth(m_caption + QLatin1Char(' '));
    input.shadowOffset = m_shadowOffset;
    input.highlightOffset = m_highlightOffset;
    input.angle = m_angle;
    input.alignment = m_alignment;
    input.width = width();
    input.height = height();
    m_layout = LabelTextLayout::compute(input);
    if (m_layout.width != width() || m_layout.height != height()) {
        m_layoutResizing = true;
        setBounds(left(), top(), m_layout.width, m_layout.height);
        m_layoutResizing = false;
    }
    m_layoutStale = false;
}

void TGBaseLabel::DrawLabel(Canvas &canvas)
{
    UpdateLayout();
    canvas.Save();
    if (!m_transparent) {
        canvas.SetPen({Colors::clBlack, 1, PenStyle::psClear});
        canvas.SetBrush({m_backColor, BrushStyle::bsSolid});
        canvas.FillRect(0, 0, width(), height());
    }
    CanvasFont font = canvasFont();
    font.escapement = m_angle * 10;
    canvas.SetBrush({Colors::clWhite, BrushStyle::bsClear});
    const auto drawCopy = [&](TColor color, const EdgeRect &clip, QPoint at) {
        font.color = color;
        canvas.SetFont(font);
        canvas.TextRect(clip.left, clip.top, clip.right, clip.bottom, at.x(), at.y(), m_caption);
    };
    if (m_depthShadow > 0 && m_directionShadow != TShadowDirection::sdNone)
        drawCopy(m_colorShadow, m_layout.shadowRect, m_layout.shadowPoint);
    if (m_depthHighlight > 0 && m_directionHighlight != THighlightDirection::hdNone)
        drawCopy(m_colorHighlight, m_layout.highlightRect, m_layout.highlightPoint);
    drawCopy(m_font.color(), m_layout.textRect, m_layout.textPoint);
    if (m_borderStyle == TBorderStyle::bsSingle) {
        canvas.SetPen({Colors::clBlack, 1, PenStyle::psSolid});
        canvas.SetBrush({Colors::clWhite, BrushStyle::bsClear});
        canvas.Rectangle(0, 0, width(), height());
    }
    canvas.Restore();
}

void TGBaseLabel::FitToText()
{
    if (m_angle != 0)
        return;
    const int maxLeft =
        std::max({m_layout.textRect.left, m_layout.shadowRect.left, m_layout.highlightRect.left});
    const int maxTop = std::max({m_layout.textRect.top, m_layout.shadowRect.top, m_layout.highlightRect.top});
    Canvas &measure = TextCanvas::measuringCanvas();
    measure.SetFont(canvasFont());
    const int neededWidth = maxLeft + measure.TextWidth(m_caption + QStringLiteral("     "));
    const int neededHeight = maxTop + measure.TextHeight(m_caption);
    setBounds(left(), top(), std::max(width(), neededWidth), std::max(height(), neededHeight));
    m_layoutStale = true;
    Invalidate();
}

void TGBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Font"), [this] { ShowFontDialog(); });
    menu.add(QStringLiteral("3D Effects"), [this] { ShowEffectsDialog(); });
    MenuItem *alignment = menu.add(QStringLiteral("Alignment"));
    m_alignmentMenu = alignment;
    const auto addAlignment = [&](const QString &caption, TAlignment value) {
        m_alignmentItems[std::size_t(value)] =
            alignment->add(caption, [this, value] { AlignmentClick(value); });
    };
    addAlignment(QStringLiteral("Left"), TAlignment::taLeftJustify);
    addAlignment(QStringLiteral("Center"), TAlignment::taCenter);
    addAlignment(QStringLiteral("Right"), TAlignment::taRightJustify);
    m_transparentItem = menu.add(QStringLiteral("Transparent"), [this] { TransparentClick(); });
    m_transparentItem->setChecked(m_transparent);
    menu.add(QStringLiteral("Background Color"), [this] { BackgroundColorClick(); });
    m_borderItem = menu.add(QStringLiteral("Border"), [this] { BorderClick(); });
    m_borderItem->setChecked(m_borderStyle == TBorderStyle::bsSingle);
}

void TGBaseLabel::addRotationMenu()
{
    PopupMenu &menu = *ObjectMenu();
    menu.addSeparator();
    MenuItem *rotation = menu.add(QStringLiteral("Rotation"));
    const QString captions[] = {QStringLiteral("No Rotation"), QStringLiteral("90 Degrees"),
                                QStringLiteral("180 Degrees"), QStringLiteral("270 Degrees")};
    for (int i = 0; i < 4; ++i) {
        const int degrees = 90 * i;
        m_rotationItems[std::size_t(i)] = rotation->add(captions[i], [this, degrees] {
            setAngle(degrees);
            notifyUnlessLoading();
        });
    }
    m_hasRotationMenu = true;
}

void TGBaseLabel::removeTopLevelItems(const QStringList &captions)
{
    PopupMenu &menu = *ObjectMenu();
    for (int i = menu.count() - 1; i >= 0; --i) {
        MenuItem *item = menu.item(i);
        if (!captions.contains(item->caption()))
            continue;
        if (item == m_alignmentMenu) {
            m_alignmentMenu = nullptr;
            m_alignmentItems.fill(nullptr);
        }
        if (item == m_transparentItem)
            m_transparentItem = nullptr;
        if (item == m_borderItem)
            m_borderItem = nullptr;
        menu.remove(item);
    }
}

void TGBaseLabel::PopupOpening()
{
    if (m_borderItem)
        m_borderItem->setChecked(m_borderStyle == TBorderStyle::bsSingle);
    if (m_transparentItem)
        m_transparentItem->setChecked(m_transparent);
    for (std::size_t i = 0; i < m_alignmentItems.size(); ++i) {
        if (m_alignmentItems[i])
            m_alignmentItems[i]->setChecked(std::size_t(m_alignment) == i);
    }
    if (m_hasRotationMenu) {
        for (std::size_t i = 0; i < m_rotationItems.size(); ++i)
            m_rotationItems[i]->setChecked(m_angle == int(i) * 90);
    }
}

void TGBaseLabel::Paint()
{
    if (width() < 5 || height() < 5)
        m_layoutStale = true;
    DrawLabel(*DrawCanvas);
    if (paintingOnOwnCanvas())
        PaintHandles();
}

void TGBaseLabel::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    m_layoutStale = true;
    if (width() < 1)
        setWidth(1);
    if (height() < 1)
        setHeight(1);
}

void TGBaseLabel::ApplyFont(const Font &font)
{
    m_font = font;
    m_layoutStale = true;
}

void TGBaseLabel::PrintAt(Report &report, double x, double y)
{
    TextCanvas::printBox(report, x, y, *this, [this](Canvas &canvas) { DrawLabel(canvas); });
}

bool TGBaseLabel::ShowFontDialog()
{
    const auto chosen = FontDialog::choose(m_font);
    if (!chosen)
        return false;
    m_font = *chosen;
    m_layoutStale = true;
    return true;
}

void TGBaseLabel::ShowEffectsDialog()
{
    TGFont3DEffects dialog(*this);
    if (dialog.exec() == QDialog::Accepted)
        NotifyChanged();
}

void TGBaseLabel::AlignmentClick(TAlignment alignment)
{
    setAlignment(alignment);
    NotifyChanged();
}

void TGBaseLabel::TransparentClick()
{
    setTransparent(!m_transparent);
    if (m_transparentItem)
        m_transparentItem->setChecked(m_transparent);
}

void TGBaseLabel::BackgroundColorClick()
{
    const auto color = ColorDialog::choose(m_backColor);
    if (!color)
        return;
    setBackColor(*color);
    setTransparent(false);
    if (m_transparentItem)
        m_transparentItem->setChecked(false);
    Invalidate();
}

void TGBaseLabel::BorderClick()
{
    setBorderStyle(m_borderStyle == TBorderStyle::bsSingle ? TBorderStyle::bsNone : TBorderStyle::bsSingle);
}
