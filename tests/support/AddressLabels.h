#pragma once

#include "layout/TLabelLayout.h"

// Three across, ten down on Letter paper, like the common address-label stock.
inline TLabelLayout addressLabels()
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LabelsAcross = 3;
    layout.LabelsDown = 10;
    layout.LabelWidth = 2.625;
    layout.LabelHeight = 1;
    layout.LeftMargin = 0.1875;
    layout.TopMargin = 0.5;
    layout.HorizontalPitch = 2.75;
    layout.VerticalPitch = 1;
    layout.PageWidth = 8.5;
    layout.PageHeight = 11;
    layout.HorizontalGutter = 0;
    layout.VerticalGutter = 0;
    layout.PaperSize = QStringLiteral("LTR");
    return layout;
}
