#include "ui/app/WindowLock.h"

#include "platform/Prompter.h"

namespace numora {

std::optional<DeviceLock> lockRootForWindow(const DevicePaths& device, std::string_view dataFolder,
                                            Prompter& prompter) {
    DeviceLock lock = DeviceLock::take(device, dataFolder, kWindowLockHolder);
    if (!lock.refused()) return lock;
    prompter.report(lock.message());
    return std::nullopt;
}

}  // namespace numora
