#pragma once

#include <optional>
#include <string_view>

#include "platform/DeviceLock.h"

namespace numora {

class DevicePaths;
class Prompter;

// The main window writes the device's files for as long as it is open, so
// it holds the device root's lock all that time under this name.
inline constexpr char kWindowLockHolder[] = "numora";

// The lock for a main window on the device, or nullopt when another writer
// holds it (or it cannot be used): the user is told why and no window opens.
std::optional<DeviceLock> lockRootForWindow(const DevicePaths& device, std::string_view dataFolder,
                                            Prompter& prompter);

}  // namespace numora
