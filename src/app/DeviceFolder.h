#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/FileChooserRules.h"

namespace numora {

class DevicePaths;

// What the file chooser shows of a device folder (a device path such as
// "\My Documents\"), in the order the folder search returns the entries.
// Hidden entries (a name that begins with a dot) are never shown, nor is an
// entry that leads out of the device root (a link to elsewhere), nor anything
// in a folder outside it. A folder that cannot be searched shows nothing.
std::vector<std::string> listSubfolders(const DevicePaths& device, std::string_view folderPath);
std::vector<ListedFile> listFiles(const DevicePaths& device, std::string_view folderPath, std::string_view filter);

}  // namespace numora
