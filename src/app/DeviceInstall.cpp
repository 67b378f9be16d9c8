#include "app/DeviceInstall.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/DevicePaths.h"

namespace numora {

bool createDeviceFolders(const DevicePaths& device, std::string_view dataFolder) {
    bool ok = true;
    for (const std::string& folder : {std::string(dataFolder), DevicePaths::join(dataFolder, kBallsFolderName),
                                      std::string(kDocumentsFolder), std::string(kSystemFolder)}) {
        const auto host = device.toHost(folder);
        std::error_code error;
        if (!host || (!std::filesystem::create_directories(*host, error) && error)) ok = false;
    }
    return ok;
}

namespace {

// Creates a new file with the bytes; fails, touching nothing, when anything
// is already at its place.
bool createNewFile(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wbx");
    if (!file) return false;
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (whole && closed) return true;
    std::error_code error;
    std::filesystem::remove(path, error);
    return false;
}

bool holdsBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) == bytes;
}

bool occupied(const std::filesystem::path& host) {
    std::error_code error;
    return std::filesystem::symlink_status(host, error).type() != std::filesystem::file_type::not_found;
}

enum class Outcome { Written, Kept, Failed };

Outcome installFile(const DevicePaths& device, const InstalledFile& file) {
    const auto host = device.toHost(file.devicePath);
    if (!host) return Outcome::Failed;
    if (occupied(*host)) return Outcome::Kept;
    std::error_code error;
    std::filesystem::create_directories(host->parent_path(), error);
    return createNewFile(*host, file.makeBytes()) ? Outcome::Written : Outcome::Failed;
}

void count(InstallCounts& counts, Outcome outcome) {
    switch (outcome) {
    case Outcome::Written: ++counts.written; break;
    case Outcome::Kept: ++counts.kept; break;
    case Outcome::Failed: ++counts.failed; break;
    }
}

// A variant that is missing beside a file the program did not make: the
// user's own file, which the variant must not hide.
bool besideUsersOwn(const DevicePaths& device, const InstalledPair& pair) {
    const auto variant = device.toHost(pair.variant.devicePath);
    if (!variant || occupied(*variant)) return false;
    const auto host = device.toHost(pair.file.devicePath);
    return !host || !holdsBytes(*host, pair.file.makeBytes());
}

}  // namespace

InstallCounts& InstallCounts::operator+=(const InstallCounts& more) {
    written += more.written;
    kept += more.kept;
    failed += more.failed;
    skipped += more.skipped;
    return *this;
}

InstallCounts installMissingFiles(const DevicePaths& device, const std::vector<InstalledFile>& files) {
    InstallCounts counts;
    for (const InstalledFile& file : files) count(counts, installFile(device, file));
    return counts;
}

InstallCounts installMissingFiles(const DevicePaths& device, const std::vector<InstalledPair>& pairs) {
    InstallCounts counts;
    for (const InstalledPair& pair : pairs) {
        const Outcome outcome = installFile(device, pair.file);
        count(counts, outcome);
        if (outcome == Outcome::Failed) {
            ++counts.failed;  // nothing to put the variant beside
        } else if (outcome == Outcome::Kept && besideUsersOwn(device, pair)) {
            ++counts.skipped;
        } else {
            count(counts, installFile(device, pair.variant));
        }
    }
    return counts;
}

}  // namespace numora
