#pragma once

// Drawing attributes in the order their identifiers are streamed (the ordinal is the index).

enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum class PenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum class BrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

enum class FontPitch { fpDefault, fpVariable, fpFixed };

// Font style members; a style set is a bit mask of (1 << member).
enum class FontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using FontStyles = unsigned;
constexpr FontStyles fontStyleBit(FontStyle style)
{
    return 1u << unsigned(style);
}
