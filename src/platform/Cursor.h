#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <Qt>

#include <optional>

// Cursor numbers as documents store them: 0 is the default, the named ones are negative.
using TCursor = int;

namespace Cursors {
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -5;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
// Not streamed by name: the two hand cursors the selection frame uses.
constexpr TCursor crHandPoint = -21;
constexpr TCursor crHandGrab = -22;
} // namespace Cursors

std::optional<QByteArray> cursorToIdent(TCursor cursor);
std::optional<TCursor> identToCursor(QByteArrayView ident);
Qt::CursorShape toQtCursorShape(TCursor cursor);
