#include "app/MainScreenHelpTexts.h"

#include <QHash>

QString MainScreenHelpTexts::whatsThis(const QString &controlName)
{
    static const QHash<QString, QString> texts = {
        {QStringLiteral("Pointerbutton"),
         QStringLiteral("Selection tool: click an object to select it, Shift+click to add to the selection, "
                        "or drag a rectangle around several objects. Drag a selection to move it.")},
        {QStringLiteral("DrawLabelButton"),
         QStringLiteral("Text tool: drag a rectangle on the label to place one line of text. "
                        "The text dialog opens so that you can type it.")},
        {QStringLiteral("DrawMLTextButton"),
         QStringLiteral("Multi-line text tool: places a block of text that wraps over several lines, "
                        "such as an address.")},
        {QStringLiteral("DrawCounterbutton"),
         QStringLiteral("Counter tool: places a serial number that counts up from label to label when "
                        "the sheet is printed.")},
        {QStringLiteral("DrawSymbolButton"),
         QStringLiteral(
             "Symbol tool: places one character of a symbol font, such as a telephone or an arrow.")},
        {QStringLiteral("DrawRectanglebutton"), QStringLiteral("Rectangle tool: drag to draw a rectangle.")},
        {QStringLiteral("DrawEllipseButton"),
         QStringLiteral("Ellipse tool: drag to draw an ellipse or a circle.")},
        {QStringLiteral("DrawRoundrectbutton"),
         QStringLiteral("Round Rectangle tool: drag to draw a rectangle with rounded corners.")},
        {QStringLiteral("DrawLinebutton"),
         QStringLiteral(
             "Line tool: drag to draw a line; its popup menu turns it horizontal, vertical or diagonal.")},
        {QStringLiteral("DrawImageButton"),
         QStringLiteral("Clip Art tool: drag a rectangle, then choose a picture file to place in it.")},
        {QStringLiteral("DrawSupershape"),
         QStringLiteral("Supershape tool: stars, diamonds, triangles and more, filled with gradients, "
                        "textures or patterns, with an optional shadow.")},
        {QStringLiteral("DrawRichText"),
         QStringLiteral("Rich Text tool: text with mixed fonts, colours and styles in one block.")},
        {QStringLiteral("DrawSuperTextButton"),
         QStringLiteral("SuperText tool: large display text filled with gradients or bitmaps.")},
        {QStringLiteral("DrawCircleTextbutton"),
         QStringLiteral("CircleText tool: text set on a circle or a half circle, in any font.")},
        {QStringLiteral("ShowGrid"),
         QStringLiteral("Show grid: shows a dot grid on the label to help you line objects up.")},
        {QStringLiteral("SnapToGrid"),
         QStringLiteral("Snap to grid: moving and sizing objects jumps from grid dot to grid dot.")},
        {QStringLiteral("ShowArt"),
         QStringLiteral("Show art: shows a light picture of the label stock behind your design, where "
                        "one is available for the stock.")},
        {QStringLiteral("ZoomSpinner"),
         QStringLiteral("Zoom: the arrows, or plus (+) and minus (-) on the numeric keypad, enlarge or "
                        "reduce the view from 50% to 150%. Printing is not affected.")},
        {QStringLiteral("PrintNow"),
         QStringLiteral("Print/Preview: choose the label positions to print, then print the sheet or "
                        "preview it first.")},
        {QStringLiteral("Assistbutton"),
         QStringLiteral("Quick tips: short hints on getting the most out of Pellora.")},
        {QStringLiteral("SaveButton"),
         QStringLiteral("Save: writes your changes to the label file. It shows only while there are "
                        "unsaved changes. Enter presses it.")},
        {QStringLiteral("CancelButton"),
         QStringLiteral("Cancel: throws away the changes since the file was last saved. Esc presses it.")},
        {QStringLiteral("Helpbutton"), QStringLiteral("Help: opens the help pages.")},
        {QStringLiteral("MouseHelpButton"),
         QStringLiteral("Mouse help: click this, then click any control to see what it does.")},
        {QStringLiteral("CloseButton"),
         QStringLiteral("Exit: closes Pellora, offering to save unsaved changes first.")},
        {QStringLiteral("LabelPanel"),
         QStringLiteral("The label: design one label here; printing repeats it on every chosen label of "
                        "the sheet. Right-click for the editing commands.")},
    };
    return texts.value(controlName);
}
