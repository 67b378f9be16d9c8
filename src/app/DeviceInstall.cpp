#include "app/DeviceInstall.h"

#include <cstdio>
#include <filesystem>

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

bool isDeviceRoot(const DevicePaths& device, std::string_view dataFolder) {
    const auto host = device.toHost(dataFolder);
    std::error_code error;
    return host && std::filesystem::is_directory(*host, error);
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

}  // namespace

InstallCounts installMissingFiles(const DevicePaths& device, const std::vector<InstalledFile>& files) {
    InstallCounts counts;
    for (const InstalledFile& file : files) {
        const auto host = device.toHost(file.devicePath);
        if (!host) {
            ++counts.failed;
            continue;
        }
        std::error_code error;
        if (std::filesystem::symlink_status(*host, error).type() != std::filesystem::file_type::not_found) {
            ++counts.kept;
            continue;
        }
        std::filesystem::create_directories(host->parent_path(), error);
        if (createNewFile(*host, file.makeBytes())) {
            ++counts.written;
        } else {
            ++counts.failed;
        }
    }
    return counts;
}

}  // namespace numora
