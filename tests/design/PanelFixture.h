#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "design/TGGraphicControl.h"
#include "design/TGHandle.h"
#include "design/TGPelloraPanel32.h"
#include "document/ObjectClassRegistry.h"
#include "platform/PopupMenu.h"
#include "platform/TickClock.h"

// A shown 252 x 96 design panel with a clipboard folder of its own, a clock the test moves by
// hand and popup menus recorded instead of shown.
class PanelFixture : public ::testing::Test
{
protected:
    PanelFixture()
    {
        panel.resize(252, 96);
        panel.show();
        TickClock::setSource([this] { return ticks; });
        PopupMenu::setPresenter([this](PopupMenu &menu, QPoint) { shownMenus.push_back(&menu); });
    }
    ~PanelFixture() override
    {
        TickClock::setSource({});
        PopupMenu::setPresenter({});
    }

    TGGraphicControl &addObject(const QRect &bounds, const QByteArray &className = "TGLabelShapes")
    {
        TGGraphicControl &object = *panel.addObject(ObjectClassRegistry::create(className));
        object.setName(panel.uniqueObjectName(QStringLiteral("Component"), 0, 1000));
        object.setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object.Loaded();
        return object;
    }

    TGHandle &frame() { return panel.selectionFrame(); }
    void advance(quint32 milliseconds) { ticks += milliseconds; }

    // A press and release on the panel, as a click that selects what lies there.
    void clickPanel(QPoint point, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(&panel, Qt::LeftButton, modifiers, point);
        advance(50);
        QTest::mouseRelease(&panel, Qt::LeftButton, modifiers, point);
        advance(50);
    }

    // A mouse move with no button held; the test library only moves the cursor for those.
    static void hover(QWidget &widget, QPoint point)
    {
        QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }

    // Hover, press, move and release on the frame, in frame coordinates.
    void dragFrame(QPoint from, QPoint to, quint32 heldMilliseconds = 200)
    {
        hover(frame(), from);
        QTest::mousePress(&frame(), Qt::LeftButton, {}, from);
        advance(heldMilliseconds / 2);
        QTest::mouseMove(&frame(), to);
        advance(heldMilliseconds - heldMilliseconds / 2);
        QTest::mouseRelease(&frame(), Qt::LeftButton, {}, to);
        QCoreApplication::processEvents();
    }

    quint32 ticks = 1000;
    std::vector<PopupMenu *> shownMenus;
    QTemporaryDir folder;
    TGPelloraPanel32 panel{folder.path()};
};
