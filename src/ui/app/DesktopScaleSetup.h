#pragma once

#include "app/ScreenShape.h"

namespace numora {

// Qt's own scale setting: the user's choice when set, ours otherwise.
inline constexpr char kScaleVariable[] = "QT_SCALE_FACTOR";

// Chooses the scale at which the windows of a device screen are shown (see
// desktopScale) and sets it for the application about to be made. A scale the
// user set in QT_SCALE_FACTOR wins. Qt reads the scale when the application
// starts, so this looks at the screen through a short-lived application of
// its own and must run before the program's application is made.
void chooseDesktopScale(ScreenSize deviceScreen, char* programName);

}  // namespace numora
