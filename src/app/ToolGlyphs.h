#pragma once

#include <QIcon>

// The pictures on the tool bar's buttons, drawn rather than shipped so that they stay sharp at
// any screen scale.
enum class ToolGlyph {
    Pointer,
    Text,
    MultiLineText,
    Counter,
    Symbol,
    Rectangle,
    Ellipse,
    RoundRectangle,
    Line,
    Image,
    SuperShape,
    RichText,
    SuperText,
    CircleText,
    Grid,
    Snap,
    Art,
    MouseHelp
};

QIcon toolGlyph(ToolGlyph glyph);
