#pragma once

// The screen's logical pixels per inch: one inch of label at zoom 1.0. Documents are laid out in
// these pixels, so the program keeps one value for its whole run (96 unless set at start-up).
namespace Screen {
int pixelsPerInch();
void setPixelsPerInch(int ppi);
} // namespace Screen
