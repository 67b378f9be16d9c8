#pragma once

#include <string>
#include <string_view>

#include "platform/DevicePaths.h"

namespace numora {

// The settings file lives in the data folder under this name.
inline constexpr std::string_view kSettingsFileName = "Numora.ini";

// The device path of the settings file: the data folder, "\", the file name.
inline std::string settingsFilePath(std::string_view dataFolder) {
    return DevicePaths::join(dataFolder, kSettingsFileName);
}

}  // namespace numora
