#pragma once

#include <string_view>

#include "app/DeviceInstall.h"
#include "platform/DevicePaths.h"

namespace numora::art {


// Installs the pictures and the sound the program paints and synthesises for
// itself: under "<data folder>\Balls" the pictures 0.jpg to 99.jpg, R0.jpg to
// R99.jpg, -1.jpg and -2.jpg to -8.jpg, and S0.jpg to S99.jpg for the numbers
// of a second drum, each also at twice its size beside it
// (7@2x.jpg) unless the picture is the user's own, and the default sound
// "\Windows\winner.wav". Files that already exist are left as they are, and a
// file that cannot be written is skipped silently. Each file is created only
// if it does not exist, so not even a file that appears meanwhile is replaced.
InstallCounts installDeviceArt(const DevicePaths& paths, std::string_view dataFolder);

}  // namespace numora::art
