#pragma once

#include <QStringList>

#include "design/TGGraphicControl.h"
#include "objects/text/TextEffects.h"
#include "platform/Font.h"

// Lines of text in one font, aligned left, centred or right, optionally wrapped to the box's
// width. Nothing is painted between the lines, so what lies beneath shows through.
class TGMultiLineBaseLabel : public TGGraphicControl
{
public:
    TGMultiLineBaseLabel();

    const PropertyTable &publishedProperties() const override;

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    Font &font() { return m_font; }
    const Font &font() const { return m_font; }
    void setFont(const Font &font) { m_font = font; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    QStringList wrappedLines() const { return m_wrappedLines; }

    // The lines as wrapped to the box's width, when wrapping is on.
    virtual void Rewrap();
    void DrawMultiLine(Canvas &canvas);
    // Height for the lines, at least the width of the widest one.
    void FitToLines();
    int lineHeight() const;

    void Loaded() override;
    void Paint() override;
    void BoundsChanged() override;
    void PopupOpening() override;
    void ApplyFont(const Font &font) override;
    void PrintAt(Report &report, double x, double y) override;

    void FontClick();
    void AlignmentClick(TAlignment alignment);

private:
    QStringList m_items;
    QStringList m_wrappedLines;
    Font m_font;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    MenuItem *m_leftItem = nullptr;
    MenuItem *m_rightItem = nullptr;
    MenuItem *m_centerItem = nullptr;
};
