#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// The program names its files with handheld paths, such as
// "\Program Files\Numora\Numora.ini". On the desktop they all live under one
// host folder, the device root. A device path that would leave the root (a ".."
// part, a drive letter, an embedded NUL) has no host path.
class DevicePaths {
public:
    explicit DevicePaths(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }
    std::optional<std::filesystem::path> toHost(std::string_view devicePath) const;
    // A path the user chose, which may lie outside the device: an absolute path
    // of this computer as it is, anything else as a device path (toHost).
    std::optional<std::filesystem::path> hostPathOf(std::string_view chosen) const;

    // Joins device path parts with a backslash: join("\A", "b.dat") is "\A\b.dat".
    static std::string join(std::string_view folder, std::string_view name);

private:
    std::filesystem::path root_;
};

}  // namespace numora
