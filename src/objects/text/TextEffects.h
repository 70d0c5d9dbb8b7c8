#pragma once

#include <QByteArray>
#include <QPoint>

#include <vector>

// The enumerations of the single-line text objects, in the ordinal order documents store.
enum class TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
enum class THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };

const std::vector<QByteArray> &shadowDirectionNames();
const std::vector<QByteArray> &highlightDirectionNames();
const std::vector<QByteArray> &alignmentNames();
const std::vector<QByteArray> &borderStyleNames();

// Where the shadow and highlight copies sit relative to the main copy: the shadow never moves up,
// the highlight never moves down.
QPoint shadowOffset(TShadowDirection direction, int depth);
QPoint highlightOffset(THighlightDirection direction, int depth);
