#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

#include "app/AboutBox.h"
#include "app/FileDialogs.h"
#include "app/MessageBoxInterceptor.h"
#include "app/Preferences.h"
#include "app/PrintCommands.h"
#include "app/Printers.h"
#include "app/ProgramFiles.h"
#include "app/ProgramVersion.h"
#include "app/TPQMainScreen.h"
#include "design/TGGraphicControl.h"
#include "design/TGHandle.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/ObjectClasses.h"
#include "platform/FontDialog.h"
#include "platform/IniFile.h"
#include "print/TLabelPrinter.h"
#include "print/TLabelPrintPrep.h"
#include "print/TPrintFineTune.h"
#include "ProgramFolderScope.h"
#include "support/TestEnvironment.h"

namespace {
const QString SaveChanges = QStringLiteral("Save changes?");

MessageBoxRequest info(const QString &text)
{
    return {text, QStringLiteral("Information"), QMessageBox::Information, QMessageBox::Ok};
}

MessageBoxRequest question(const QString &text, const QString &caption)
{
    return {text, caption, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
}

class MainScreenTest : public ::testing::Test
{
protected:
    MainScreenTest()
    {
        registerLabelObjectClasses();
        programPreferences() = Preferences();
        FileDialogs::setChooser([this](const FileDialogRequest &request) -> std::optional<QString> {
            requests.append(request);
            if (answers.isEmpty())
                return std::nullopt;
            return answers.takeFirst();
        });
    }
    ~MainScreenTest() override
    {
        window.reset();
        FileDialogs::setChooser({});
        FontDialog::setChooser({});
        TPQMainScreen::pluggedCommands() = realCommands;
        TPQMainScreen::layoutDialogs() = realLayoutDialogs;
    }

    TPQMainScreen &start()
    {
        window = std::make_unique<TPQMainScreen>();
        window->show();
        window->FormActivate();
        return *window;
    }

    TGPelloraPanel32 &panel() const { return window->LabelPanel(); }

    void placeRectangle(const QRect &rect)
    {
        panel().setPanelState(TLPanelState::psRectangle);
        panel().CreateObjectInRect(rect);
        panel().setPanelState(TLPanelState::psPointing);
    }

    QString path(const QString &name) const { return scope.root() + name; }

    // A document with one rectangle at the rectangle given, written without the window.
    QString writeDocument(const QString &name, const QRect &rect, const TLabelLayout &layout)
    {
        TGPelloraPanel32 writer(scope.root());
        writer.setPanelState(TLPanelState::psRectangle);
        writer.CreateObjectInRect(rect);
        TGLabelObjectFiler().SaveDocument(writer, path(name), layout);
        return path(name);
    }

    ProgramFolderScope scope;
    const TPQMainScreen::LayoutDialogs realLayoutDialogs = TPQMainScreen::layoutDialogs();
    const TPQMainScreen::Commands realCommands = TPQMainScreen::pluggedCommands();
    MessageBoxInterceptor boxes;
    QList<FileDialogRequest> requests;
    QStringList answers;
    std::unique_ptr<TPQMainScreen> window;
};

TEST_F(MainScreenTest, StartsUntitledAndCleanWithTheDefaultLayout)
{
    TPQMainScreen &screen = start();
    const TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Pellora"));
    EXPECT_FALSE(screen.ChangesMade());
    EXPECT_FALSE(screen.Suspended());
    EXPECT_FALSE(screen.SaveButton()->isVisible());
    EXPECT_FALSE(screen.CancelButton()->isVisible());
    EXPECT_FALSE(screen.action(QStringLiteral("mnuSave"))->isEnabled());
    EXPECT_EQ(screen.ZoomCaption()->text(), QStringLiteral("100%"));
    EXPECT_EQ(screen.action(QStringLiteral("mnuDefaultFont"))->text(),
              QStringLiteral("Default Font: Arial, 10 pt "));
    EXPECT_EQ(screen.action(QStringLiteral("mnuChangeLayout"))->text(),
              QStringLiteral("Change Label Layout    (") + layout.TemplateName + QLatin1Char(')'));
    EXPECT_EQ(panel().width(), qRound(96 * layout.LabelWidth));
    EXPECT_EQ(panel().height(), qRound(96 * layout.LabelHeight));
    EXPECT_EQ(panel().panelFont().name(), QStringLiteral("Arial"));
    EXPECT_EQ(panel().panelFont().size(), 10);
    EXPECT_TRUE(screen.PrinterReady());
    EXPECT_TRUE(screen.action(QStringLiteral("mnuPrint"))->isEnabled());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(MainScreenTest, ToolBarButtonsFormOneGroupWithTheirHints)
{
    TPQMainScreen &screen = start();
    const struct
    {
        TLPanelState state;
        const char *name;
        const char *hint;
    } tools[] = {
        {TLPanelState::psPointing, "Pointerbutton", "Selection tool"},
        {TLPanelState::psLabel, "DrawLabelButton", "Text tool"},
        {TLPanelState::psMultiLineLabel, "DrawMLTextButton", "Multi-line text tool"},
        {TLPanelState::psCounterLabel, "DrawCounterbutton", "Counter tool"},
        {TLPanelState::psSymbolLabel, "DrawSymbolButton", "Symbol tool"},
        {TLPanelState::psRectangle, "DrawRectanglebutton", "Rectangle tool"},
        {TLPanelState::psEllipse, "DrawEllipseButton", "Ellipse tool"},
        {TLPanelState::psRoundRectangle, "DrawRoundrectbutton", "Round Rectangle tool"},
        {TLPanelState::psLine, "DrawLinebutton", "Line Tool"},
        {TLPanelState::psImage, "DrawImageButton", "Clip Art Tool"},
        {TLPanelState::psSuperShape, "DrawSupershape", "Supershape tool \nMulti-purpose shapes and surfaces"},
        {TLPanelState::psRichLabel, "DrawRichText", "Rich Text tool \nMixed fonts, colors and styles"},
        {TLPanelState::psSuperText, "DrawSuperTextButton",
         "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"},
        {TLPanelState::psCircleText, "DrawCircleTextbutton",
         "CircleText Tool \nCircular or semi-circular text using any font"},
    };
    for (const auto &tool : tools) {
        SCOPED_TRACE(tool.name);
        QAbstractButton *button = screen.toolButton(tool.state);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), QLatin1String(tool.name));
        EXPECT_EQ(button->toolTip(), QLatin1String(tool.hint));
        EXPECT_FALSE(button->whatsThis().isEmpty());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(panel().PanelState(), tool.state);
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(button->group()->checkedButton(), button);
    }
    EXPECT_EQ(screen.toolButton(TLPanelState::psPointing)->group()->buttons().size(), 14);
}

TEST_F(MainScreenTest, AnObjectDroppedWithAShapeToolHandsBackToThePointer)
{
    TPQMainScreen &screen = start();
    QTest::mouseClick(screen.toolButton(TLPanelState::psEllipse), Qt::LeftButton);
    QTest::mousePress(&panel(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&panel(), QPoint(60, 40));
    QTest::mouseRelease(&panel(), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(panel().PanelState(), TLPanelState::psPointing);
    EXPECT_TRUE(screen.toolButton(TLPanelState::psPointing)->isChecked());
    EXPECT_TRUE(screen.ChangesMade());
}

TEST_F(MainScreenTest, GridAndSnapTogglesDriveThePanel)
{
    TPQMainScreen &screen = start();
    QTest::mouseClick(screen.ShowGridButton(), Qt::LeftButton);
    QTest::mouseClick(screen.SnapToGridButton(), Qt::LeftButton);
    EXPECT_TRUE(panel().ShowGrid());
    EXPECT_TRUE(panel().SnapToGrid());
    // Toggles are not part of the tool group.
    EXPECT_TRUE(screen.toolButton(TLPanelState::psPointing)->isChecked());
    QTest::mouseClick(screen.ShowGridButton(), Qt::LeftButton);
    EXPECT_FALSE(panel().ShowGrid());
}

TEST_F(MainScreenTest, EditingShowsSaveAsAndCancelUntilSaved)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    EXPECT_TRUE(screen.ChangesMade());
    EXPECT_TRUE(screen.SaveButton()->isVisible());
    EXPECT_TRUE(screen.CancelButton()->isVisible());
    EXPECT_EQ(screen.SaveButton()->text(), QStringLiteral("&Save As"));

    answers = {path(QStringLiteral("first.PQ"))};
    QTest::mouseClick(screen.SaveButton(), Qt::LeftButton);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].mode, FileDialogRequest::Save);
    EXPECT_EQ(requests[0].fileName, QStringLiteral("PQ0001.PQ"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("PQ"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("first.PQ"))));
    EXPECT_EQ(screen.CurrentFileName(), path(QStringLiteral("first.PQ")));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Pellora - first.PQ"));
    EXPECT_FALSE(screen.ChangesMade());
    EXPECT_FALSE(screen.SaveButton()->isVisible());
    EXPECT_TRUE(screen.action(QStringLiteral("mnuSave"))->isEnabled());
    EXPECT_EQ(screen.recentFiles().paths(), QStringList{path(QStringLiteral("first.PQ"))});
    EXPECT_EQ(programPreferences().FileSaveLastPath, scope.root());

    placeRectangle(QRect(60, 10, 40, 20));
    EXPECT_EQ(screen.SaveButton()->text(), QStringLiteral("&Save"));
    QTest::mouseClick(screen.SaveButton(), Qt::LeftButton);
    EXPECT_EQ(requests.size(), 1);
    EXPECT_FALSE(screen.ChangesMade());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(MainScreenTest, SaveAsProposesTheFirstNumberFreeInTheProgramFolder)
{
    for (const char *name : {"PQ0001.PQ", "PQ0002.PQ"}) {
        QFile file(scope.folder() + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A file in the dialog's folder does not count.
    QFile(scope.root() + QStringLiteral("PQ0003.PQ")).open(QIODevice::WriteOnly);
    TPQMainScreen &screen = start();
    screen.mnuSaveAsClick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].fileName, QStringLiteral("PQ0003.PQ"));
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
}

TEST_F(MainScreenTest, SaveAsOverAnotherFileAsksFirst)
{
    const QString existing =
        writeDocument(QStringLiteral("other.PQ"), QRect(5, 5, 30, 20), TLabelLayout::defaultLayout());
    const QByteArray before = TestEnvironment::readFile(existing);
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 80, 40));
    answers = {existing};
    screen.mnuSaveAsClick();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0],
              question(existing + QStringLiteral(" already exists.\r\nDo you want to replace it?"),
                       QStringLiteral("Save As")));
    EXPECT_EQ(TestEnvironment::readFile(existing), before);
    EXPECT_TRUE(screen.ChangesMade());

    boxes.setAnswer(QMessageBox::Yes);
    answers = {existing};
    screen.mnuSaveAsClick();
    EXPECT_NE(TestEnvironment::readFile(existing), before);
    EXPECT_FALSE(screen.ChangesMade());
}

TEST_F(MainScreenTest, AFailedSaveKeepsTheDocumentChanged)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    const QString unwritable = path(QStringLiteral("missing/folder/doc.PQ"));
    answers = {unwritable};
    screen.mnuSaveAsClick();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].Text.startsWith(QStringLiteral("Unable to save ") + unwritable +
                                                 QStringLiteral("\r\n")));
    EXPECT_TRUE(screen.ChangesMade());
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
    EXPECT_TRUE(screen.recentFiles().isEmpty());
    EXPECT_EQ(panel().objectCount(), 1);
}

TEST_F(MainScreenTest, SaveOfAnUntitledDocumentOnlyBeeps)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    screen.mnuSaveClick();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(screen.ChangesMade());
}

TEST_F(MainScreenTest, OpenReadsTheDocumentAndItsLayout)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = QStringLiteral("USER DEFINED");
    layout.LabelWidth = 3;
    layout.LabelHeight = 1.5;
    layout.LabelShape = QStringLiteral("EL");
    const QString document = writeDocument(QStringLiteral("round.pq"), QRect(12, 14, 50, 30), layout);
    TPQMainScreen &screen = start();
    answers = {document};
    screen.mnuOpenClick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].title, QStringLiteral("Open Label File"));
    EXPECT_EQ(requests[0].mode, FileDialogRequest::Open);
    EXPECT_TRUE(requests[0].filter.contains(QStringLiteral("*.pq")));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    ASSERT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(panel().objectAt(0)->boundsRect(), QRect(12, 14, 50, 30));
    EXPECT_EQ(panel().objectAt(0)->name(), QStringLiteral("Component0"));
    EXPECT_EQ(panel().size(), QSize(288, 144));
    EXPECT_EQ(panel().Shape(), TLabelShapeType::lsEllipse);
    EXPECT_EQ(screen.action(QStringLiteral("mnuChangeLayout"))->text(),
              QStringLiteral("Change Label Layout    (User Defined)"));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Pellora - round.pq"));
    EXPECT_FALSE(screen.ChangesMade());
    EXPECT_EQ(programPreferences().FileOpenLastPath, scope.root());
    EXPECT_EQ(screen.recentFiles().paths(), QStringList{document});
}

TEST_F(MainScreenTest, OpenRefusesFilesThatAreNotDocuments)
{
    TPQMainScreen &screen = start();
    QFile(path(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    answers = {path(QStringLiteral("notes.txt"))};
    screen.mnuOpenClick();
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{info(QStringLiteral("Must be a PQ (Pellora) file"))});
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
}

TEST_F(MainScreenTest, ADamagedDocumentKeepsWhatWasReadButStaysUntitled)
{
    const QString document =
        writeDocument(QStringLiteral("damaged.PQ"), QRect(12, 14, 50, 30), TLabelLayout::defaultLayout());
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 20);
    file.close();
    TPQMainScreen &screen = start();
    screen.OpenLabelFile(document);
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{
                                 info(QStringLiteral("Unable to open ") + document +
                                      QStringLiteral(". Possibly corrupted, posibly not a Pellora file"))});
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
    EXPECT_TRUE(screen.recentFiles().isEmpty());
    EXPECT_EQ(panel().objectCount(), 1);
    EXPECT_TRUE(screen.ChangesMade());
}

TEST_F(MainScreenTest, OpenAsksToSaveChangesFirst)
{
    const QString document =
        writeDocument(QStringLiteral("a.PQ"), QRect(12, 14, 50, 30), TLabelLayout::defaultLayout());
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    placeRectangle(QRect(60, 10, 40, 20));
    answers = {document};
    screen.mnuOpenClick(); // answered No: the changes go
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{question(SaveChanges, QStringLiteral("Save"))});
    EXPECT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(screen.CurrentFileName(), document);
}

TEST_F(MainScreenTest, CancellingTheSaveAfterAnsweringYesKeepsTheDocument)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    boxes.setAnswer(QMessageBox::Yes);
    answers = {}; // the Save As dialog is cancelled
    screen.mnuOpenClick();
    EXPECT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].mode, FileDialogRequest::Save);
    EXPECT_TRUE(screen.ChangesMade());
    EXPECT_EQ(panel().objectCount(), 1);
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
}

TEST_F(MainScreenTest, ARecentFileThatIsGoneDropsOutOfTheList)
{
    const QString kept =
        writeDocument(QStringLiteral("kept.PQ"), QRect(1, 1, 30, 20), TLabelLayout::defaultLayout());
    const QString gone = path(QStringLiteral("gone.PQ"));
    {
        IniFile ini(IniFileName());
        ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), gone);
        ini.writeString(QStringLiteral("MRU"), QStringLiteral("F1"), kept);
        ASSERT_TRUE(ini.save());
    }
    TPQMainScreen &screen = start();
    EXPECT_TRUE(screen.CurrentFileName().isEmpty()); // the most recent one is missing
    QAction *first = screen.action(QStringLiteral("mnuRecent1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("&1 ") + gone);
    first->trigger();
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{info(gone + QStringLiteral(" no longer exists"))});
    EXPECT_EQ(screen.recentFiles().paths(), QStringList{kept});

    screen.action(QStringLiteral("mnuRecent1"))->trigger();
    EXPECT_EQ(screen.CurrentFileName(), kept);
    EXPECT_EQ(screen.recentFiles().paths(), QStringList{kept});
    EXPECT_EQ(IniFile(IniFileName()).sectionValues(QStringLiteral("MRU")), QStringList{kept});
}

TEST_F(MainScreenTest, StartUpReopensTheMostRecentDocument)
{
    const QString document =
        writeDocument(QStringLiteral("last.PQ"), QRect(12, 14, 50, 30), TLabelLayout::defaultLayout());
    {
        IniFile ini(IniFileName());
        ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), document);
        ASSERT_TRUE(ini.save());
    }
    TPQMainScreen &screen = start();
    EXPECT_EQ(screen.CurrentFileName(), document);
    EXPECT_EQ(panel().objectCount(), 1);
    EXPECT_FALSE(screen.ChangesMade());
    EXPECT_FALSE(screen.SaveButton()->isVisible());
}

TEST_F(MainScreenTest, RecentFilesKeepTheFiveNewest)
{
    TPQMainScreen &screen = start();
    QStringList documents;
    for (int i = 0; i < 6; ++i)
        documents.prepend(writeDocument(QStringLiteral("doc%1.PQ").arg(i), QRect(1, 1, 30, 20),
                                        TLabelLayout::defaultLayout()));
    for (auto it = documents.crbegin(); it != documents.crend(); ++it)
        screen.OpenLabelFile(*it);
    screen.OpenLabelFile(documents[2]);
    QStringList expected = documents.mid(0, 5);
    expected.move(2, 0);
    EXPECT_EQ(screen.recentFiles().paths(), expected);
    EXPECT_EQ(screen.action(QStringLiteral("mnuRecent6")), nullptr);
    EXPECT_FALSE(IniFile(IniFileName()).valueExists(QStringLiteral("MRU"), QStringLiteral("F5")));
}

TEST_F(MainScreenTest, CancelOfAnUntitledDocumentKeepsTheLayout)
{
    TPQMainScreen &screen = start();
    const QSize size = panel().size();
    placeRectangle(QRect(10, 10, 40, 20));
    screen.CancelButtonClick(); // answered No
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{
                                 question(QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL"))});
    EXPECT_EQ(panel().objectCount(), 1);
    boxes.setAnswer(QMessageBox::Yes);
    screen.CancelButtonClick();
    EXPECT_EQ(panel().objectCount(), 0);
    EXPECT_EQ(panel().size(), size);
    EXPECT_FALSE(screen.ChangesMade());
}

TEST_F(MainScreenTest, CancelOfATitledDocumentRereadsIt)
{
    const QString document =
        writeDocument(QStringLiteral("a.PQ"), QRect(12, 14, 50, 30), TLabelLayout::defaultLayout());
    TPQMainScreen &screen = start();
    screen.OpenLabelFile(document);
    placeRectangle(QRect(60, 10, 40, 20));
    panel().objectAt(0)->setLeft(70);
    boxes.setAnswer(QMessageBox::Yes);
    screen.CancelButtonClick();
    ASSERT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(panel().objectAt(0)->boundsRect(), QRect(12, 14, 50, 30));
    EXPECT_EQ(screen.CurrentFileName(), document);
    EXPECT_FALSE(screen.ChangesMade());
}

TEST_F(MainScreenTest, DeleteRemovesTheChosenFileAfterConfirming)
{
    const QString document =
        writeDocument(QStringLiteral("old.PQ"), QRect(12, 14, 50, 30), TLabelLayout::defaultLayout());
    TPQMainScreen &screen = start();
    screen.OpenLabelFile(document);
    answers = {document};
    screen.mnuDeleteClick(); // answered No
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].title, QStringLiteral("Delete Label File"));
    EXPECT_EQ(requests[0].folder, ProgramFolder());
    EXPECT_EQ(boxes.boxes(),
              QList<MessageBoxRequest>{question(QStringLiteral("Delete ") + document + QLatin1Char('?'),
                                                QStringLiteral("CONFIRM"))});
    EXPECT_TRUE(QFileInfo::exists(document));

    boxes.setAnswer(QMessageBox::Yes);
    answers = {document};
    screen.mnuDeleteClick();
    EXPECT_FALSE(QFileInfo::exists(document));
    EXPECT_EQ(screen.CurrentFileName(), document);
    EXPECT_EQ(panel().objectCount(), 1);

    boxes.clear();
    answers = {path(QStringLiteral("picture.png"))};
    screen.mnuDeleteClick();
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{info(QStringLiteral("Must be a PQ (Pellora) file"))});
}

TEST_F(MainScreenTest, ExitAndTheCloseBoxAskAboutChanges)
{
    const struct
    {
        const char *name;
        bool useExit;
    } ways[] = {{"Exit", true}, {"close box", false}};
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        boxes.clear();
        boxes.setAnswer(QMessageBox::Yes);
        requests.clear();
        TPQMainScreen &screen = start();
        placeRectangle(QRect(10, 10, 40, 20));
        answers = {}; // Save As cancelled: the window must stay
        way.useExit ? screen.ExitClick() : void(screen.close());
        EXPECT_TRUE(screen.isVisible());
        EXPECT_EQ(boxes.boxes().value(0).Text, SaveChanges);

        answers = {path(QStringLiteral("exit.PQ"))};
        way.useExit ? screen.ExitClick() : void(screen.close());
        EXPECT_FALSE(screen.isVisible());
        EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("exit.PQ"))));
        QFile::remove(path(QStringLiteral("exit.PQ")));
        EXPECT_TRUE(IniFile(IniFileName()).sectionExists(QStringLiteral("TPQMainScreen_Placement")));
        EXPECT_TRUE(IniFile(IniFileName()).sectionExists(QStringLiteral("Default Font")));
    }
}

TEST_F(MainScreenTest, PlacementIsRestoredAtTheNextStart)
{
    {
        TPQMainScreen &screen = start();
        screen.setGeometry(QRect(40, 50, 640, 420));
        screen.close();
    }
    const IniFile ini(IniFileName());
    const QString section = QStringLiteral("TPQMainScreen_Placement");
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Left"), -1), 40);
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Top"), -1), 50);
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Right"), -1), 680);
    TPQMainScreen &again = start();
    EXPECT_EQ(again.geometry(), QRect(40, 50, 640, 420));
}

TEST_F(MainScreenTest, ZoomRunsFromFiftyToOneHundredFiftyPercent)
{
    TPQMainScreen &screen = start();
    const QSize full = panel().size();
    placeRectangle(QRect(20, 20, 40, 20));
    const QStringList out = {QStringLiteral("90%"), QStringLiteral("80%"), QStringLiteral("70%"),
                             QStringLiteral("60%"), QStringLiteral("50%"), QStringLiteral("50%")};
    for (const QString &caption : out) {
        QTest::keyClick(&panel(), Qt::Key_Minus, Qt::KeypadModifier);
        EXPECT_EQ(screen.ZoomCaption()->text(), caption);
    }
    EXPECT_LT(panel().width(), full.width() * 0.51);
    for (int i = 0; i < 12; ++i)
        screen.ZoomIn();
    EXPECT_EQ(screen.ZoomCaption()->text(), QStringLiteral("150%"));
    // Each step rounds the panel's size, so ten steps may end a few pixels off.
    EXPECT_NEAR(panel().width(), full.width() * 1.5, 5);
    // Zooming is no change to the document.
    screen.SetChangesMade(false);
    screen.ZoomOut();
    EXPECT_FALSE(screen.ChangesMade());
}

TEST_F(MainScreenTest, SavingWhileZoomedWritesTheUnzoomedGeometry)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(20, 20, 40, 20));
    for (int i = 0; i < 5; ++i)
        screen.ZoomIn();
    ASSERT_EQ(screen.ZoomCaption()->text(), QStringLiteral("150%"));
    const QRect zoomed = panel().objectAt(0)->boundsRect();
    ASSERT_TRUE(screen.SaveLabelFile(path(QStringLiteral("zoomed.PQ"))));
    EXPECT_EQ(panel().objectAt(0)->boundsRect(), zoomed);

    screen.OpenLabelFile(path(QStringLiteral("zoomed.PQ")));
    EXPECT_EQ(screen.ZoomCaption()->text(), QStringLiteral("150%"));
    DesignSurface reread;
    TLabelLayout layout;
    TGLabelObjectFiler().LoadDocument(reread, layout, path(QStringLiteral("zoomed.PQ")));
    ASSERT_EQ(reread.objectCount(), 1);
    EXPECT_EQ(reread.objectAt(0)->boundsRect(), QRect(20, 20, 40, 20));
}

TEST_F(MainScreenTest, DefaultFontChangesTheCaptionAndThePreferences)
{
    FontDialog::setChooser([](const Font &initial) -> std::optional<Font> {
        Font chosen = initial;
        chosen.setName(QStringLiteral("Courier New"));
        chosen.setSize(12);
        chosen.setStyleMember(FontStyle::fsBold, true);
        return chosen;
    });
    TPQMainScreen &screen = start();
    screen.action(QStringLiteral("mnuDefaultFont"))->trigger();
    EXPECT_EQ(screen.action(QStringLiteral("mnuDefaultFont"))->text(),
              QStringLiteral("Default Font: Courier New, 12 pt , bold"));
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{info(
                                 QStringLiteral("Note: the default font is used for NEW objects only.\rTo "
                                                "change the font of an existing object, click it\rwith the "
                                                "RIGHT MOUSE BUTTON and select FONT"))});
    const IniFile ini(IniFileName());
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Name"), {}),
              QStringLiteral("Courier New"));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Default Font"), QStringLiteral("Bold"), false));
}

TEST_F(MainScreenTest, ShowHintsIsSavedAndSwitchesToolTipsOff)
{
    TPQMainScreen &screen = start();
    screen.ShowHintsItem()->trigger();
    EXPECT_FALSE(screen.ShowHintsItem()->isChecked());
    EXPECT_FALSE(IniFile(IniFileName()).readBool(QStringLiteral("Misc"), QStringLiteral("Show Hints"), true));
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_TRUE(QApplication::sendEvent(screen.toolButton(TLPanelState::psLine), &tip));
}

TEST_F(MainScreenTest, CommandsWithoutTheirDialogSaySo)
{
    TPQMainScreen &screen = start();
    screen.action(QStringLiteral("mnuPrint"))->trigger();
    EXPECT_EQ(boxes.boxes(),
              QList<MessageBoxRequest>{info(QStringLiteral("Printing is not available in this version."))});
    int calls = 0;
    TPQMainScreen::pluggedCommands().printerSetup = [&calls](TPQMainScreen &) { ++calls; };
    screen.action(QStringLiteral("mnuPrinterSetup"))->trigger();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST_F(MainScreenTest, PrinterFineTuningKeepsTheConfirmedNudges)
{
    TPQMainScreen &screen = start();
    for (const bool confirm : {false, true}) {
        QTimer::singleShot(0, [confirm] {
            auto *dialog = dynamic_cast<TPrintFineTune *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->lowerArrow(TPrintFineTune::TopMargin)->click();
            confirm ? dialog->accept() : dialog->reject();
        });
        screen.action(QStringLiteral("mnuPrinterFineTuning"))->trigger();
        EXPECT_EQ(programPreferences().Nudges.Top, confirm ? 1 : 0);
    }
    EXPECT_EQ(
        IniFile(IniFileName()).readInteger(QStringLiteral("Printer"), QStringLiteral("TopMarginNudge"), 0),
        1);
}

// The print command through the program's own PDF destination: the preparation dialog prints, the
// save dialog is asked for the file, and the status form ends the job; a cancelled save dialog
// prints nothing and says nothing.
TEST_F(MainScreenTest, PrintingToThePdfDestinationAsksForTheFile)
{
    installPrintCommands();
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 30));
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    for (const bool answered : {false, true}) {
        SCOPED_TRACE(answered);
        if (answered)
            answers = {pdf};
        bool printed = false;
        QTimer driver;
        // Clicks are queued: a timer does not fire again while its own slot runs a nested dialog.
        const auto click = [](QPushButton *button) {
            QTimer::singleShot(0, button, [button] { button->click(); });
        };
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *prep = dynamic_cast<TLabelPrintPrep *>(modal)) {
                if (!printed) {
                    printed = true;
                    // Chosen as a user does, whatever the system's default printer is.
                    QComboBox *printers = prep->printerCombo();
                    const int pdfDestination = printers->findText(PdfPrinterName);
                    ASSERT_GE(pdfDestination, 0);
                    printers->setCurrentIndex(pdfDestination);
                    Q_EMIT printers->activated(pdfDestination);
                    click(prep->printButton());
                } else if (!prep->property("closing").toBool()) {
                    prep->setProperty("closing", true);
                    click(prep->cancelButton());
                }
            } else if (auto *status = dynamic_cast<TLabelPrinter *>(modal); status && status->jobEnded()) {
                if (!status->property("closing").toBool()) {
                    status->setProperty("closing", true);
                    click(status->cancelButton());
                }
            }
        });
        driver.start(10);
        screen.action(QStringLiteral("mnuPrint"))->trigger();
        driver.stop();
        EXPECT_TRUE(printed);
        EXPECT_EQ(QFile::exists(pdf), answered);
    }
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].mode, FileDialogRequest::Save);
    EXPECT_EQ(requests[1].title, QStringLiteral("Save as PDF"));
    EXPECT_EQ(requests[1].fileName, QStringLiteral("Labels.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TLabelLayout diskette()
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = QStringLiteral("Avery 5196 Diskette Labels");
    layout.LabelWidth = 2.75;
    layout.LabelHeight = 2.75;
    layout.LabelShape = QStringLiteral("RR");
    layout.ArtName = QStringLiteral("AV5196.BMP");
    return layout;
}

TEST_F(MainScreenTest, NewFromTemplateOffersToSaveThenStartsAnEmptyDocument)
{
    QList<bool> newFlags;
    TPQMainScreen::layoutDialogs().chooseTemplate = [&newFlags](QWidget *, const TLabelLayout &, bool isNew) {
        newFlags << isNew;
        return std::optional<TLabelLayout>(diskette());
    };
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    screen.action(QStringLiteral("mnuNewFromTemplate"))->trigger(); // "Save changes?" answered No
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{question(SaveChanges, QStringLiteral("Save"))});
    EXPECT_EQ(newFlags, QList<bool>{true});
    EXPECT_EQ(panel().objectCount(), 0);
    EXPECT_EQ(panel().size(), QSize(264, 264));
    EXPECT_TRUE(screen.ChangesMade());
    EXPECT_EQ(screen.SaveButton()->text(), QStringLiteral("&Save As"));
    EXPECT_EQ(screen.action(QStringLiteral("mnuChangeLayout"))->text(),
              QStringLiteral("Change Label Layout    (Avery 5196 Diskette Labels)"));

    placeRectangle(QRect(10, 10, 40, 20));
    boxes.clear();
    screen.action(QStringLiteral("mnuChangeFromTemplate"))->trigger();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(newFlags, (QList<bool>{true, false}));
    EXPECT_EQ(panel().objectCount(), 1);
}

TEST_F(MainScreenTest, ACancelledChooserChangesNothing)
{
    TPQMainScreen::layoutDialogs().chooseTemplate = [](QWidget *, const TLabelLayout &, bool) {
        return std::optional<TLabelLayout>();
    };
    TPQMainScreen &screen = start();
    const QSize size = panel().size();
    screen.action(QStringLiteral("mnuChangeFromTemplate"))->trigger();
    EXPECT_EQ(panel().size(), size);
    EXPECT_FALSE(screen.ChangesMade());
}

TEST_F(MainScreenTest, TheLayoutEditorRemembersMillimetres)
{
    QList<bool> handedOver;
    TPQMainScreen::layoutDialogs().editUserLayout = [&handedOver](QWidget *, const TLabelLayout &current,
                                                                  bool &useMillimetres) {
        handedOver << useMillimetres;
        useMillimetres = true;
        TLabelLayout edited = current;
        edited.TemplateName = QStringLiteral("USER DEFINED");
        edited.LabelWidth = 1;
        edited.LabelHeight = 1;
        edited.ArtName.clear();
        return std::optional<TLabelLayout>(edited);
    };
    TPQMainScreen &screen = start();
    screen.action(QStringLiteral("mnuChangeUserDefined"))->trigger();
    EXPECT_EQ(handedOver, QList<bool>{false});
    EXPECT_TRUE(IniFile(IniFileName()).readBool(QStringLiteral("User"), QStringLiteral("UseMM"), false));
    EXPECT_EQ(panel().size(), QSize(96, 96));
    EXPECT_EQ(screen.action(QStringLiteral("mnuChangeLayout"))->text(),
              QStringLiteral("Change Label Layout    (User Defined)"));
    EXPECT_FALSE(screen.ShowArtButton()->isEnabled());
    screen.action(QStringLiteral("mnuNewUserDefined"))->trigger();
    EXPECT_EQ(handedOver, (QList<bool>{false, true}));
}

TEST_F(MainScreenTest, AppliedLayoutsSizeThePanelAndMarkTheDocumentChanged)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(200, 60, 40, 20));
    TLabelLayout small = TLabelLayout::defaultLayout();
    small.TemplateName = QStringLiteral("Avery 5196");
    small.LabelWidth = 2;
    small.LabelHeight = 1;
    small.LabelShape = QStringLiteral("SR");
    small.ArtName = QStringLiteral("AV5196.BMP");
    screen.applyLayout(small, false);
    EXPECT_EQ(panel().size(), QSize(192, 96));
    EXPECT_EQ(panel().Shape(), TLabelShapeType::lsRectangle);
    ASSERT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(panel().objectAt(0)->left(), 192 - 20);
    EXPECT_TRUE(screen.ChangesMade());
    EXPECT_EQ(screen.action(QStringLiteral("mnuChangeLayout"))->text(),
              QStringLiteral("Change Label Layout    (Avery 5196)"));
    // The art stays off as it was before, until asked for.
    EXPECT_TRUE(screen.ShowArtButton()->isEnabled());
    EXPECT_FALSE(screen.ShowArtButton()->isChecked());
    EXPECT_TRUE(panel().Picture().isNull());
    QTest::mouseClick(screen.ShowArtButton(), Qt::LeftButton);
    EXPECT_FALSE(panel().Picture().isNull());

    screen.applyLayout(small, true);
    EXPECT_EQ(panel().objectCount(), 0);
    EXPECT_TRUE(screen.ShowArtButton()->isChecked());
    QTest::mouseClick(screen.ShowArtButton(), Qt::LeftButton);
    EXPECT_TRUE(panel().Picture().isNull());
}

TEST_F(MainScreenTest, PageKeysScrollTheScrollBox)
{
    TPQMainScreen &screen = start();
    TLabelLayout tall = TLabelLayout::defaultLayout();
    tall.LabelHeight = 8;
    screen.applyLayout(tall, true);
    QApplication::processEvents();
    QScrollBar *bar = screen.ScrollBox1()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(&screen, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&screen, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());
    QTest::keyClick(&screen, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(MainScreenTest, ThePanelsClipboardKeysWorkWhereverTheFocusIs)
{
    TPQMainScreen &screen = start();
    placeRectangle(QRect(10, 10, 40, 20));
    placeRectangle(QRect(60, 10, 40, 20));
    panel().selectionFrame().AddToSelection(*panel().objectAt(1));
    QWidget *elsewhere = screen.findChild<QWidget *>(QStringLiteral("CloseButton"));
    QTest::keyClick(elsewhere, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QFileInfo::exists(panel().clipboardFile()));
    QTest::keyClick(elsewhere, Qt::Key_Delete);
    ASSERT_EQ(panel().objectCount(), 1);
    EXPECT_EQ(panel().objectAt(0)->boundsRect(), QRect(10, 10, 40, 20));
    // Other keys are left to the control.
    QTest::keyClick(elsewhere, Qt::Key_A);
    EXPECT_EQ(panel().objectCount(), 1);
}

TEST_F(MainScreenTest, EnterAndEscapePressSaveAndCancelWhileTheyShow)
{
    TPQMainScreen &screen = start();
    QTest::keyClick(&screen, Qt::Key_Escape);
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(requests.isEmpty());

    placeRectangle(QRect(10, 10, 40, 20));
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_EQ(boxes.boxes(), QList<MessageBoxRequest>{
                                 question(QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL"))});
    QTest::keyClick(&screen, Qt::Key_Return);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].mode, FileDialogRequest::Save);
}

TEST_F(MainScreenTest, AboutBoxNamesTheProgramAndItsVersion)
{
    TPQMainScreen &screen = start();
    AboutBox about(&screen);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Pellora"));
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("32-bit version")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version ") + ProgramVersion()));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("OkButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
    about.show();
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

class BrokenIniTest : public MainScreenTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(BrokenIniTest, StartsWithTheDefaults)
{
    QFile file(IniFileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam());
    file.close();
    TPQMainScreen &screen = start();
    EXPECT_EQ(screen.action(QStringLiteral("mnuDefaultFont"))->text(),
              QStringLiteral("Default Font: Arial, 10 pt "));
    EXPECT_EQ(screen.ZoomCaption()->text(), QStringLiteral("100%"));
    EXPECT_TRUE(screen.CurrentFileName().isEmpty());
    EXPECT_TRUE(screen.geometry().intersects(QRect(QPoint(0, 0), screen.screen()->size())));
    screen.close();
}

INSTANTIATE_TEST_SUITE_P(
    MainScreen, BrokenIniTest,
    ::testing::Values("garbage\n\x01\x02\xff\xfe=\n[[[\n=value\n", "",
                      "[Default Font]\nSize=99999999999999999999\nName=\n[TPQMainScreen_Placement]\n"
                      "Left=2147483647\nTop=-2147483648\nRight=99999999999\nBottom=-5\n",
                      "[TPQMainScreen_Placement]\nLeft=-900000\nTop=-900000\nRight=-800000\nBottom=-800000\n"
                      "[MRU]\nF0=\nF1=/no/such/file.PQ\n[Printer]\nTopMarginNudge=abc\n"));
} // namespace
