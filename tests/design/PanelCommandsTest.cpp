#include <QFile>
#include <QTimer>

#include "design/PanelCommands.h"
#include "design/PanelFixture.h"
#include "document/TGLabelObjectFiler.h"
#include "platform/FontDialog.h"

namespace {
class PanelCommandsTest : public PanelFixture
{
protected:
    PanelCommands &commands() { return panel.commands(); }
    void drawWithTool(TLPanelState tool, QPoint from, QPoint to)
    {
        panel.setPanelState(tool);
        QTest::mousePress(&panel, Qt::LeftButton, {}, from);
        QTest::mouseMove(&panel, to);
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, to);
    }
    QByteArray enumerationName(const TGGraphicControl &object, QByteArrayView property)
    {
        const PropertyInfo *info = object.findProperty(property);
        return info->names.at(std::size_t(info->getOrdinal(object)));
    }
};
} // namespace

TEST_F(PanelCommandsTest, AClickWithTheRectangleToolMakesA50By15Rectangle)
{
    QSignalSpy dropped(&panel, &TGBasePanel::objectDropped);
    QSignalSpy changed(&panel, &TGBasePanel::labelChanged);
    panel.setPanelState(TLPanelState::psRectangle);
    EXPECT_EQ(panel.screenCursor(), Cursors::crDrag);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(panel.objectCount(), 1);
    const TGGraphicControl &object = *panel.objectAt(0);
    EXPECT_EQ(object.className(), "TGLabelShapes");
    EXPECT_EQ(object.boundsRect(), QRect(30, 40, 50, 15));
    EXPECT_EQ(object.name(), QStringLiteral("Special1"));
    EXPECT_EQ(enumerationName(object, "Shape"), "stRectangle");
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toRect(), QRect(30, 40, 0, 0));
    EXPECT_GE(changed.count(), 1);
    EXPECT_EQ(panel.PanelState(), TLPanelState::psRectangle)
        << "the shell returns shape tools to the pointer";
}

TEST_F(PanelCommandsTest, ToolsCreateTheirShapesWhicheverWayTheyAreDrawn)
{
    const struct
    {
        TLPanelState tool;
        QByteArray className;
        QByteArray property;
        QByteArray value;
    } cases[] = {
        {TLPanelState::psRectangle, "TGLabelShapes", "Shape", "stRectangle"},
        {TLPanelState::psEllipse, "TGLabelShapes", "Shape", "stEllipse"},
        {TLPanelState::psRoundRectangle, "TGLabelShapes", "Shape", "stRoundRect"},
        {TLPanelState::psLine, "TGLineShape", "LineStyle", "stVertical"},
    };
    for (const auto &c : cases) {
        drawWithTool(c.tool, QPoint(90, 70), QPoint(40, 30));
        TGGraphicControl &object = *panel.objectAt(panel.objectCount() - 1);
        EXPECT_EQ(object.className(), c.className);
        EXPECT_EQ(object.boundsRect(), QRect(40, 30, 50, 40));
        EXPECT_EQ(enumerationName(object, c.property), c.value);
        EXPECT_NE(object.ObjectMenu(), nullptr) << "set up before it is placed";
    }
    EXPECT_EQ(panel.objectAt(3)->name(), QStringLiteral("Special4"));
}

TEST_F(PanelCommandsTest, SmallDragsGetTheMinimumSizes)
{
    drawWithTool(TLPanelState::psRectangle, QPoint(10, 10), QPoint(40, 20));
    EXPECT_EQ(panel.objectAt(0)->boundsRect(), QRect(10, 10, 30, 15)) << "30 x 10 becomes 30 x 15";
    drawWithTool(TLPanelState::psRectangle, QPoint(100, 10), QPoint(120, 50));
    EXPECT_EQ(panel.objectAt(1)->boundsRect(), QRect(100, 10, 50, 40)) << "under 25 wide becomes 50";
}

TEST_F(PanelCommandsTest, ToolsWithoutARegisteredClassCreateNothing)
{
    for (TLPanelState tool : {TLPanelState::psLabel, TLPanelState::psImage, TLPanelState::psSuperShape}) {
        if (ObjectClassRegistry::create(TGPelloraPanel32::toolObject(tool).className))
            continue; // the class has arrived since
        drawWithTool(tool, QPoint(10, 10), QPoint(60, 40));
        EXPECT_EQ(panel.objectCount(), 0);
    }
}

TEST_F(PanelCommandsTest, DrawingOverAnObjectMakesANewOneInsteadOfSelecting)
{
    TGGraphicControl &existing = addObject(QRect(20, 20, 100, 50));
    drawWithTool(TLPanelState::psEllipse, QPoint(30, 30), QPoint(80, 60));
    EXPECT_EQ(panel.objectCount(), 2);
    EXPECT_FALSE(frame().isSelected(existing));
}

TEST_F(PanelCommandsTest, PanelMenuHasItsItemsAndEnablesThemByState)
{
    const QStringList expected{"Bring To Front",
                               "Send To Back",
                               "-",
                               "Cut",
                               "Copy",
                               "Paste",
                               "-",
                               "Delete",
                               "-",
                               "Align Left",
                               "Align Right",
                               "Align Tops",
                               "Align Bottoms",
                               "-",
                               "Center Vertically",
                               "Center Horizontally",
                               "-",
                               "Lock All",
                               "Unlock All",
                               "-",
                               "Mark All Selectable",
                               "Mark All Unselectable",
                               "Select All",
                               "-",
                               "Font"};
    EXPECT_EQ(panel.panelMenu().captions(), expected);

    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(200, 80));
    ASSERT_EQ(shownMenus.size(), 1u);
    PopupMenu &menu = *shownMenus.front();
    const auto enabled = [&menu](const char *caption) {
        return menu.find(QString::fromLatin1(caption))->enabled();
    };
    EXPECT_FALSE(enabled("Cut"));
    EXPECT_FALSE(enabled("Font"));
    EXPECT_FALSE(enabled("Paste"));
    EXPECT_FALSE(enabled("Lock All"));
    EXPECT_TRUE(enabled("Select All"));
    EXPECT_TRUE(enabled("Mark All Selectable"));

    TGGraphicControl &object = addObject(QRect(20, 20, 40, 20));
    frame().AddToSelection(object);
    QTest::keyClick(&frame(), Qt::Key_C, Qt::ControlModifier);
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(200, 80));
    EXPECT_TRUE(enabled("Paste"));
    EXPECT_TRUE(enabled("Lock All"));
    EXPECT_TRUE(enabled("Cut"));
    EXPECT_TRUE(enabled("Align Bottoms"));
}

TEST_F(PanelCommandsTest, PasteIsGuardedForOneSecond)
{
    TGGraphicControl &object = addObject(QRect(20, 20, 40, 20));
    frame().AddToSelection(object);
    QTest::keyClick(&frame(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(panel.clipboardFile()));
    QSignalSpy changed(&panel, &TGBasePanel::labelChanged);

    QTest::keyClick(&frame(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.objectCount(), 2) << "pasted once";
    advance(400);
    QTest::keyClick(&panel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.objectCount(), 2) << "the same key press reaching the panel again";
    advance(1001);
    QTest::keyClick(&panel, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(panel.objectCount(), 3);
    EXPECT_EQ(panel.objectAt(1)->boundsRect(), QRect(35, 35, 40, 20));
    EXPECT_EQ(panel.objectAt(2)->boundsRect(), QRect(35, 35, 40, 20)) << "both copies at the same place";
    EXPECT_FALSE(frame().isSelected(*panel.objectAt(2))) << "pasted objects are not selected";
    EXPECT_GE(changed.count(), 2);
}

TEST_F(PanelCommandsTest, PastingADamagedClipboardKeepsWhatWasReadBeforeTheDamage)
{
    TGGraphicControl &first = addObject(QRect(20, 20, 40, 20));
    TGGraphicControl &second = addObject(QRect(100, 20, 40, 20), "TGLineShape");
    const QByteArray bytes = TGLabelObjectFiler::objectListBytes({&first, &second});
    QFile file(panel.clipboardFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.left(bytes.size() - 6));
    file.close();
    QSignalSpy failed(&panel, &TGBasePanel::commandFailed);

    QTest::keyClick(&panel, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(panel.objectCount(), 3);
    EXPECT_EQ(panel.objectAt(0), &first);
    EXPECT_EQ(panel.objectAt(1), &second);
    EXPECT_EQ(panel.objectAt(2)->className(), "TGLabelShapes");
    EXPECT_EQ(panel.objectAt(2)->boundsRect(), QRect(35, 35, 40, 20));
    EXPECT_EQ(failed.count(), 1);
    // The panel carries on as usual.
    frame().AddToSelection(*panel.objectAt(2));
    QTest::keyClick(&frame(), Qt::Key_Delete);
    EXPECT_EQ(panel.objectCount(), 2);
}

TEST_F(PanelCommandsTest, CutCopyAndDeleteActOnTheSelection)
{
    TGGraphicControl &a = addObject(QRect(20, 20, 40, 20));
    TGGraphicControl &b = addObject(QRect(100, 20, 40, 20));
    addObject(QRect(180, 20, 40, 20));
    frame().AddToSelection(a);
    frame().AddToSelection(b);
    QTest::keyClick(&frame(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(panel.objectCount(), 1);
    EXPECT_EQ(frame().SelectionCount(), 0);
    EXPECT_FALSE(frame().isVisible());
    advance(2000);
    QTest::keyClick(&panel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.objectCount(), 3) << "cut wrote both";

    frame().AddToSelection(*panel.objectAt(0));
    QTest::keyClick(&frame(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(panel.objectCount(), 3) << "Ctrl+Delete is not Delete";
    QTest::keyClick(&frame(), Qt::Key_Delete);
    EXPECT_EQ(panel.objectCount(), 2);
}

TEST_F(PanelCommandsTest, ObjectMenuCommandsOnAnUnselectedObjectActOnItAlone)
{
    TGGraphicControl &a = addObject(QRect(20, 20, 40, 20));
    TGGraphicControl &b = addObject(QRect(100, 20, 40, 20));
    frame().AddToSelection(a);
    b.ObjectMenu()->find(QStringLiteral("Cut"))->click();
    ASSERT_EQ(panel.objectCount(), 1);
    EXPECT_EQ(panel.objectAt(0), &a);
    EXPECT_TRUE(frame().isSelected(a));
    a.ObjectMenu()->find(QStringLiteral("Copy"))->click(); // a is selected: the selection is copied
    advance(2000);
    commands().clipboardCommand(ClipboardCommand::Paste);
    EXPECT_EQ(panel.objectAt(1)->boundsRect(), QRect(35, 35, 40, 20));
}

TEST_F(PanelCommandsTest, AlignmentsUseTheExtremesOfTheSelection)
{
    const struct
    {
        void (PanelCommands::*command)();
        QRect firstAfter;
        QRect secondAfter;
    } cases[] = {
        {&PanelCommands::alignLeft, {20, 10, 40, 20}, {20, 50, 30, 30}},
        {&PanelCommands::alignRight, {60, 10, 40, 20}, {70, 50, 30, 30}},
        {&PanelCommands::alignTops, {20, 10, 40, 20}, {70, 10, 30, 30}},
        {&PanelCommands::alignBottoms, {20, 60, 40, 20}, {70, 50, 30, 30}},
    };
    for (const auto &c : cases) {
        panel.ClearObjects();
        TGGraphicControl &first = addObject(QRect(20, 10, 40, 20));
        TGGraphicControl &second = addObject(QRect(70, 50, 30, 30));
        second.setLocked(true);
        frame().AddToSelection(first);
        frame().AddToSelection(second);
        (commands().*c.command)();
        EXPECT_EQ(first.boundsRect(), c.firstAfter);
        EXPECT_EQ(second.boundsRect(), c.secondAfter) << "locked objects align too";
    }
}

TEST_F(PanelCommandsTest, CentringMovesEachSelectedObject)
{
    TGGraphicControl &object = addObject(QRect(20, 10, 40, 15));
    frame().AddToSelection(object);
    commands().centerVertically();
    EXPECT_EQ(object.top(), 41);
    commands().centerHorizontally();
    EXPECT_EQ(object.left(), 126 - 20);
}

TEST_F(PanelCommandsTest, TheFrameRefitsWhenTheQueuedUpdateArrives)
{
    TGGraphicControl &object = addObject(QRect(20, 10, 40, 15));
    frame().AddToSelection(object);
    object.setLeft(100);
    EXPECT_EQ(frame().x(), 18) << "posted, not called";
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().frameBounds(), QRect(98, 8, 46, 21));
}

TEST_F(PanelCommandsTest, LockingSelectabilityAndSelectAll)
{
    TGGraphicControl &a = addObject(QRect(20, 10, 40, 15));
    TGGraphicControl &b = addObject(QRect(80, 10, 40, 15));
    TGGraphicControl &c = addObject(QRect(140, 10, 40, 15));
    TGGraphicControl &d = addObject(QRect(200, 10, 40, 15));
    c.setUnselectable(true);
    d.setUnselectable(true);
    commands().selectAll();
    EXPECT_EQ(frame().selection(), (std::vector<TGGraphicControl *>{&a, &b}));

    commands().lockAll(true);
    EXPECT_TRUE(a.locked() && b.locked() && c.locked() && d.locked());
    dragFrame(QPoint(10, 10), QPoint(20, 10));
    EXPECT_EQ(a.left(), 20) << "locked objects stay";
    commands().lockAll(false);
    EXPECT_FALSE(a.locked() || d.locked());

    commands().markAllSelectable(false);
    EXPECT_EQ(frame().SelectionCount(), 0);
    commands().markAllSelectable(true);
    EXPECT_FALSE(c.unselectable());
    commands().selectAll();
    EXPECT_EQ(frame().SelectionCount(), 4);
}

TEST_F(PanelCommandsTest, ClickingAnUnselectableObjectStartsARubberBand)
{
    TGGraphicControl &object = addObject(QRect(20, 10, 40, 15));
    object.setUnselectable(true);
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(frame().SelectionCount(), 0);
    EXPECT_TRUE(panel.rubberBand().has_value());
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(30, 15));
}

TEST_F(PanelCommandsTest, ZOrderCommands)
{
    TGGraphicControl &a = addObject(QRect(20, 10, 40, 15));
    TGGraphicControl &b = addObject(QRect(80, 10, 40, 15));
    TGGraphicControl &c = addObject(QRect(140, 10, 40, 15));
    frame().AddToSelection(b);
    frame().AddToSelection(a);
    commands().bringToFront();
    EXPECT_EQ(panel.objectAt(1), &b);
    EXPECT_EQ(panel.objectAt(2), &a);
    commands().sendToBack();
    EXPECT_EQ(panel.objectAt(0), &a) << "the last in the list ends lowest";
    EXPECT_EQ(panel.objectAt(1), &b);
    EXPECT_EQ(panel.objectAt(2), &c);
    EXPECT_EQ(frame().SelectionCount(), 0);
}

TEST_F(PanelCommandsTest, FontGoesToEverySelectedObject)
{
    Font offered;
    Font chosen;
    chosen.setName(QStringLiteral("Courier New"));
    int asked = 0;
    FontDialog::setChooser([&](const Font &initial) -> std::optional<Font> {
        ++asked;
        offered = initial;
        return chosen;
    });
    Font panelFont;
    panelFont.setName(QStringLiteral("Arial"));
    panel.setPanelFont(panelFont);
    commands().chooseFont();
    EXPECT_EQ(asked, 0) << "nothing selected";
    TGGraphicControl &object = addObject(QRect(20, 10, 40, 15));
    frame().AddToSelection(object);
    commands().chooseFont();
    FontDialog::setChooser({});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(offered.name(), QStringLiteral("Arial")) << "the panel's font, not the object's";
}

TEST_F(PanelCommandsTest, KeepInsideAndRemoveOutside)
{
    TGGraphicControl &far = addObject(QRect(panel.width() - 5, 20, 40, 15));
    TGGraphicControl &low = addObject(QRect(20, panel.height() - 5, 40, 15));
    addObject(QRect(20, 20, 40, 15));
    panel.KeepObjectsInside();
    EXPECT_EQ(far.left(), panel.width() - 20);
    EXPECT_EQ(low.top(), panel.height() - 10);

    panel.ClearObjects();
    addObject(QRect(panel.width() - 5, 20, 40, 15));
    addObject(QRect(20, panel.height() - 9, 40, 15));
    addObject(QRect(20, 20, 0, 15));
    TGGraphicControl &inside = addObject(QRect(20, 20, 40, 15));
    panel.RemoveOutsideObjects();
    ASSERT_EQ(panel.objectCount(), 1);
    EXPECT_EQ(panel.objectAt(0), &inside);
}

TEST_F(PanelCommandsTest, PrintingHooksAndComplexObjects)
{
    addObject(QRect(20, 20, 40, 15));
    EXPECT_FALSE(panel.HasComplexObjects());
    QSignalSpy changed(&panel, &TGBasePanel::labelChanged);
    panel.setPrinting(true);
    panel.objectAt(0)->setLeft(30);
    EXPECT_EQ(changed.count(), 0) << "printing does not change the document";
}

TEST_F(PanelCommandsTest, ClipboardFilesGoWithThePanel)
{
    QString clipboard;
    {
        TGPelloraPanel32 other(folder.path() + QStringLiteral("/other"));
        QDir().mkpath(folder.path() + QStringLiteral("/other"));
        clipboard = other.clipboardFile();
        QFile file(clipboard);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    EXPECT_TRUE(clipboard.endsWith(QStringLiteral("/other/Clipbrd.tmp")));
    EXPECT_FALSE(QFile::exists(clipboard));
}

TEST_F(PanelCommandsTest, CloneOfASelectedObjectIsTheNewSelection)
{
    TGGraphicControl &source = addObject(QRect(20, 10, 40, 15));
    addObject(QRect(100, 10, 40, 15));
    frame().AddToSelection(source);
    source.ObjectMenu()->find(QStringLiteral("Clone"))->click();
    ASSERT_EQ(panel.objectCount(), 3);
    TGGraphicControl &copy = *panel.objectAt(2);
    EXPECT_EQ(copy.boundsRect(), QRect(20, 35, 40, 15));
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{&copy});
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().frameBounds(), QRect(18, 33, 46, 21));
}

TEST_F(PanelCommandsTest, DoubleClickReachesTheMenuOfAnUnselectableObject)
{
    TGGraphicControl &object = addObject(QRect(20, 10, 40, 15));
    object.setUnselectable(true);
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(30, 15));
    ASSERT_EQ(shownMenus.size(), 1u);
    EXPECT_EQ(shownMenus.front(), object.ObjectMenu());
    EXPECT_EQ(frame().SelectionCount(), 0);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(30, 15));
}

TEST_F(PanelCommandsTest, TextToolsTakeThePanelFontAndHandOverToThePointer)
{
    if (!ObjectClassRegistry::create("TGPLabel"))
        GTEST_SKIP() << "no single-line text object yet";
    Font panelFont;
    panelFont.setName(QStringLiteral("Courier New"));
    panel.setPanelFont(panelFont);
    // The new object's dialog opens modally; cancel it as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(10);
    drawWithTool(TLPanelState::psLabel, QPoint(20, 20), QPoint(120, 50));
    closer.stop();
    ASSERT_EQ(panel.objectCount(), 1);
    TGGraphicControl &label = *panel.objectAt(0);
    EXPECT_EQ(label.className(), "TGPLabel");
    EXPECT_EQ(label.name(), QStringLiteral("Special1"));
    const PropertyInfo *font = label.findProperty("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(static_cast<Font *>(font->nested(label))->name(), QStringLiteral("Courier New"));
    EXPECT_EQ(panel.PanelState(), TLPanelState::psPointing);
    EXPECT_EQ(panel.screenCursor(), Cursors::crDefault);
}
