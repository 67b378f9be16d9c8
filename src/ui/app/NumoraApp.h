#pragma once

#include <memory>

#include "ui/app/LaunchOptions.h"
#include "app/AppState.h"
#include "platform/DevicePaths.h"

namespace numora {

class AppProfile;
class LocaleInfo;
class LocalTime;
class Prompter;
class QtPrompter;
class SoundPlayer;
class StartCheckPrompter;

// The application: sets up the option store and the device, gives the
// process-wide values their start values and runs the main window until it
// closes. An option store that cannot be used is told of first.
class NumoraApp {
public:
    explicit NumoraApp(const LaunchOptions& options);
    ~NumoraApp();

    // The exit status: 0, or 1 when the window cannot open or a start check
    // had something to say.
    int run();

private:
    Prompter& prompter();

    LaunchOptions options_;
    DevicePaths device_;
    std::unique_ptr<AppProfile> profile_;
    std::unique_ptr<LocaleInfo> locale_;
    std::unique_ptr<LocalTime> time_;
    std::unique_ptr<QtPrompter> messageBoxes_;             // none for a start check
    std::unique_ptr<StartCheckPrompter> checkMessages_;  // a start check's, to the error stream
    std::unique_ptr<SoundPlayer> sound_;
    AppState state_;
};

}  // namespace numora
