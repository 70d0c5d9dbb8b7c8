#include "app/TPQMainScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "app/HelpWindow.h"
#include "app/MainScreenHelpTexts.h"
#include "app/MessageBoxes.h"
#include "app/ProgramFiles.h"
#include "app/ToolGlyphs.h"
#include "app/WindowPlacement.h"
#include "design/TGHandle.h"
#include "platform/Help.h"
#include "platform/IniFile.h"

namespace {
struct ToolButtonEntry
{
    const char *name;
    const char *hint;
    TLPanelState state;
    ToolGlyph glyph;
};

// Hints keep the program's CR line breaks; tool tips show them as line breaks.
const ToolButtonEntry ToolButtons[] = {
    {"Pointerbutton", "Selection tool", TLPanelState::psPointing, ToolGlyph::Pointer},
    {"DrawLabelButton", "Text tool", TLPanelState::psLabel, ToolGlyph::Text},
    {"DrawMLTextButton", "Multi-line text tool", TLPanelState::psMultiLineLabel, ToolGlyph::MultiLineText},
    {"DrawCounterbutton", "Counter tool", TLPanelState::psCounterLabel, ToolGlyph::Counter},
    {"DrawSymbolButton", "Symbol tool", TLPanelState::psSymbolLabel, ToolGlyph::Symbol},
    {"DrawRectanglebutton", "Rectangle tool", TLPanelState::psRectangle, ToolGlyph::Rectangle},
    {"DrawEllipseButton", "Ellipse tool", TLPanelState::psEllipse, ToolGlyph::Ellipse},
    {"DrawRoundrectbutton", "Round Rectangle tool", TLPanelState::psRoundRectangle,
     ToolGlyph::RoundRectangle},
    {"DrawLinebutton", "Line Tool", TLPanelState::psLine, ToolGlyph::Line},
    {"DrawImageButton", "Clip Art Tool", TLPanelState::psImage, ToolGlyph::Image},
    {"DrawSupershape", "Supershape tool \rMulti-purpose shapes and surfaces", TLPanelState::psSuperShape,
     ToolGlyph::SuperShape},
    {"DrawRichText", "Rich Text tool \rMixed fonts, colors and styles", TLPanelState::psRichLabel,
     ToolGlyph::RichText},
    {"DrawSuperTextButton", "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps",
     TLPanelState::psSuperText, ToolGlyph::SuperText},
    {"DrawCircleTextbutton", "CircleText Tool \rCircular or semi-circular text using any font",
     TLPanelState::psCircleText, ToolGlyph::CircleText},
};

const QString WebsiteAddress = QStringLiteral("https://pellora.example.org/");
const QString BonusArtworkAddress = QStringLiteral("https://pellora.example.org/artwork/");

// The thin strips between the bars and the scroll box: a soft shade of the window colour.
class GraphicPanel : public QWidget
{
public:
    explicit GraphicPanel(bool shadeDown, QWidget *parent = nullptr)
        : QWidget(parent)
        , m_shadeDown(shadeDown)
    {
        setFixedHeight(9);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor window = palette().color(QPalette::Window);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(m_shadeDown ? 0 : 1, window);
        shade.setColorAt(m_shadeDown ? 1 : 0, window.darker(112));
        painter.fillRect(rect(), shade);
        painter.setPen(window.darker(135));
        const int edge = m_shadeDown ? height() - 1 : 0;
        painter.drawLine(0, edge, width(), edge);
    }

private:
    bool m_shadeDown;
};

QString hintText(const char *hint)
{
    return messageBoxText(QString::fromLatin1(hint));
}

// Speed buttons offer the "What's this?" menu on a right click.
void offerWhatsThisMenu(QWidget *control)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control, [control](QPoint point) {
        QMenu menu;
        QAction *item = menu.addAction(QStringLiteral("What's this?"));
        if (menu.exec(control->mapToGlobal(point)) == item)
            QWhatsThis::showText(control->mapToGlobal(QPoint(0, control->height())), control->whatsThis(),
                                 control);
    });
}
} // namespace

TPQMainScreen::Commands &TPQMainScreen::pluggedCommands()
{
    static Commands commands{
        .printerFineTuning = [](TPQMainScreen &window) { window.mnuPrinterFineTuningClick(); },
    };
    return commands;
}

TPQMainScreen::TPQMainScreen(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("PQMainScreen"));
    setWindowIcon(QApplication::windowIcon());
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *toolBar = new QFrame(client);
    toolBar->setObjectName(QStringLiteral("Panel2"));
    toolBar->setFixedHeight(38);
    buildToolBar(toolBar);
    column->addWidget(toolBar);
    column->addWidget(new GraphicPanel(true, client));

    m_scrollBox = new QScrollArea(client);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(true);
    m_scrollBox->setBackgroundRole(QPalette::Base);
    QPalette white = m_scrollBox->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    m_scrollBox->setPalette(white);
    auto *surround = new QWidget;
    surround->setPalette(white);
    surround->setAutoFillBackground(true);
    m_labelPanel = new TGPelloraPanel32(ProgramFiles::writableFolder(), surround);
    m_labelPanel->setObjectName(QStringLiteral("LabelPanel"));
    m_labelPanel->move(21, 20);
    m_labelPanel->setDrawOutline(true);
    m_labelPanel->setWhatsThis(MainScreenHelpTexts::whatsThis(m_labelPanel->objectName()));
    m_labelPanel->installEventFilter(this);
    m_scrollBox->setWidget(surround);
    column->addWidget(m_scrollBox, 1);

    column->addWidget(new GraphicPanel(false, client));
    auto *buttonBar = new QFrame(client);
    buttonBar->setObjectName(QStringLiteral("Panel1"));
    buttonBar->setFixedHeight(51);
    buildButtonBar(buttonBar);
    column->addWidget(buttonBar);
    toolBar->installEventFilter(this);
    buttonBar->installEventFilter(this);
    setCentralWidget(client);

    buildMenus();
    buildKeys();
    qApp->installEventFilter(this);

    connect(m_labelPanel, &TGBasePanel::objectDropped, this, &TPQMainScreen::droppedObjectEvent);
    connect(m_labelPanel, &TGBasePanel::commandFailed, this,
            [](const QString &message) { ShowInfo(message); });

    // FormCreate
    LoadPreferences();
    m_currentShapeCode.clear();
    SetDefaultFontCaption();
    LoadDefaultTemplateValues();
    {
        const IniFile ini(IniFileName());
        m_recentFiles.load(ini);
    }
    rebuildRecentFilesMenu();
    SetChangesMade(false);
    SetButtons();
    resize(602, 410 + menuBar()->sizeHint().height());
}

TPQMainScreen::~TPQMainScreen()
{
    qApp->removeEventFilter(this);
}

void TPQMainScreen::buildToolBar(QWidget *bar)
{
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(1);
    m_tools = new QButtonGroup(this);
    m_tools->setExclusive(true);
    auto makeButton = [bar, row](const QString &name, const QString &hint, ToolGlyph glyph) {
        auto *button = new QToolButton(bar);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setWhatsThis(MainScreenHelpTexts::whatsThis(name));
        button->setIcon(toolGlyph(glyph));
        button->setIconSize(QSize(24, 24));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(28, 28);
        offerWhatsThisMenu(button);
        row->addWidget(button);
        return button;
    };
    for (const ToolButtonEntry &tool : ToolButtons) {
        QToolButton *button = makeButton(QString::fromLatin1(tool.name), hintText(tool.hint), tool.glyph);
        m_tools->addButton(button, int(tool.state));
        if (tool.state == TLPanelState::psPointing || tool.state == TLPanelState::psLine ||
            tool.state == TLPanelState::psImage)
            row->addSpacing(6);
    }
    toolButton(TLPanelState::psPointing)->setChecked(true);
    connect(m_tools, &QButtonGroup::idClicked, this, [this](int id) { selectTool(TLPanelState(id)); });

    row->addSpacing(10);
    m_showGrid = makeButton(QStringLiteral("ShowGrid"), QStringLiteral("Show grid toggle"), ToolGlyph::Grid);
    m_snapToGrid =
        makeButton(QStringLiteral("SnapToGrid"), QStringLiteral("Snap to Grid toggle"), ToolGlyph::Snap);
    m_showArt = makeButton(QStringLiteral("ShowArt"), QStringLiteral("Show art toggle"), ToolGlyph::Art);
    connect(m_showGrid, &QToolButton::toggled, this, [this](bool down) { m_labelPanel->setShowGrid(down); });
    connect(m_snapToGrid, &QToolButton::toggled, this,
            [this](bool down) { m_labelPanel->setSnapToGrid(down); });
    connect(m_showArt, &QToolButton::toggled, this, [this] { DoDrawArt(); });
    row->addStretch(1);

    const QString zoomHint =
        hintText("Press plus (+) or minus (-) to \rincrease or decrease the zoom percentage");
    m_zoomCaption = new QLabel(QStringLiteral("100%"), bar);
    m_zoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    QFont zoomFont(QStringLiteral("Arial"));
    zoomFont.setPixelSize(13);
    m_zoomCaption->setFont(zoomFont);
    QPalette navy = m_zoomCaption->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_zoomCaption->setPalette(navy);
    m_zoomCaption->setMinimumWidth(36);
    m_zoomCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_zoomCaption->setToolTip(zoomHint);
    m_zoomCaption->setWhatsThis(MainScreenHelpTexts::whatsThis(QStringLiteral("ZoomSpinner")));
    row->addWidget(m_zoomCaption);

    auto *spinner = new QWidget(bar);
    spinner->setObjectName(QStringLiteral("ZoomSpinner"));
    spinner->setToolTip(zoomHint);
    spinner->setWhatsThis(MainScreenHelpTexts::whatsThis(QStringLiteral("ZoomSpinner")));
    auto *arrows = new QVBoxLayout(spinner);
    arrows->setContentsMargins(2, 0, 0, 0);
    arrows->setSpacing(0);
    for (const bool up : {true, false}) {
        auto *arrow = new QToolButton(spinner);
        arrow->setObjectName(up ? QStringLiteral("ZoomUp") : QStringLiteral("ZoomDown"));
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(18, 14);
        arrow->setToolTip(zoomHint);
        arrow->setWhatsThis(spinner->whatsThis());
        offerWhatsThisMenu(arrow);
        connect(arrow, &QToolButton::clicked, this, up ? &TPQMainScreen::ZoomIn : &TPQMainScreen::ZoomOut);
        arrows->addWidget(arrow);
    }
    row->addWidget(spinner);
}

void TPQMainScreen::buildButtonBar(QWidget *bar)
{
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(4);
    auto makeButton = [this, bar](const QString &name, const QString &caption, const QString &hint,
                                  void (TPQMainScreen::*action)()) {
        auto *button = new QPushButton(caption, bar);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setWhatsThis(MainScreenHelpTexts::whatsThis(name));
        button->setMinimumSize(76, 28);
        button->setAutoDefault(false);
        if (action)
            connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    m_printNow = makeButton(QStringLiteral("PrintNow"), QStringLiteral("&Print/Preview"), {}, nullptr);
    connect(m_printNow, &QPushButton::clicked, this,
            [this] { runPlugged(pluggedCommands().printOrPreview, QStringLiteral("Printing")); });
    auto *assist = makeButton(QStringLiteral("Assistbutton"), QStringLiteral("Quick tips"),
                              QStringLiteral("Show the Quick Tips Assistant"), nullptr);
    connect(assist, &QPushButton::clicked, this,
            [this] { runPlugged(pluggedCommands().quickTips, QStringLiteral("The Quick Tips Assistant")); });
    row->addWidget(m_printNow);
    row->addWidget(assist);
    row->addStretch(1);
    m_saveButton = makeButton(QStringLiteral("SaveButton"), QStringLiteral("&Save As"),
                              QStringLiteral("Click to save changes"), &TPQMainScreen::SaveButtonClick);
    m_saveButton->setDefault(true);
    m_cancelButton = makeButton(QStringLiteral("CancelButton"), QStringLiteral("&Cancel"),
                                QStringLiteral("Click to cancel changes"), &TPQMainScreen::CancelButtonClick);
    row->addWidget(m_saveButton);
    row->addWidget(m_cancelButton);
    row->addSpacing(8);
    auto *help = makeButton(QStringLiteral("Helpbutton"), QStringLiteral("Help"),
                            QStringLiteral("Click for Windows help"), nullptr);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(1073); });
    row->addWidget(help);
    auto *mouseHelp = new QToolButton(bar);
    mouseHelp->setObjectName(QStringLiteral("MouseHelpButton"));
    mouseHelp->setToolTip(QStringLiteral("Click for mouse help on individual items"));
    mouseHelp->setWhatsThis(MainScreenHelpTexts::whatsThis(mouseHelp->objectName()));
    mouseHelp->setIcon(toolGlyph(ToolGlyph::MouseHelp));
    mouseHelp->setIconSize(QSize(24, 24));
    mouseHelp->setFixedSize(32, 28);
    connect(mouseHelp, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    row->addWidget(mouseHelp);
    row->addSpacing(8);
    m_closeButton = makeButton(QStringLiteral("CloseButton"), QStringLiteral("E&xit"),
                               QStringLiteral("Click to exit"), &TPQMainScreen::ExitClick);
    row->addWidget(m_closeButton);
}

void TPQMainScreen::buildMenus()
{
    auto item = [this](QMenu *menu, const QString &name, const QString &caption, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto plugged = [this](Command Commands::*command, const QString &what) {
        return [this, command, what] { runPlugged(pluggedCommands().*command, what); };
    };

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu *newMenu = m_fileMenu->addMenu(QStringLiteral("&New"));
    newMenu->menuAction()->setObjectName(QStringLiteral("mnuNew"));
    item(newMenu, QStringLiteral("mnuNewFromTemplate"), QStringLiteral("From Template"),
         [this] { GetLayoutFromTemplate(true); });
    item(newMenu, QStringLiteral("mnuNewUserDefined"), QStringLiteral("User Defined Layout"),
         [this] { GetUserDefinedLayout(true); });
    item(m_fileMenu, QStringLiteral("mnuOpen"), QStringLiteral("&Open"), &TPQMainScreen::mnuOpenClick);
    item(m_fileMenu, QStringLiteral("mnuDelete"), QStringLiteral("&Delete"), &TPQMainScreen::mnuDeleteClick);
    m_fileMenu->addSeparator();
    m_saveItem =
        item(m_fileMenu, QStringLiteral("mnuSave"), QStringLiteral("Save"), &TPQMainScreen::mnuSaveClick);
    m_saveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    item(m_fileMenu, QStringLiteral("mnuSaveAs"), QStringLiteral("Save &As..."),
         &TPQMainScreen::mnuSaveAsClick);
    m_fileMenu->addSeparator();
    m_printItems = {
        item(m_fileMenu, QStringLiteral("mnuPrint"), QStringLiteral("&Print or Preview"),
             plugged(&Commands::printOrPreview, QStringLiteral("Printing"))),
        item(m_fileMenu, QStringLiteral("mnuPrinterFineTuning"), QStringLiteral("Printer Fine &Tuning"),
             plugged(&Commands::printerFineTuning, QStringLiteral("Printer fine tuning"))),
        item(m_fileMenu, QStringLiteral("mnuPrinterSetup"), QStringLiteral("Printer &Setup"),
             plugged(&Commands::printerSetup, QStringLiteral("Printer setup"))),
    };
    m_fileMenu->addSeparator();
    item(m_fileMenu, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), &TPQMainScreen::ExitClick);
    m_recentSeparator = m_fileMenu->addSeparator();

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_defaultFontItem = item(editMenu, QStringLiteral("mnuDefaultFont"), QStringLiteral("&Default Font - "),
                             &TPQMainScreen::mnuDefaultFontClick);
    m_changeLayoutMenu = editMenu->addMenu(QStringLiteral("Change Label Layout"));
    m_changeLayoutMenu->menuAction()->setObjectName(QStringLiteral("mnuChangeLayout"));
    item(m_changeLayoutMenu, QStringLiteral("mnuChangeFromTemplate"), QStringLiteral("From Template"),
         [this] { GetLayoutFromTemplate(false); });
    item(m_changeLayoutMenu, QStringLiteral("mnuChangeUserDefined"), QStringLiteral("User Defined Layout"),
         [this] { GetUserDefinedLayout(false); });

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    item(helpMenu, QStringLiteral("mnuContents"), QStringLiteral("&Contents"), [] { ShowHelpContents(); });
    item(helpMenu, QStringLiteral("mnuAbout"), QStringLiteral("&About"), &TPQMainScreen::mnuAboutClick);
    item(helpMenu, QStringLiteral("mnuFAQ"), QStringLiteral("Frequently Asked Questions"),
         [] { ShowHelpTopic(911); });
    helpMenu->addSeparator();
    m_showHintsItem = item(helpMenu, QStringLiteral("mnuShowHints"), QStringLiteral("Show Hints"),
                           &TPQMainScreen::mnuShowHintsClick);
    m_showHintsItem->setCheckable(true);
    m_showHintsItem->setChecked(true);
    item(helpMenu, QStringLiteral("mnuConfigurationInformation"), QStringLiteral("Configuration Information"),
         plugged(&Commands::configurationInformation, QStringLiteral("The configuration information")));
    item(helpMenu, QStringLiteral("mnuTechnicalSupport"), QStringLiteral("Technical Support"),
         [] { ShowHelpTopic(1015); });
    helpMenu->addSeparator();
    item(helpMenu, QStringLiteral("mnuVisitWebsite"), QStringLiteral("Visit Our Internet Website"),
         [] { QDesktopServices::openUrl(QUrl(WebsiteAddress)); });
    m_bonusArtworkItem =
        item(helpMenu, QStringLiteral("mnuBonusArtwork"), QStringLiteral("Visit the Bonus Artwork Web Page"),
             [] { QDesktopServices::openUrl(QUrl(BonusArtworkAddress)); });
}

void TPQMainScreen::buildKeys()
{
    auto key = [this](const QKeySequence &sequence, auto handler) {
        auto *shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::Key_PageUp), [this] { scrollBy(-1); });
    key(QKeySequence(Qt::Key_PageDown), [this] { scrollBy(1); });
    key(QKeySequence(Qt::Key_Home),
        [this] { m_scrollBox->verticalScrollBar()->setValue(m_scrollBox->verticalScrollBar()->minimum()); });
    key(QKeySequence(Qt::Key_End),
        [this] { m_scrollBox->verticalScrollBar()->setValue(m_scrollBox->verticalScrollBar()->maximum()); });
    // The window is the default button's and the cancel button's dialog.
    for (const int enter : {Qt::Key_Return, Qt::Key_Enter})
        key(QKeySequence(enter), [this] {
            if (m_saveButton->isVisible())
                m_saveButton->click();
        });
    key(QKeySequence(Qt::Key_Escape), [this] {
        if (m_cancelButton->isVisible())
            m_cancelButton->click();
    });
}

void TPQMainScreen::scrollBy(int lines)
{
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    bar->setValue(bar->value() + lines * bar->singleStep());
}

bool TPQMainScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        return !m_showHintsItem->isChecked();
    case QEvent::Enter:
        if (watched->objectName() == QLatin1String("Panel1") ||
            watched->objectName() == QLatin1String("Panel2"))
            m_labelPanel->setScreenCursor(Cursors::crDefault);
        break;
    case QEvent::Resize:
        if (watched == m_labelPanel) {
            const QRect label = m_labelPanel->geometry();
            m_scrollBox->widget()->setMinimumSize(label.right() + 21, label.bottom() + 21);
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // The window sees keys before the control with the focus: the panel's clipboard keys
        // work wherever the focus is, and the keypad's plus and minus zoom on release. A key that
        // the receiver ignores comes by again for each parent (and filters may see it twice on
        // one widget); it is handled once.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != this)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        const KeySignature signature{event, int(event->type()), key->key(), int(key->modifiers()),
                                     key->timestamp()};
        if (signature == m_lastKey && m_lastKeyReceiver && widget->isAncestorOf(m_lastKeyReceiver))
            break;
        m_lastKey = signature;
        m_lastKeyReceiver = widget;
        if (event->type() == QEvent::KeyRelease) {
            if (key->modifiers() & Qt::KeypadModifier) {
                if (key->key() == Qt::Key_Plus)
                    ZoomIn();
                else if (key->key() == Qt::Key_Minus)
                    ZoomOut();
            }
        } else if (widget != m_labelPanel && widget != &m_labelPanel->selectionFrame() &&
                   m_labelPanel->panelKeyDown(key->key(), key->modifiers())) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

QAbstractButton *TPQMainScreen::toolButton(TLPanelState state) const
{
    return m_tools->button(int(state));
}

QAction *TPQMainScreen::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void TPQMainScreen::selectTool(TLPanelState state)
{
    m_labelPanel->setPanelState(state);
    toolButton(state)->setChecked(true);
}

void TPQMainScreen::droppedObjectEvent()
{
    selectTool(TLPanelState::psPointing);
}

void TPQMainScreen::rebuildRecentFilesMenu()
{
    for (QAction *entry : std::as_const(m_recentItems))
        m_fileMenu->removeAction(entry);
    qDeleteAll(m_recentItems);
    m_recentItems.clear();
    const QStringList captions = m_recentFiles.menuCaptions();
    const QStringList paths = m_recentFiles.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        auto *entry = new QAction(captions[i], m_fileMenu);
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        const QString path = paths[i];
        connect(entry, &QAction::triggered, this, [this, path] { recentFileClick(path); });
        m_fileMenu->addAction(entry);
        m_recentItems.append(entry);
    }
    m_recentSeparator->setVisible(!paths.isEmpty());
}

void TPQMainScreen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_activated)
        QMetaObject::invokeMethod(this, &TPQMainScreen::FormActivate, Qt::QueuedConnection);
}

void TPQMainScreen::closeEvent(QCloseEvent *event)
{
    // The close box asks about unsaved changes like Exit does, so that closing never loses work.
    if (!m_closeChecked && !CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    m_closeChecked = false;
    SavePreferences();
    IniFile ini(IniFileName());
    SaveWindowPlacement(*this, ini);
    ini.save();
    event->accept();
}
