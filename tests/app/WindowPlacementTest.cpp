#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/TPQMainScreen.h"
#include "app/WindowPlacement.h"
#include "platform/IniFile.h"
#include "platform/Screen.h"
#include "ProgramFolderScope.h"

namespace {
using WindowPlacement::MainWindowFrame;
using WindowPlacement::Restored;

class WindowPlacementTest : public ::testing::Test
{
protected:
    IniFile iniWith(const QByteArray &contents) const
    {
        QFile file(m_folder.filePath(QStringLiteral("pq.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        return IniFile(file.fileName());
    }
    IniFile emptyIni() const { return IniFile(m_folder.filePath(QStringLiteral("pq.ini"))); }

    QTemporaryDir m_folder;
};

TEST_F(WindowPlacementTest, SectionNameCarriesResolutionsAbove96)
{
    const struct
    {
        int ppi;
        const char *expected;
    } cases[] = {
        {96, "TPQMainScreen_Placement"},
        {72, "TPQMainScreen_Placement"},
        {120, "TPQMainScreen_Placement120"},
        {144, "TPQMainScreen_Placement144"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WindowPlacement::sectionName(QStringLiteral("TPQMainScreen"), c.ppi),
                  QString::fromUtf8(c.expected));
}

TEST_F(WindowPlacementTest, SaveWritesRightAndBottomExclusive)
{
    IniFile ini = emptyIni();
    WindowPlacement::save(ini, QStringLiteral("TPQMainScreen_Placement"), QRect(10, 20, 600, 400), true);
    EXPECT_EQ(ini.contents(), QByteArray("[TPQMainScreen_Placement]\nLeft=10\nTop=20\nRight=610\nBottom=420\n"
                                         "Maximized=1\n"));
}

struct RestoreCase
{
    const char *name;
    QByteArray section; // lines of the placement section
    bool currentlyMaximized;
    Restored expected;
};

TEST_F(WindowPlacementTest, RestoreRules)
{
    const QRect screen(0, 0, 1024, 768);
    const QRect centred(211, 179, 602, 410);
    const RestoreCase cases[] = {
        {"saved placement",
         "Left=10\nTop=20\nRight=610\nBottom=420\nMaximized=0\n",
         false,
         {{10, 20, 600, 400}, false}},
        {"no placement centres", "", false, {centred, false}},
        {"Bottom 0 centres", "Left=10\nTop=20\nRight=610\nBottom=0\n", false, {centred, false}},
        {"maximised keeps its normal bounds",
         "Left=10\nTop=20\nRight=610\nBottom=420\nMaximized=1\n",
         false,
         {{10, 20, 600, 400}, true}},
        {"Maximized missing keeps the current state",
         "Left=10\nTop=20\nRight=610\nBottom=420\n",
         true,
         {{10, 20, 600, 400}, true}},
        {"past the right edge",
         "Left=900\nTop=20\nRight=1500\nBottom=420\n",
         false,
         {{424, 20, 600, 400}, false}},
        {"past the bottom edge",
         "Left=10\nTop=700\nRight=610\nBottom=1100\n",
         false,
         {{10, 368, 600, 400}, false}},
        {"past the left edge",
         "Left=-50\nTop=20\nRight=550\nBottom=420\n",
         false,
         {{1, 20, 600, 400}, false}},
        {"past the top edge", "Left=10\nTop=-5\nRight=610\nBottom=395\n", false, {{10, 1, 600, 400}, false}},
        {"left edge 0 stays", "Left=0\nTop=0\nRight=600\nBottom=400\n", false, {{0, 0, 600, 400}, false}},
        {"wider than the screen",
         "Left=100\nTop=20\nRight=1300\nBottom=420\n",
         false,
         {{1, 20, 1200, 400}, false}},
        {"right before left centres", "Left=600\nTop=20\nRight=10\nBottom=420\n", false, {centred, false}},
        {"unreadable right centres", "Left=10\nTop=20\nRight=wide\nBottom=420\n", false, {centred, false}},
        {"absurd numbers centre",
         "Left=-2000000000\nTop=0\nRight=2000000000\nBottom=420\n",
         false,
         {centred, false}},
    };
    for (const RestoreCase &c : cases) {
        const IniFile ini = iniWith("[TPQMainScreen_Placement]\n" + c.section);
        EXPECT_EQ(WindowPlacement::restore(ini, QStringLiteral("TPQMainScreen_Placement"), centred,
                                           c.currentlyMaximized, screen),
                  c.expected)
            << c.name;
    }
}

TEST_F(WindowPlacementTest, PlacementOfAnotherResolutionIsNotUsed)
{
    const IniFile ini =
        iniWith("[TPQMainScreen_Placement120]\nLeft=10\nTop=20\nRight=610\nBottom=420\nMaximized=1\n");
    const QRect centred(211, 179, 602, 410);
    const Restored restored =
        WindowPlacement::restore(ini, WindowPlacement::sectionName(QStringLiteral("TPQMainScreen"), 96),
                                 centred, false, QRect(0, 0, 1024, 768));
    EXPECT_EQ(restored, (Restored{centred, false}));
}

TEST_F(WindowPlacementTest, KeepOnScreenWorksOnAScreenAwayFromTheOrigin)
{
    const QRect screen(1920, 100, 1280, 1024);
    const struct
    {
        QRect bounds;
        QRect expected;
    } cases[] = {
        {{2000, 200, 600, 400}, {2000, 200, 600, 400}},
        {{3000, 200, 600, 400}, {2600, 200, 600, 400}},
        {{1800, 50, 600, 400}, {1921, 101, 600, 400}},
        {{2000, 1000, 600, 400}, {2000, 724, 600, 400}},
        // An absurdly large window is first cut to twice the screen's size.
        {{-900000, -900000, 100000, 100000}, {1921, 101, 2560, 2048}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WindowPlacement::keepOnScreen(c.bounds, screen), c.expected);
}

TEST_F(WindowPlacementTest, CentringRules)
{
    const QRect screen(0, 0, 1024, 768);
    const struct
    {
        const char *name;
        QSize form;
        std::optional<MainWindowFrame> mainWindow;
        QPoint expected;
    } cases[] = {
        {"the main window itself", {602, 410}, std::nullopt, {211, 179}},
        {"over the main window", {300, 201}, MainWindowFrame{{100, 50, 602, 410}, false}, {251, 154}},
        {"larger than the main window, rounding toward zero",
         {301, 411},
         MainWindowFrame{{100, 50, 100, 100}, false},
         {100 - 100, 50 - 155}},
        {"main window maximised: on the screen",
         {300, 200},
         MainWindowFrame{{0, 0, 1024, 768}, true},
         {362, 284}},
        {"main window maximised elsewhere",
         {300, 200},
         MainWindowFrame{{100, 50, 602, 410}, true},
         {362, 284}},
        {"larger than the screen", {1100, 800}, std::nullopt, {-38, -16}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WindowPlacement::centredPosition(c.form, c.mainWindow, screen), c.expected) << c.name;
}

TEST_F(WindowPlacementTest, WindowsKeepTheirPlacementFromOneRunToTheNext)
{
    const ProgramFolderScope scope;
    IniFile ini = emptyIni();
    {
        TPQMainScreen window;
        window.setGeometry(40, 50, 500, 300);
        SaveWindowPlacement(window, ini);
    }
    EXPECT_TRUE(ini.sectionExists(
        WindowPlacement::sectionName(QStringLiteral("TPQMainScreen"), Screen::pixelsPerInch())));
    TPQMainScreen window;
    window.resize(200, 100);
    LoadWindowPlacement(window, ini);
    EXPECT_EQ(window.geometry(), QRect(40, 50, 500, 300));
    EXPECT_FALSE(window.isMaximized());
}

TEST_F(WindowPlacementTest, DialogIsCentredOverTheMainWindowOrOnTheScreenWhenItIsMaximised)
{
    const ProgramFolderScope scope;
    TPQMainScreen mainWindow;
    mainWindow.setGeometry(100, 50, 602, 410);
    mainWindow.show();
    QDialog dialog(&mainWindow);
    dialog.resize(300, 200);

    CenterForm(dialog);
    EXPECT_EQ(dialog.pos(), QPoint(251, 155));

    mainWindow.setWindowState(Qt::WindowMaximized);
    CenterForm(dialog);
    const QRect screen = mainWindow.screen()->availableGeometry();
    EXPECT_EQ(dialog.pos(),
              QPoint(screen.x() + (screen.width() - 300) / 2, screen.y() + (screen.height() - 200) / 2));
}
} // namespace
