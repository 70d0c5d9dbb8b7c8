#pragma once

#include <QDialog>

#include "platform/Font.h"

class DialogButtonBar;
class QPushButton;
class QTableWidget;

// The symbol picker: every character of a symbol font in a grid, and the font the symbol object
// will receive.
class TGetSymbol : public QDialog
{
public:
    static constexpr int helpTopic = 40005;
    static constexpr int firstCode = 32;
    static constexpr int lastCode = 255;
    static constexpr int characterCount = lastCode - firstCode + 1;

    explicit TGetSymbol(QWidget *parent = nullptr);

    // Large characters need fewer columns to stay readable in the fixed-size dialog.
    static int columnsForPointSize(int points);
    // The list font's name, size and the one style word that matters for picking a character.
    static QString fontButtonCaption(const Font &font);
    // The grid index of a byte code and back; -1 for codes outside the grid.
    static int indexForCode(int code);
    static int codeForIndex(int index);
    // A caption holds the byte code as Windows-1252 text.
    static QString captionForCode(int code);
    static int codeOfCaption(const QString &caption);

    // The font the object will receive; the grid shows its name and style at the grid's own size.
    void setSelectedFont(const Font &font);
    Font selectedFont() const { return m_selectedChar; }
    Font listFont() const { return m_listFont; }
    // The highlighted character's byte code; -1 when none is highlighted.
    void setSelectedCode(int code);
    int selectedCode() const;
    int columnCount() const { return m_columns; }

    QPushButton *fontButton() const { return m_fontButton; }
    QTableWidget *symbolList() const { return m_symbolList; }
    DialogButtonBar *buttons() const { return m_buttons; }

    void FontbuttonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Rebuilds the grid in the current font and columns with `code` highlighted.
    void fillList(int code);
    void updateFontButton();

    Font m_selectedChar;
    Font m_listFont;
    int m_columns = 8;
    bool m_columnsChosen = false;
    QPushButton *m_fontButton;
    QTableWidget *m_symbolList;
    DialogButtonBar *m_buttons;
};
