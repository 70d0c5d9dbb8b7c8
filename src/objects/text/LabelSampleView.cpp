#include "objects/text/LabelSampleView.h"

#include <QPainter>

#include "design/TGGraphicControl.h"
#include "platform/Canvas.h"

LabelSampleView::LabelSampleView(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void LabelSampleView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    Canvas canvas(painter);
    for (int i = 0; i < objectCount(); ++i) {
        TGGraphicControl &object = *objectAt(i);
        canvas.SetOrigin(QPoint(object.left(), object.top()));
        object.paintOn(canvas);
    }
}
