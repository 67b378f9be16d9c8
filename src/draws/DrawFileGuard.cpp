#include "draws/DrawFileGuard.h"

#include <filesystem>
#include <system_error>

#include "platform/DevicePaths.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

bool isThere(const DevicePaths& device, const std::string& deviceName) {
    const auto host = device.toHost(deviceName);
    std::error_code error;
    return host && std::filesystem::exists(*host, error);
}

}  // namespace

DrawFileGuard DrawFileGuard::afterLoad(const DrawFileResult& loaded, const DevicePaths& device,
                                       std::string_view dataFolder, std::string_view lotteryName) {
    DrawFileGuard guard;
    guard.deviceName_ = DrawFile::deviceName(dataFolder, lotteryName);
    switch (loaded.status) {
    case DrawFileResult::Status::Ok: break;
    case DrawFileResult::Status::Damaged: guard.reason_ = loaded.message; break;
    case DrawFileResult::Status::CannotOpen:
    case DrawFileResult::Status::CannotCreate:
        // A load tells a missing file and an unreadable one alike; only the
        // unreadable one is there.
        if (isThere(device, guard.deviceName_)) guard.reason_ = formatText(kCannotRead, guard.deviceName_.c_str());
        break;
    }
    return guard;
}

std::string DrawFileGuard::refusal() const { return formatText(kNotSavedOver, deviceName_.c_str()); }

}  // namespace numora
