#pragma once

#include "app/ScreenShape.h"

namespace numora {

// The screen a desktop shows the program on: the area left free by panels and
// docks, in the screen's own pixels, and the desktop's own scaling of them
// (2 on a high-resolution desktop set to 200%).
struct DesktopScreen {
    int availableWidth = 0;
    int availableHeight = 0;
    double devicePixelRatio = 1.0;
};

// The windows keep the handheld's layouts and pixel sizes. On a desktop they
// are shown larger, on top of the desktop's own scaling: at the largest of 2,
// 1.5 and 1 at which a window of the device screen's size takes at most 85% of
// the available height and width. Never below 1, even on a screen too small
// for the window.
double desktopScale(const DesktopScreen& screen, ScreenSize window);

}  // namespace numora
