#include "app/DeviceFolder.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/DevicePaths.h"

namespace fs = std::filesystem;

namespace numora {

namespace {

constexpr char kHiddenMark = '.';
constexpr std::uintmax_t kLow32Bits = 0xFFFFFFFFu;

bool isInside(const fs::path& root, const fs::path& path) {
    return std::mismatch(root.begin(), root.end(), path.begin(), path.end()).first == root.end();
}

// One entry of a device folder as the chooser may show it.
struct ShownEntry {
    fs::path path;
    std::string name;
    fs::file_type type;
};

// Calls `visit` for every entry of the folder that may be shown: not hidden,
// and a directory or a regular file inside the root once links are followed.
template <typename Visit>
void forEachShownEntry(const DevicePaths& device, std::string_view folderPath, Visit visit) {
    std::error_code error;
    const fs::path root = fs::canonical(device.root(), error);
    if (error) return;
    const std::optional<fs::path> folder = device.toHost(folderPath);
    if (!folder) return;
    const fs::path realFolder = fs::canonical(*folder, error);
    if (error || !isInside(root, realFolder)) return;

    for (fs::directory_iterator entries(realFolder, fs::directory_options::skip_permission_denied, error), end;
         !error && entries != end; entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == kHiddenMark) continue;
        std::error_code entryError;
        if (entry.is_symlink(entryError)) {
            const fs::path target = fs::canonical(entry.path(), entryError);
            if (entryError || !isInside(root, target)) continue;
        }
        const fs::file_type type = entry.status(entryError).type();
        if (entryError) continue;
        visit(ShownEntry{entry.path(), name, type});
    }
}

std::int64_t secondsSince1970(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

}  // namespace

std::vector<std::string> listSubfolders(const DevicePaths& device, std::string_view folderPath) {
    std::vector<std::string> names;
    forEachShownEntry(device, folderPath, [&](const ShownEntry& entry) {
        if (entry.type == fs::file_type::directory) names.push_back(entry.name);
    });
    return names;
}

std::vector<ListedFile> listFiles(const DevicePaths& device, std::string_view folderPath, std::string_view filter) {
    std::vector<ListedFile> files;
    forEachShownEntry(device, folderPath, [&](const ShownEntry& entry) {
        if (entry.type != fs::file_type::regular || !matchesFileFilter(entry.name, filter)) return;
        std::error_code sizeError;
        std::error_code timeError;
        const std::uintmax_t size = fs::file_size(entry.path, sizeError);
        const fs::file_time_type written = fs::last_write_time(entry.path, timeError);
        if (sizeError || timeError) return;
        files.push_back({entry.name, static_cast<std::uint32_t>(size & kLow32Bits), secondsSince1970(written)});
    });
    return files;
}

}  // namespace numora
