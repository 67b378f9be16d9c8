#pragma once

#include <string>
#include <string_view>

namespace numora {

// The settings file lives in the data folder under this name.
inline constexpr std::string_view kSettingsFileName = "Numora.ini";

// The device path of the settings file: the data folder, "\", the file name.
inline std::string settingsFilePath(std::string_view dataFolder) {
    std::string path(dataFolder);
    path += '\\';
    path += kSettingsFileName;
    return path;
}

}  // namespace numora
