#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "objects/text/TextEffects.h"

// The line rules of the multi-line text object, as plain functions.
namespace MultiLineText {

using TextWidth = std::function<int(const QString &)>;

// Wraps each line as a word-wrapping edit box of this text width shows it: breaks after spaces,
// a word longer than the width broken where it no longer fits, every entered line starting anew.
QStringList wrap(const QStringList &lines, int width, const TextWidth &textWidth);

// The lines drawn: "<blank>" stands for an empty text, and follows a single blank line.
QStringList displayLines(QStringList lines);

// Left edge of a line of width w in a box of the given width.
int lineX(TAlignment alignment, int boxWidth, int lineWidth);

// The width an edit box of the object's width leaves for text (its border and inner margins).
constexpr int wrapMargin = 4;

} // namespace MultiLineText
