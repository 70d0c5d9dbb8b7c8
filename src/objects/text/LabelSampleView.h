#pragma once

#include <QFrame>

#include "design/DesignSurface.h"

// A framed box that shows label objects as they would look on the label, for live previews in
// dialogs. It is a surface that is not a design panel: no selection, no change notices.
class LabelSampleView : public QFrame, public DesignSurface
{
public:
    explicit LabelSampleView(QWidget *parent = nullptr);

    void objectNeedsRepaint(const TGGraphicControl &) override { update(); }
    void repaintSurface() override { update(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
