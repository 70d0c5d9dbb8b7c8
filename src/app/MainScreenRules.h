#pragma once

#include <QString>

#include <optional>

#include "app/Preferences.h"

// The main window's decisions that need no window: captions, the proposed file name, zoom steps.
namespace MainScreenRules {
// "Pellora" for an untitled document, else "Pellora - " + the file name without its folder.
QString windowCaption(const QString &currentFileName);
// "Default Font: Arial, 10 pt " with ", bold" and ", italic" appended when set.
QString defaultFontCaption(const DefaultFontPreference &font);
// "Change Label Layout    (name)", "(User Defined)" for the user's own layout.
QString templateCaption(const QString &templateName);
// "PQ0001.PQ" or the next number not taken in the folder; empty when all 9999 are.
QString proposedSaveName(const QString &folder);
// Whether a path names a document by its extension, in any letter case.
bool isDocumentPath(const QString &path);

constexpr int MinZoomPercent = 50;
constexpr int MaxZoomPercent = 150;
// The zoom one step in or out, nothing at either end of the range. The step is added in extended
// precision and kept in single precision, as the panel keeps its scale.
std::optional<float> zoomedIn(float scale);
std::optional<float> zoomedOut(float scale);
// "110%".
QString zoomCaption(float scale);

// The picture name of a stock: the art name up to its first ".", in capitals.
QString artPictureName(const QString &artName);
} // namespace MainScreenRules
