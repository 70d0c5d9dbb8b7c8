#include "platform/Screen.h"

namespace {
int currentPixelsPerInch = 96;
}

int Screen::pixelsPerInch()
{
    return currentPixelsPerInch;
}

void Screen::setPixelsPerInch(int ppi)
{
    if (ppi > 0)
        currentPixelsPerInch = ppi;
}
