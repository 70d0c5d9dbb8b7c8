#pragma once

#include <array>

#include "design/TGGraphicControl.h"
#include "objects/text/LabelTextLayout.h"
#include "objects/text/TextEffects.h"
#include "platform/Font.h"

struct CanvasFont;

// The common base of the single-line text objects: one line of text in a font, turned by 0, 90,
// 180 or 270 degrees, with optional shadow and highlight copies, background and border. The box
// keeps its height fitted to the line.
class TGBaseLabel : public TGGraphicControl
{
public:
    TGBaseLabel();

    const PropertyTable &publishedProperties() const override;
    static const PropertyTable &baseLabelProperties();

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    int depthHighlight() const { return m_depthHighlight; }
    void setDepthHighlight(int depth);
    int depthShadow() const { return m_depthShadow; }
    void setDepthShadow(int depth);
    THighlightDirection directionHighlight() const { return m_directionHighlight; }
    void setDirectionHighlight(THighlightDirection direction);
    TShadowDirection directionShadow() const { return m_directionShadow; }
    void setDirectionShadow(TShadowDirection direction);
    TColor colorHighlight() const { return m_colorHighlight; }
    void setColorHighlight(TColor color);
    TColor colorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor color);
    int angle() const { return m_angle; }
    // Only 0, 90, 180 and 270 are taken; turning between upright and sideways swaps the sides.
    void setAngle(int angle);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Font &font() { return m_font; }
    const Font &font() const { return m_font; }
    void setFont(const Font &font) { m_font = font; }
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    TColor backColor() const { return m_backColor; }
    void setBackColor(TColor color);
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);

    QPoint shadowOffset() const { return m_shadowOffset; }
    QPoint highlightOffset() const { return m_highlightOffset; }
    bool layoutStale() const { return m_layoutStale; }
    void markLayoutStale() { m_layoutStale = true; }
    // The derived geometry of the last UpdateLayout.
    const LabelTextLayout &layout() const { return m_layout; }

    // The object's font as the canvas takes it: at a zoom other than 1.0 its size in points
    // becomes Trunc(size x Scale).
    CanvasFont canvasFont() const;

    void UpdateLayout();
    void DrawLabel(Canvas &canvas);
    // Grows (never shrinks) an upright box to the caption plus five spaces.
    void FitToText();

    void Loaded() override;
    void Paint() override;
    void BoundsChanged() override;
    void PopupOpening() override;
    void ApplyFont(const Font &font) override;
    void PrintAt(Report &report, double x, double y) override;

    // Menu commands.
    // True when the user chose a font.
    virtual bool ShowFontDialog();
    void ShowEffectsDialog();
    void AlignmentClick(TAlignment alignment);
    void TransparentClick();
    void BackgroundColorClick();
    void BorderClick();

protected:
    // "-" and the "Rotation" submenu, for the objects that can be turned.
    void addRotationMenu();
    void notifyUnlessLoading();
    // Removes the popup's top-level items with these captions and forgets the items it kept
    // for check marks among them.
    void removeTopLevelItems(const QStringList &captions);
    // True while UpdateLayout itself resizes the box to the line.
    bool layoutResizing() const { return m_layoutResizing; }

private:
    void updateShadowOffset();
    void updateHighlightOffset();

    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
    MenuItem *m_borderItem = nullptr;
    QPoint m_shadowOffset;
    QPoint m_highlightOffset;
    int m_depthHighlight = 0;
    int m_depthShadow = 0;
    THighlightDirection m_directionHighlight = THighlightDirection::hdUpLeft;
    TShadowDirection m_directionShadow = TShadowDirection::sdDownRight;
    TColor m_colorHighlight = Colors::clAqua;
    TColor m_colorShadow = Colors::clGray;
    int m_angle = 0;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    MenuItem *m_alignmentMenu = nullptr;
    std::array<MenuItem *, 3> m_alignmentItems{}; // by TAlignment ordinal
    std::array<MenuItem *, 4> m_rotationItems{};  // 0, 90, 180, 270 degrees
    MenuItem *m_transparentItem = nullptr;
    LabelTextLayout m_layout;
    bool m_layoutStale = true;
    bool m_layoutResizing = false;
    bool m_transparent = true;
    TColor m_backColor = Colors::clWhite;
    bool m_hasRotationMenu = false;
    QString m_caption = QStringLiteral("Text");
    Font m_font;
};
