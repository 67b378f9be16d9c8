#pragma once

#include <filesystem>
#include <string>

namespace numora {

class DevicePaths;

// The host file a file chooser's answer names: a device path
// ("\My Documents\a.csv") lies under the device root, an absolute host path
// ("/home/...") is taken as it is. Empty for an answer that is neither, such
// as a device path that would leave the root.
std::filesystem::path chosenHostFile(const DevicePaths& device, const std::string& answer);

}  // namespace numora
