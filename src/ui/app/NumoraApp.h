#pragma once

#include <memory>

#include "ui/app/LaunchOptions.h"
#include "app/AppState.h"
#include "platform/DevicePaths.h"

namespace numora {

class AppProfile;
class LocaleInfo;
class LocalTime;
class QtPrompter;
class SoundPlayer;

// The application: sets up the option store and the device, gives the
// process-wide values their start values and runs the main window until it
// closes.
class NumoraApp {
public:
    explicit NumoraApp(const LaunchOptions& options);
    ~NumoraApp();

    int run();

private:
    LaunchOptions options_;
    DevicePaths device_;
    std::unique_ptr<AppProfile> profile_;
    std::unique_ptr<LocaleInfo> locale_;
    std::unique_ptr<LocalTime> time_;
    std::unique_ptr<QtPrompter> prompter_;
    std::unique_ptr<SoundPlayer> sound_;
    AppState state_;
};

}  // namespace numora
