#pragma once

#include <QSize>

#include "app/ScreenShape.h"

class QVBoxLayout;
class QWidget;

namespace numora {

// What the program's windows share on the device screen.

// The screen below the handheld's navigation bar.
QSize deviceWindowSize(ScreenSize screen);

// The handheld's 11-pixel font, on white as its dialogs are, and a column
// layout without side margins for the window's rows.
QVBoxLayout* dressDeviceWindow(QWidget& window, int topMargin, int spacing);

// Fixes the window's size: the screen below the navigation bar, and never
// smaller than its layout needs.
void fitDeviceWindow(QWidget& window, ScreenSize screen);

}  // namespace numora
