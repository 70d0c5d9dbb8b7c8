#include "layout/TLabelLayout.h"

#include "platform/Numbers.h"

TLabelLayout TLabelLayout::defaultLayout()
{
    TLabelLayout layout;
    layout.TemplateName = QStringLiteral("Avery 5160 Address");
    layout.LabelHeight = 1.0;
    layout.LabelWidth = 2.65;
    layout.LabelsAcross = 3;
    layout.LabelsDown = 10;
    layout.TopMargin = 0.5;
    layout.LeftMargin = 0.188;
    layout.HorizontalPitch = 2.765;
    layout.VerticalPitch = 1.01;
    layout.PageWidth = 8.5;
    layout.PageHeight = 11.0;
    layout.PrinterType = QStringLiteral("LJ");
    layout.PaperSize = QStringLiteral("LTR");
    layout.LabelShape = QStringLiteral("RR");
    layout.ProductType = QStringLiteral("ADDRESS/SHIPPING LABELS");
    return layout;
}

void TLabelLayout::cutToFieldWidths()
{
    TemplateName.truncate(TemplateNameWidth);
    PrinterType.truncate(PrinterTypeWidth);
    PaperSize.truncate(PaperSizeWidth);
    LabelShape.truncate(LabelShapeWidth);
    ProductType.truncate(ProductTypeWidth);
    ArtName.truncate(ArtNameWidth);
}

TLabelLayout TLabelLayout::documentPrecision() const
{
    TLabelLayout held = *this;
    for (double *field : {&held.LabelHeight, &held.LabelWidth, &held.TopMargin, &held.LeftMargin,
                          &held.HorizontalPitch, &held.VerticalPitch, &held.PageWidth, &held.PageHeight})
        *field = toSingle(*field);
    held.cutToFieldWidths();
    return held;
}

QPointF labelPosition(const TLabelLayout &layout, int row, int column, const PrinterNudges &nudges)
{
    constexpr double nudgeStep = 1.0 / 32.0;
    const double leftMargin = layout.LeftMargin + nudges.Left * nudgeStep;
    const double topMargin = layout.TopMargin + nudges.Top * nudgeStep;
    const double horizontalPitch = layout.HorizontalPitch + nudges.HorizontalPitch * nudgeStep;
    const double verticalPitch = layout.VerticalPitch + nudges.VerticalPitch * nudgeStep;

    double x = leftMargin + column * horizontalPitch;
    double y = topMargin + row * verticalPitch;
    if (column + 1 > Div(layout.LabelsAcross, 2) && layout.HorizontalGutter > 0)
        x += layout.HorizontalGutter;
    if (row + 1 > Div(layout.LabelsDown, 2) && layout.VerticalGutter > 0)
        y += layout.VerticalGutter;
    return {x, y};
}

int positionNumber(const TLabelLayout &layout, int row, int column)
{
    return row * layout.LabelsAcross + column + 1;
}
