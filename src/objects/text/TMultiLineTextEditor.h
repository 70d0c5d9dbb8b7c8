#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/Font.h"

class QPlainTextEdit;

// "Multi-line Text Editor": the lines of a multi-line text object, 254 characters at most.
class TMultiLineTextEditor : public QDialog
{
public:
    static constexpr int MaxLength = 254;

    TMultiLineTextEditor(const QStringList &lines, const Font &font, QWidget *parent = nullptr);

    QPlainTextEdit *Memo() const { return m_memo; }
    QStringList lines() const;

    // Opens the editor; the new lines on Ok, nothing on Cancel. Tests replace the dialog.
    static std::optional<QStringList> edit(const QStringList &lines, const Font &font);
    using Editor = std::function<std::optional<QStringList>(const QStringList &lines, const Font &font)>;
    static void setEditor(Editor editor);

private:
    void keepWithinLimit();

    QPlainTextEdit *m_memo;
};
