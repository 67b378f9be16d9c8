#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace numora {

// All the bytes of a file; nullopt when it cannot be opened or read whole
// (including when there is no memory for a file of its size).
std::optional<std::string> readWholeFile(const std::filesystem::path& fileName);

}  // namespace numora
