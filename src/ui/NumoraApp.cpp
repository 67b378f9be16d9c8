#include "NumoraApp.h"

#include <QApplication>

#include "PlaceholderWindow.h"
#include "app/DeviceInstall.h"
#include "app/StartUp.h"
#include "platform/LocalTime.h"
#include "platform/Prompter.h"
#include "qt/DeviceRoot.h"
#include "qt/QSettingsAppProfile.h"
#include "qt/QtLocaleInfo.h"

namespace numora {

NumoraApp::NumoraApp(const LaunchOptions& options)
    : options_(options),
      device_(options.root.value_or(defaultDeviceRoot())),
      profile_(std::make_unique<QSettingsAppProfile>()),
      locale_(std::make_unique<QtLocaleInfo>()),
      time_(std::make_unique<SystemLocalTime>()) {}

NumoraApp::~NumoraApp() = default;

int NumoraApp::run() {
    loadStartValues(state_, *profile_, *time_);
    createDeviceFolders(device_, state_.dataFolder);
    PlaceholderWindow window(state_, device_);
    window.show();
    return QApplication::exec();
}

}  // namespace numora
