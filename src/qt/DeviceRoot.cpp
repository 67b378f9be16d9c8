#include "DeviceRoot.h"

#include <QFile>
#include <QStandardPaths>

#include "QSettingsAppProfile.h"
#include "platform/DevicePaths.h"

namespace numora {

namespace {

// The same folder, named in any way: through links, with or without a final
// separator, and also when it does not exist yet.
bool sameFolder(const std::filesystem::path& one, const std::filesystem::path& other) {
    std::error_code error;
    if (std::filesystem::equivalent(one, other, error)) return true;
    const auto comparable = [](const std::filesystem::path& path) {
        std::error_code ignored;
        std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ignored);
        if (resolved.empty()) resolved = path.lexically_normal();
        return resolved.has_filename() ? resolved : resolved.parent_path();
    };
    return comparable(one) == comparable(other);
}

}  // namespace

std::filesystem::path defaultDeviceRoot() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(QFile::encodeName(base).toStdString()) / QSettingsAppProfile::kOrganisation /
           QSettingsAppProfile::kApplication;
}

std::unique_ptr<AppProfile> openOptionStore(const DevicePaths& device) {
    const auto rootStore = device.toHost(kRootOptionStore);
    if (!rootStore || sameFolder(device.root(), defaultDeviceRoot())) {
        return std::make_unique<QSettingsAppProfile>();
    }
    return std::make_unique<QSettingsAppProfile>(QFile::decodeName(rootStore->c_str()));
}

}  // namespace numora
