#pragma once

#include <QSize>
#include <QString>

#include "app/ScreenShape.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace numora {

// What every window of the program shares on the device screen: the
// handheld's small font, a white window, and the room below the navigation bar.

// The control, named for tests and tools to find.
template <typename Control>
Control* named(Control* control, const char* objectName) {
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

// Gives the window the device's font and its white background.
void applyDeviceLook(QWidget& window);

// The window's size on a device screen: the screen below the navigation bar.
QSize deviceWindowSize(ScreenSize screen);

// The device look, and a column layout without side margins for the window's rows.
QVBoxLayout* dressDeviceWindow(QWidget& window, int topMargin, int spacing);

// A row added to such a column, with side margins of its own.
QHBoxLayout* addMarginRow(QVBoxLayout& column, int sideMargin, int spacing);

// Fixes the window's size: the screen below the navigation bar, and never
// smaller than its layout needs.
void fitDeviceWindow(QWidget& window, ScreenSize screen);

// A button placed left of the window, out of sight and out of reach, as some
// of the handheld's layouts keep their OK and Cancel; `top` is its y.
QPushButton* outOfSightButton(QWidget& window, const char* objectName, const char* caption, int top);
// The height of such a button, for placing the next one below it.
int outOfSightButtonHeight();

}  // namespace numora
