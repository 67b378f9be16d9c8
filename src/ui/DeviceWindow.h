#pragma once

#include <QSize>

#include "app/ScreenShape.h"

class QWidget;

namespace numora {

// What every window of the program shares on the device screen: the
// handheld's small font, a white window, and the room below the navigation bar.

// Gives the window the device's font and its white background.
void applyDeviceLook(QWidget& window);

// The window's size on a device screen: the screen below the navigation bar.
QSize deviceWindowSize(ScreenSize screen);

}  // namespace numora
