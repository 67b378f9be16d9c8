#pragma once

#include <filesystem>

namespace numora {

// The device root when none is given: the user's application data folder.
std::filesystem::path defaultDeviceRoot();

}  // namespace numora
