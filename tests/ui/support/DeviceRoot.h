#pragma once

#include <filesystem>
#include <string>

#include "platform/DevicePaths.h"
#include "support/TestFiles.h"

namespace numora {

inline constexpr char kTestDataFolder[] = "\\Program Files\\Numora";

// A device root in a fresh scratch folder.
struct DeviceRoot {
    std::filesystem::path host(const std::string& devicePath) const { return paths.toHost(devicePath).value(); }
    // A ball picture file in the data folder's Balls folder.
    std::filesystem::path ballFile(const std::string& name) const {
        return host(std::string(kTestDataFolder) + "\\Balls\\" + name);
    }

    testing::ScratchFolder folder;
    DevicePaths paths{folder.path()};
};

}  // namespace numora
