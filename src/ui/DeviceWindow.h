#pragma once

#include <QSize>

#include "app/ScreenShape.h"

class QPushButton;
class QWidget;

namespace numora {

// What every window of the program shares on the device screen: the
// handheld's small font, a white window, and the room below the navigation bar.

// Gives the window the device's font and its white background.
void applyDeviceLook(QWidget& window);

// The window's size on a device screen: the screen below the navigation bar.
QSize deviceWindowSize(ScreenSize screen);

// A button placed left of the window, out of sight and out of reach, as some
// of the handheld's layouts keep their OK and Cancel; `top` is its y.
QPushButton* outOfSightButton(QWidget& window, const char* objectName, const char* caption, int top);
// The height of such a button, for placing the next one below it.
int outOfSightButtonHeight();

}  // namespace numora
