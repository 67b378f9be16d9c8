#include "DeviceRoot.h"

#include <QStandardPaths>

#include "QSettingsAppProfile.h"

namespace numora {

std::filesystem::path defaultDeviceRoot() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(base.toStdString()) / QSettingsAppProfile::kOrganisation /
           QSettingsAppProfile::kApplication;
}

}  // namespace numora
