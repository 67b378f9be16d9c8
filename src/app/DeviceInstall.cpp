#include "app/DeviceInstall.h"

#include <filesystem>

#include "app/DevicePaths.h"
#include "platform/AtomicFile.h"

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

int installMissingFiles(const DevicePaths& device, const std::vector<InstalledFile>& files) {
    int written = 0;
    for (const InstalledFile& file : files) {
        const auto host = device.toHost(file.devicePath);
        std::error_code error;
        if (!host || std::filesystem::exists(*host, error) || error) continue;
        if (writeFileAtomically(*host, file.makeBytes())) ++written;
    }
    return written;
}

}  // namespace numora
