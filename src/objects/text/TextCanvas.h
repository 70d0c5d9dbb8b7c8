#pragma once

#include <functional>

#include "platform/Canvas.h"

class Font;
class Report;
class TGGraphicControl;

// What the text objects share when they measure, draw and print their text.
namespace TextCanvas {

// The object's font as the canvas takes it: at a zoom other than 1.0 its size in points becomes
// Trunc(size x Scale).
CanvasFont zoomedFont(const Font &font, float scale);

// A canvas for measuring text when no paint is running.
Canvas &measuringCanvas();

// Text objects print by drawing their box as a recording that the report stretches over the box's
// rectangle in inches; a box under one pixel prints nothing.
void printBox(Report &report, double x, double y, const TGGraphicControl &object,
              const std::function<void(Canvas &)> &draw);

} // namespace TextCanvas
