#pragma once

#include <filesystem>
#include <string_view>

namespace numora {

// Replaces a file's contents as one step: the bytes go to a temporary file
// beside it, are flushed to disk, and the temporary file is renamed over the
// old one. A save that fails at any point leaves the old file whole and no
// temporary file behind. Returns false on failure.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace numora
