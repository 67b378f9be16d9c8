#include "ui/app/NumoraApp.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include "ui/main/MainWindow.h"
#include "ui/services/QtPrompter.h"
#include "ui/services/SoundPlayer.h"
#include "ui/app/StartCheck.h"
#include "ui/app/WindowLock.h"
#include "app/DeviceInstall.h"
#include "app/StartUp.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "settings/OptionStore.h"
#include "qt/DeviceRoot.h"
#include "qt/QtLocaleInfo.h"
#include "ui/art/DeviceArtInstaller.h"

namespace numora {

NumoraApp::NumoraApp(const LaunchOptions& options)
    : options_(options),
      device_(options.root.value_or(defaultDeviceRoot())),
      profile_(openOptionStore(device_)),
      locale_(std::make_unique<QtLocaleInfo>()),
      time_(std::make_unique<SystemLocalTime>()),
      sound_(std::make_unique<SoundPlayer>()) {
    if (options.checkStart) {
        checkMessages_ = std::make_unique<StartCheckPrompter>(std::cerr);
    } else {
        messageBoxes_ = std::make_unique<QtPrompter>();
    }
}

NumoraApp::~NumoraApp() = default;

Prompter& NumoraApp::prompter() {
    if (checkMessages_) return *checkMessages_;
    return *messageBoxes_;
}

int NumoraApp::run() {
    if (const std::string failure = profile_->failure(); !failure.empty()) {
        prompter().report(formatText(kOptionsUnusableFormat, failure.c_str()));
    }
    loadStartValues(state_, *profile_, *time_);
    // The device's folders, pictures and sound; what is there already stays.
    createDeviceFolders(device_, state_.dataFolder);
    const auto lock = lockRootForWindow(device_, state_.dataFolder, prompter());
    if (!lock) return EXIT_FAILURE;
    art::installDeviceArt(device_, state_.dataFolder);

    const MainWindowServices services{
        .state = state_,
        .device = device_,
        .profile = *profile_,
        .locale = *locale_,
        .time = *time_,
        .prompter = prompter(),
        .sound = *sound_,
        .clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); },
        .screen = options_.screen,
    };
    MainWindow window(services);
    if (messageBoxes_) messageBoxes_->setParentWindow(&window);
    const auto startCheck = options_.checkStart ? std::make_unique<StartCheck>(window) : nullptr;
    window.exec();
    return checkMessages_ && checkMessages_->spoke() ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace numora
