#include "PlaceholderWindow.h"

#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "settings/LotteryStore.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "app/DevicePaths.h"

namespace numora {

PlaceholderWindow::PlaceholderWindow(AppState& state, const DevicePaths& device) {
    SettingsFile settings;
    if (const auto host = device.toHost(settingsFilePath(state.dataFolder))) settings.Load(*host);
    readLotteryProfile(settings, state.current.name, state.current);
    settings.Clear();
    DrawList draws;
    DrawFile::load(device, state.dataFolder, state.current.name, draws);
    setObjectName(QStringLiteral("placeholderWindow"));
    setWindowTitle(QStringLiteral("Numora"));
    setText(QStringLiteral("%1\n%2 past draws").arg(QString::fromStdString(state.current.name)).arg(draws.size()));
    setAlignment(Qt::AlignCenter);
    resize(240, 320);
}

}  // namespace numora
