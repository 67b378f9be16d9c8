#pragma once

#include <filesystem>
#include <memory>

#include "platform/AppProfile.h"

namespace numora {

class DevicePaths;

// The device root when none is given: the user's application data folder.
std::filesystem::path defaultDeviceRoot();

// Where any other device root keeps its options: the device's own profile
// store, an INI file under the root, so that two roots never share a current
// lottery or Advanced options.
inline constexpr char kRootOptionStore[] = "\\Windows\\Corvane\\Numora.conf";

// The option store that goes with a device root: the per-user store (QSettings
// "Corvane", "Numora") for the default root, whether given or not; the root's
// own store for any other.
std::unique_ptr<AppProfile> openOptionStore(const DevicePaths& device);

}  // namespace numora
