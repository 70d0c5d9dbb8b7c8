// The main window's commands: the document's file commands, layout, zoom, art and default font.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/FileDialogs.h"
#include "app/MainScreenRules.h"
#include "app/MessageBoxes.h"
#include "app/Preferences.h"
#include "app/Printers.h"
#include "app/ProgramFiles.h"
#include "app/StockArt.h"
#include "app/TPQMainScreen.h"
#include "app/WindowPlacement.h"
#include "design/TGHandle.h"
#include "document/StreamError.h"
#include "document/TGLabelObjectFiler.h"
#include "layout/TemplateDatabase.h"
#include "layout/TSelectTemplate.h"
#include "layout/TUserEditLabelLayout.h"
#include "platform/FontDialog.h"
#include "platform/IniFile.h"
#include "platform/Screen.h"
#include "print/TPrintFineTune.h"

namespace {
const QString DocumentFilter = QStringLiteral("PQ (Pellora) files (*.pq *.PQ *.Pq *.pQ)");

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}
} // namespace

void TPQMainScreen::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    {
        const IniFile ini(IniFileName());
        LoadWindowPlacement(*this, ini);
    }
    QApplication::processEvents();
    m_labelPanel->hide();
    SetChangesMade(false);
    connect(m_labelPanel, &TGBasePanel::labelChanged, this, &TPQMainScreen::labelChangedEvent,
            Qt::UniqueConnection);
    m_saveButton->hide();
    if (!m_recentFiles.isEmpty() && QFileInfo::exists(m_recentFiles.paths().constFirst()))
        OpenLabelFile(m_recentFiles.paths().constFirst());
    SetLabelSizeFromInches(m_layout.LabelShape, m_layout.LabelWidth, m_layout.LabelHeight);
    SetTemplateCaption();
    SetArtButton();
    m_showArt->setChecked(m_showArt->isEnabled());
    DoDrawArt();
    SetChangesMade(false);
    m_labelPanel->show();
    m_labelPanel->setFocus();
    QApplication::processEvents();
    m_printerReady = PrinterAvailable(false);
    SetChangesMade(false);
    SetButtons();
    m_suspended = false;
}

void TPQMainScreen::labelChangedEvent()
{
    if (!m_suspended)
        SetChangesMade(true);
}

void TPQMainScreen::SetChangesMade(bool value)
{
    m_changesMade = value;
    m_cancelButton->setVisible(value);
    m_saveButton->setText(m_currentFileName.isEmpty() ? QStringLiteral("&Save As") : QStringLiteral("&Save"));
    m_saveItem->setEnabled(!m_currentFileName.isEmpty());
    m_saveButton->setVisible(value);
}

void TPQMainScreen::SetButtons()
{
    m_saveItem->setEnabled(!m_currentFileName.isEmpty());
    setWindowTitle(MainScreenRules::windowCaption(m_currentFileName));
    m_closeButton->setVisible(true);
    m_bonusArtworkItem->setVisible(true);
    for (QAction *item : std::as_const(m_printItems))
        item->setEnabled(m_printerReady);
    m_printNow->setEnabled(m_printerReady);
}

void TPQMainScreen::SetTemplateCaption()
{
    m_changeLayoutMenu->setTitle(MainScreenRules::templateCaption(m_layout.TemplateName));
}

void TPQMainScreen::zoomPanel(float scale)
{
    m_labelPanel->SetZoom(scale);
}

void TPQMainScreen::SetLabelSizeFromInches(const QString &shapeCode, double width, double height)
{
    const float remembered = m_labelPanel->scale();
    if (remembered != 1.0f)
        zoomPanel(1.0f);
    const int ppi = Screen::pixelsPerInch();
    const int h = int(std::lround(ppi * height));
    const int w = int(std::lround(ppi * width));
    if (h != m_labelPanel->height() || w != m_labelPanel->width() || shapeCode != m_currentShapeCode) {
        if (shapeCode == QLatin1String("RR"))
            m_labelPanel->setShape(TLabelShapeType::lsRoundRect);
        else if (shapeCode == QLatin1String("SR"))
            m_labelPanel->setShape(TLabelShapeType::lsRectangle);
        else if (shapeCode == QLatin1String("EL"))
            m_labelPanel->setShape(TLabelShapeType::lsEllipse);
        m_labelPanel->resize(w, h);
        m_labelPanel->raiseChanged();
    }
    m_currentShapeCode = shapeCode;
    if (remembered != 1.0f)
        zoomPanel(remembered);
    m_labelPanel->update();
}

void TPQMainScreen::LoadDefaultTemplateValues()
{
    m_layout = TLabelLayout::defaultLayout().documentPrecision();
}

void TPQMainScreen::SetArtButton()
{
    m_showArt->setEnabled(!m_layout.ArtName.isEmpty());
}

void TPQMainScreen::DoDrawArt()
{
    if (m_showArt->isChecked() && !m_layout.ArtName.isEmpty())
        m_labelPanel->setPicture(StockArt::load(m_layout.ArtName));
    else
        m_labelPanel->setPicture(QImage());
    m_labelPanel->update();
}

void TPQMainScreen::SetDefaultFontCaption()
{
    m_defaultFontItem->setText(MainScreenRules::defaultFontCaption(programPreferences().DefaultFont));
}

void TPQMainScreen::LoadPreferences()
{
    const IniFile ini(IniFileName());
    Preferences &preferences = programPreferences();
    preferences.load(ini);
    Font font = m_labelPanel->panelFont();
    font.setName(preferences.DefaultFont.Name);
    font.setSize(preferences.DefaultFont.Size);
    font.setStyleMember(FontStyle::fsBold, preferences.DefaultFont.Bold);
    font.setStyleMember(FontStyle::fsItalic, preferences.DefaultFont.Italic);
    font.setStyleMember(FontStyle::fsUnderline, preferences.DefaultFont.Underline);
    m_labelPanel->setPanelFont(font);
    m_showHintsItem->setChecked(preferences.ShowHints);
}

void TPQMainScreen::SavePreferences()
{
    Preferences &preferences = programPreferences();
    const Font &font = m_labelPanel->panelFont();
    preferences.DefaultFont.Name = font.name();
    preferences.DefaultFont.Size = font.size();
    preferences.DefaultFont.Bold = font.hasStyle(FontStyle::fsBold);
    preferences.DefaultFont.Italic = font.hasStyle(FontStyle::fsItalic);
    preferences.DefaultFont.Underline = font.hasStyle(FontStyle::fsUnderline);
    preferences.ShowHints = m_showHintsItem->isChecked();
    IniFile ini(IniFileName());
    preferences.save(ini);
    ini.save();
}

void TPQMainScreen::addRecentFile(const QString &path)
{
    m_recentFiles.add(path);
    IniFile ini(IniFileName());
    m_recentFiles.save(ini);
    ini.save();
    rebuildRecentFilesMenu();
}

bool TPQMainScreen::OpenLabelFile(const QString &path)
{
    m_suspended = true;
    m_labelPanel->ClearObjects();
    const float remembered = m_labelPanel->scale();
    if (remembered != 1.0f)
        zoomPanel(1.0f);
    m_labelPanel->selectionFrame().move(m_labelPanel->width() + 1, 0);

    bool opened = QFileInfo(path).isFile() && QFileInfo(path).isReadable();
    bool complete = opened;
    if (opened) {
        try {
            TLabelLayout layout = m_layout;
            TGLabelObjectFiler().LoadDocument(*m_labelPanel, layout, path);
            m_layout = layout.documentPrecision();
            SetLabelSizeFromInches(m_layout.LabelShape, m_layout.LabelWidth, m_layout.LabelHeight);
        } catch (...) {
            // What was read before the damage stays on the panel so that it can be saved elsewhere.
            complete = false;
        }
        m_labelPanel->hookObjectEvents();
    }
    if (!opened)
        m_labelPanel->ClearObjects();
    if (complete) {
        m_currentFileName = path;
        addRecentFile(path);
    } else {
        if (!opened)
            LoadDefaultTemplateValues();
        // An untitled document cannot be saved over the file it came from by mistake.
        m_currentFileName.clear();
        ShowInfo(QStringLiteral("Unable to open ") + path +
                 QStringLiteral(". Possibly corrupted, posibly not a Pellora file"));
    }
    SetChangesMade(opened && !complete && m_labelPanel->objectCount() > 0);
    QApplication::processEvents();
    m_suspended = false;
    SetButtons();
    if (remembered != 1.0f)
        zoomPanel(remembered);
    SetLabelSizeFromInches(m_layout.LabelShape, m_layout.LabelWidth, m_layout.LabelHeight);
    m_labelPanel->update();
    SetTemplateCaption();
    SetArtButton();
    m_showArt->setChecked(m_showArt->isEnabled());
    DoDrawArt();
    return complete;
}

bool TPQMainScreen::SaveLabelFile(const QString &path)
{
    const float remembered = m_labelPanel->scale();
    const bool wasSuspended = m_suspended;
    m_suspended = true;
    if (remembered != 1.0f)
        zoomPanel(1.0f);
    m_labelPanel->RemoveOutsideObjects();
    TLabelLayout record = m_layout;
    record.cutToFieldWidths();
    bool saved = true;
    QString reason;
    try {
        TGLabelObjectFiler().SaveDocument(*m_labelPanel, path, record);
    } catch (const StreamError &error) {
        saved = false;
        reason = error.message();
    }
    if (remembered != 1.0f)
        zoomPanel(remembered);
    QApplication::processEvents();
    m_suspended = wasSuspended;
    if (!saved)
        ShowInfo(QStringLiteral("Unable to save ") + path + QStringLiteral("\r\n") + reason);
    return saved;
}

bool TPQMainScreen::CheckSaveNeeded()
{
    if (!m_changesMade || !Confirm(QStringLiteral("Save changes?"), QStringLiteral("Save")))
        return true;
    if (m_currentFileName.isEmpty()) {
        mnuSaveAsClick();
        return !m_changesMade;
    }
    if (!SaveLabelFile(m_currentFileName))
        return false;
    SetChangesMade(false);
    return true;
}

void TPQMainScreen::mnuSaveClick()
{
    m_labelPanel->RemoveOutsideObjects();
    if (m_currentFileName.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (SaveLabelFile(m_currentFileName))
        SetChangesMade(false);
}

void TPQMainScreen::mnuSaveAsClick()
{
    m_labelPanel->RemoveOutsideObjects();
    Preferences &preferences = programPreferences();
    FileDialogRequest request;
    request.mode = FileDialogRequest::Save;
    request.title = QStringLiteral("Save As");
    request.folder = preferences.FileSaveLastPath;
    request.filter = DocumentFilter;
    request.defaultSuffix = QStringLiteral("PQ");
    // The numbered proposal counts the files of the documents' home folder, not the dialog's.
    request.fileName = m_currentFileName.isEmpty()
                           ? MainScreenRules::proposedSaveName(ProgramFiles::documentFolder())
                           : QFileInfo(m_currentFileName).fileName();
    std::optional<QString> chosen = FileDialogs::choose(request);
    if (chosen && QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QStringLiteral(".PQ");
    if (chosen && QFileInfo::exists(*chosen) && QFileInfo(*chosen) != QFileInfo(m_currentFileName) &&
        !Confirm(*chosen + QStringLiteral(" already exists.\r\nDo you want to replace it?"),
                 QStringLiteral("Save As")))
        chosen.reset();
    if (chosen) {
        preferences.FileSaveLastPath = folderOf(*chosen);
        if (SaveLabelFile(*chosen)) {
            m_currentFileName = *chosen;
            SetChangesMade(false);
            addRecentFile(*chosen);
        }
    }
    SetButtons();
}

void TPQMainScreen::SaveButtonClick()
{
    if (m_currentFileName.isEmpty())
        mnuSaveAsClick();
    else
        mnuSaveClick();
}

std::optional<QString> TPQMainScreen::chooseDocument(const QString &title, const QString &folder)
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Open;
    request.title = title;
    request.folder = folder;
    request.filter = DocumentFilter;
    return FileDialogs::choose(request);
}

void TPQMainScreen::mnuOpenClick()
{
    if (!CheckSaveNeeded())
        return;
    Preferences &preferences = programPreferences();
    const std::optional<QString> chosen =
        chooseDocument(QStringLiteral("Open Label File"), preferences.FileOpenLastPath);
    if (!chosen)
        return;
    preferences.FileOpenLastPath = folderOf(*chosen);
    if (!MainScreenRules::isDocumentPath(*chosen))
        ShowInfo(QStringLiteral("Must be a PQ (Pellora) file"));
    else
        OpenLabelFile(*chosen);
}

void TPQMainScreen::recentFileClick(const QString &path)
{
    m_recentFiles.remove(path);
    rebuildRecentFilesMenu();
    if (!CheckSaveNeeded())
        return;
    if (QFileInfo::exists(path))
        OpenLabelFile(path);
    else
        ShowInfo(path + QStringLiteral(" no longer exists"));
}

void TPQMainScreen::openDocumentArgument(const QString &path)
{
    if (!CheckSaveNeeded())
        return;
    if (!MainScreenRules::isDocumentPath(path))
        ShowInfo(QStringLiteral("Must be a PQ (Pellora) file"));
    else if (!QFileInfo::exists(path))
        ShowInfo(path + QStringLiteral(" no longer exists"));
    else
        OpenLabelFile(path);
}

void TPQMainScreen::CancelButtonClick()
{
    if (!Confirm(QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    m_labelPanel->ClearObjects();
    if (!m_currentFileName.isEmpty())
        OpenLabelFile(m_currentFileName);
    SetChangesMade(false);
    m_labelPanel->update();
}

void TPQMainScreen::mnuDeleteClick()
{
    const std::optional<QString> chosen =
        chooseDocument(QStringLiteral("Delete Label File"), ProgramFiles::documentFolder());
    if (!chosen)
        return;
    if (!MainScreenRules::isDocumentPath(*chosen)) {
        ShowInfo(QStringLiteral("Must be a PQ (Pellora) file"));
        return;
    }
    if (Confirm(QStringLiteral("Delete ") + *chosen + QLatin1Char('?'), QStringLiteral("CONFIRM")) &&
        !QFile::remove(*chosen))
        ShowInfo(QStringLiteral("Unable to delete ") + *chosen);
}

void TPQMainScreen::ExitClick()
{
    if (!CheckSaveNeeded())
        return;
    m_closeChecked = true;
    if (!close())
        m_closeChecked = false;
}

void TPQMainScreen::setZoomTo(float scale)
{
    m_suspended = true;
    m_labelPanel->selectionFrame().ClearSelection();
    zoomPanel(scale);
    m_zoomCaption->setText(MainScreenRules::zoomCaption(m_labelPanel->scale()));
    QApplication::processEvents();
    m_suspended = false;
}

void TPQMainScreen::ZoomIn()
{
    if (const std::optional<float> scale = MainScreenRules::zoomedIn(m_labelPanel->scale()))
        setZoomTo(*scale);
}

void TPQMainScreen::ZoomOut()
{
    if (const std::optional<float> scale = MainScreenRules::zoomedOut(m_labelPanel->scale()))
        setZoomTo(*scale);
}

void TPQMainScreen::mnuDefaultFontClick()
{
    if (const std::optional<Font> chosen = FontDialog::choose(m_labelPanel->panelFont()))
        m_labelPanel->setPanelFont(*chosen);
    SavePreferences();
    SetDefaultFontCaption();
    ShowInfo(QStringLiteral("Note: the default font is used for NEW objects only.\rTo change the font of an "
                            "existing object, click it\rwith the RIGHT MOUSE BUTTON and select FONT"));
}

void TPQMainScreen::mnuShowHintsClick()
{
    SavePreferences();
}

void TPQMainScreen::mnuAboutClick()
{
    AboutBox about(this);
    CenterForm(about);
    about.exec();
}

void TPQMainScreen::mnuPrinterFineTuningClick()
{
    Preferences &preferences = programPreferences();
    TPrintFineTune dialog(preferences.Nudges, this);
    CenterForm(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    preferences.Nudges = dialog.nudges();
    SavePreferences();
}

void TPQMainScreen::applyLayout(const TLabelLayout &layout, bool isNew)
{
    const bool artWasShown = m_showArt->isChecked();
    if (isNew) {
        m_labelPanel->ClearObjects();
        m_currentFileName.clear();
    }
    m_layout = layout.documentPrecision();
    SetLabelSizeFromInches(m_layout.LabelShape, m_layout.LabelWidth, m_layout.LabelHeight);
    if (!isNew)
        m_labelPanel->KeepObjectsInside();
    SetTemplateCaption();
    SetArtButton();
    m_showArt->setChecked(artWasShown && m_showArt->isEnabled());
    DoDrawArt();
    SetChangesMade(true);
    SetButtons();
}

void TPQMainScreen::runPlugged(const Command &command, const QString &what)
{
    if (command)
        command(*this);
    else
        ShowInfo(what + QStringLiteral(" is not available in this version."));
}

TPQMainScreen::LayoutDialogs &TPQMainScreen::layoutDialogs()
{
    static LayoutDialogs dialogs{
        [](QWidget *parent, const TLabelLayout &current, bool isNew) {
            return TSelectTemplate::choose(parent, current, isNew,
                                           ProgramFiles::findDataFile(TemplateDatabase::fileName()));
        },
        [](QWidget *parent, const TLabelLayout &current, bool &useMillimetres) {
            return TUserEditLabelLayout::edit(parent, current, useMillimetres);
        },
    };
    return dialogs;
}

// A new document asks about unsaved changes first, so that choosing a stock never discards work.
void TPQMainScreen::GetLayoutFromTemplate(bool isNew)
{
    if (isNew && !CheckSaveNeeded())
        return;
    if (const std::optional<TLabelLayout> chosen = layoutDialogs().chooseTemplate(this, m_layout, isNew))
        applyLayout(*chosen, isNew);
}

void TPQMainScreen::GetUserDefinedLayout(bool isNew)
{
    if (isNew && !CheckSaveNeeded())
        return;
    LoadPreferences();
    bool useMillimetres = programPreferences().UseMM;
    const std::optional<TLabelLayout> edited = layoutDialogs().editUserLayout(this, m_layout, useMillimetres);
    programPreferences().UseMM = useMillimetres;
    SavePreferences();
    if (edited)
        applyLayout(*edited, isNew);
}
