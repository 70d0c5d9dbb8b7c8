#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "app/RecentFiles.h"
#include "design/TGPelloraPanel32.h"
#include "layout/TLabelLayout.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;

// The program's one window: the design panel in a scroll box, the tool bar, the button bar and the
// menus. It owns the open document (the panel's objects, the label stock, the file name and
// whether it has unsaved changes) and carries out the file, layout, zoom, art and font commands.
//
// The widgets are built in TPQMainScreen.cpp, the commands live in TPQMainScreenCommands.cpp.
class TPQMainScreen : public QMainWindow
{
    Q_OBJECT
public:
    explicit TPQMainScreen(QWidget *parent = nullptr);
    ~TPQMainScreen() override;

    // The layout dialogs, replaceable so that tests can answer them. Nothing means cancelled.
    struct LayoutDialogs
    {
        std::function<std::optional<TLabelLayout>(QWidget *parent, const TLabelLayout &current, bool isNew)>
            chooseTemplate;
        // useMillimetres goes in as the preference and comes back as the user left it.
        std::function<std::optional<TLabelLayout>(QWidget *parent, const TLabelLayout &current,
                                                  bool &useMillimetres)>
            editUserLayout;
    };
    // The template chooser and the layout editor unless replaced.
    static LayoutDialogs &layoutDialogs();

    // Commands the dialogs of other parts of the program plug into. Each gets the window; until
    // one is plugged in its menu items say that the command is not available.
    using Command = std::function<void(TPQMainScreen &)>;
    struct Commands
    {
        Command printOrPreview; // print preparation
        Command printerFineTuning;
        Command printerSetup;
        Command configurationInformation;
        Command quickTips;
    };
    static Commands &pluggedCommands();

    // The open document.
    TGPelloraPanel32 &LabelPanel() const { return *m_labelPanel; }
    const QString &CurrentFileName() const { return m_currentFileName; }
    bool ChangesMade() const { return m_changesMade; }
    bool Suspended() const { return m_suspended; }
    bool PrinterReady() const { return m_printerReady; }
    const TLabelLayout &labelLayout() const { return m_layout; }
    const RecentFiles &recentFiles() const { return m_recentFiles; }

    // Start-up work of the first activation; later activations do nothing.
    void FormActivate();

    bool OpenLabelFile(const QString &path);
    // Writes the document at zoom 1.0. On failure the user is told why and false returned.
    bool SaveLabelFile(const QString &path);
    // Offers to save unsaved changes. False when the user chose to save and the save did not
    // happen, so that the command asking must not go on and lose the changes.
    bool CheckSaveNeeded();
    void SetChangesMade(bool value);
    void SetButtons();
    void SetTemplateCaption();
    void SetLabelSizeFromInches(const QString &shapeCode, double width, double height);
    void LoadDefaultTemplateValues();
    void SetArtButton();
    void DoDrawArt();
    void SetDefaultFontCaption();
    void LoadPreferences();
    void SavePreferences();

    // A layout chosen in the template chooser or the layout editor becomes the document's: a new
    // document starts empty and untitled, a changed layout keeps the objects inside the new label.
    void applyLayout(const TLabelLayout &layout, bool isNew);

    void mnuOpenClick();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuDeleteClick();
    void CancelButtonClick();
    void SaveButtonClick();
    void ExitClick();
    void recentFileClick(const QString &path);
    // A document named on the command line or handed over by a second start.
    void openDocumentArgument(const QString &path);
    void mnuDefaultFontClick();
    void mnuShowHintsClick();
    void mnuAboutClick();
    void mnuPrinterFineTuningClick();
    void GetLayoutFromTemplate(bool isNew);
    void GetUserDefinedLayout(bool isNew);
    void ZoomIn();
    void ZoomOut();
    void selectTool(TLPanelState state);

    // Controls by their names, for the help texts and the tests.
    QAbstractButton *toolButton(TLPanelState state) const;
    QToolButton *ShowGridButton() const { return m_showGrid; }
    QToolButton *SnapToGridButton() const { return m_snapToGrid; }
    QToolButton *ShowArtButton() const { return m_showArt; }
    QLabel *ZoomCaption() const { return m_zoomCaption; }
    QPushButton *SaveButton() const { return m_saveButton; }
    QPushButton *CancelButton() const { return m_cancelButton; }
    QScrollArea *ScrollBox1() const { return m_scrollBox; }
    QMenu *fileMenu() const { return m_fileMenu; }
    QAction *action(const QString &objectName) const;
    QAction *ShowHintsItem() const { return m_showHintsItem; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar(QWidget *bar);
    void buildButtonBar(QWidget *bar);
    void buildMenus();
    void buildKeys();
    void rebuildRecentFilesMenu();
    void addRecentFile(const QString &path);
    void setZoomTo(float scale);
    void zoomPanel(float scale);
    void runPlugged(const Command &command, const QString &what);
    void labelChangedEvent();
    void droppedObjectEvent();
    void scrollBy(int lines);
    std::optional<QString> chooseDocument(const QString &title, const QString &folder);
    QString layoutDescription() const;

    TGPelloraPanel32 *m_labelPanel = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QButtonGroup *m_tools = nullptr;
    QToolButton *m_showGrid = nullptr;
    QToolButton *m_snapToGrid = nullptr;
    QToolButton *m_showArt = nullptr;
    QLabel *m_zoomCaption = nullptr;
    QPushButton *m_printNow = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentSeparator = nullptr;
    QList<QAction *> m_recentItems;
    QAction *m_saveItem = nullptr;
    QAction *m_defaultFontItem = nullptr;
    QMenu *m_changeLayoutMenu = nullptr;
    QAction *m_showHintsItem = nullptr;
    QAction *m_bonusArtworkItem = nullptr;
    QList<QAction *> m_printItems;

    TLabelLayout m_layout;
    RecentFiles m_recentFiles;
    QString m_currentFileName;
    QString m_currentShapeCode;
    bool m_changesMade = false;
    bool m_suspended = true;
    bool m_activated = false;
    bool m_printerReady = false;
    bool m_closeChecked = false;
    // The key event last handled, to know it again when it comes by for the receiver's parents.
    struct KeySignature
    {
        const QEvent *event = nullptr;
        int type = 0;
        int key = 0;
        int modifiers = 0;
        quint64 timestamp = 0;
        bool operator==(const KeySignature &) const = default;
    };
    KeySignature m_lastKey;
    QPointer<QWidget> m_lastKeyReceiver;
};
