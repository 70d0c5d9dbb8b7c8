#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

#include "design/DesignSurface.h"
#include "platform/Cursor.h"
#include "platform/Font.h"

class PanelCommands;
class PopupMenu;
class QPainter;
class Report;
class TGHandle;

enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum class TGridSize { gs4x4, gs8x8 };

// The white surface one label is designed on: it owns the label objects in z-order, paints the
// label (outline, background art, dot grid) with the objects and their handles on it, routes the
// mouse over the objects to itself, rubber-band selects, zooms, and reports every change of the
// document through labelChanged(). The selection frame is its child.
//
// The clipboard file "Clipbrd.tmp" and the spare "TempFile.tmp" live in the folder given to the
// constructor; both are deleted when the panel goes.
//
// Whoever embeds the panel marks the document changed on labelChanged(), returns the shape tools
// to the pointer on objectDropped(), tells the user about commandFailed(), hands keys it does not
// use itself to panelKeyDown(), and zooms back to 1.0 around reading and writing documents.
class TGBasePanel : public QWidget, public DesignSurface
{
    Q_OBJECT
public:
    explicit TGBasePanel(const QString &fileFolder, QWidget *parent = nullptr);
    ~TGBasePanel() override;

    bool Pointing() const { return m_pointing; }
    void setPointing(bool pointing) { m_pointing = pointing; }
    bool DrawOutline() const { return m_drawOutline; }
    void setDrawOutline(bool draw);
    // Background art, stretched over the label and clipped to its shape.
    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    const QImage &ColorPicture() const { return m_colorPicture; }
    void setColorPicture(const QImage &picture);
    TLabelShapeType Shape() const { return m_shape; }
    void setShape(TLabelShapeType shape);
    TGridSize GridSize() const { return m_gridSize; }
    void setGridSize(TGridSize size);
    bool ShowGrid() const { return m_showGrid; }
    void setShowGrid(bool show);
    bool SnapToGrid() const { return m_snapToGrid; }
    void setSnapToGrid(bool snap);
    // The font new text objects get and the font command starts from.
    const Font &panelFont() const { return m_panelFont; }
    void setPanelFont(const Font &font) { m_panelFont = font; }

    QString clipboardFile() const { return m_clipboardFile; }
    QString tempFile() const { return m_tempFile; }

    void SetZoom(float newScale);
    void ClearObjects();
    void KeepObjectsInside();
    void RemoveOutsideObjects();
    void PrintLabelAt(Report &report, double x, double y);
    void PrepareForPrinting();
    void AdvanceAfterLabel();
    bool HasComplexObjects() const;
    // Creates an object of the active tool in the rectangle; the base panel has no tools.
    virtual void CreateObjectInRect(const QRect &rect);
    // Selects what intersects the rectangle; with Shift the objects there toggle.
    void SelectInRect(const QRect &rect, bool shift);

    TGHandle &selectionFrame() const { return *m_frame; }
    PanelCommands &commands() const { return *m_commands; }
    PopupMenu &panelMenu() const { return *m_menu; }
    void showPanelMenu(QPoint panelPoint);

    // The cursor over the panel and the frame, as the tools and the frame choose it.
    TCursor screenCursor() const { return m_screenCursor; }
    void setScreenCursor(TCursor cursor);

    // Paints the label with its objects, handles and bands as the screen shows it; objects outside
    // the area are skipped.
    void paintSurface(QPainter &painter, const QRect &area);
    // The rubber band of a drag on the empty panel, normalised, while one is in progress.
    std::optional<QRect> rubberBand() const { return m_rubberBand; }

    // Mouse handling in panel coordinates. The frame passes on what it does not handle itself.
    void panelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void panelMouseMove(QPoint point);
    // Follows the mouse with the rubber band of a drag on the empty panel; false when none runs.
    bool rubberBandMove(QPoint point);
    void panelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    virtual void ObjectMouseDown(TGGraphicControl &object, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers, QPoint point);
    void frameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    // A double-click from the frame (object null) or on an object.
    void panelDoubleClick(TGGraphicControl *object, QPoint point);
    // Ctrl+C, Ctrl+V, Ctrl+X and Delete; false for any other key.
    bool panelKeyDown(int key, Qt::KeyboardModifiers modifiers);
    TGGraphicControl *objectUnder(QPoint point) const;
    void reportCommandFailure(const QString &message) { Q_EMIT commandFailed(message); }

    // DesignSurface
    bool isDesignPanel() const override { return true; }
    int surfaceWidth() const override { return width(); }
    int surfaceHeight() const override { return height(); }
    void raiseChanged() override;
    void postFrameUpdate() override;
    void objectNeedsRepaint(const TGGraphicControl &object) override;
    void repaintSurface() override;
    void processPendingEvents() override;
    bool isSelected(const TGGraphicControl &object) const override;
    int selectionCount() const override;
    void addToSelection(TGGraphicControl &object) override;
    void removeFromSelection(TGGraphicControl &object) override;
    void clearSelection() override;
    TColor handleColor() const override;
    TColor secondaryHandleColor() const override;
    void drawHandles(const std::vector<EdgeRect> &rects, TColor color) override;
    void objectClipboardCommand(TGGraphicControl &object, ClipboardCommand command) override;

Q_SIGNALS:
    // Every change of the document, unless a zoom runs.
    void labelChanged();
    // A tool created an object in the rectangle.
    void objectDropped(const QRect &rect);
    // A clipboard command could not read or write the clipboard file; the message says why.
    void commandFailed(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void objectLeaving(TGGraphicControl &object) override;

private:
    void paintLabelBackground(QImage &image) const;
    void paintBands(QPainter &painter) const;
    void startRubberBand(QPoint point);

    std::unique_ptr<TGHandle> m_frame;
    std::unique_ptr<PanelCommands> m_commands;
    std::unique_ptr<PopupMenu> m_menu;
    QString m_clipboardFile;
    QString m_tempFile;
    Font m_panelFont;
    QImage m_picture;
    QImage m_colorPicture;
    TLabelShapeType m_shape = TLabelShapeType::lsRoundRect;
    TGridSize m_gridSize = TGridSize::gs4x4;
    bool m_pointing = true;
    bool m_drawOutline = false;
    bool m_showGrid = false;
    bool m_snapToGrid = false;
    bool m_zoomBusy = false;
    bool m_frameUpdatePosted = false;
    std::optional<QPoint> m_bandStart;
    std::optional<QRect> m_rubberBand;
    TCursor m_screenCursor = Cursors::crDefault;
    QPainter *m_painter = nullptr;
};
