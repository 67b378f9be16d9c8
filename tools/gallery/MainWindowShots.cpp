#include <QPushButton>

#include "Gallery.h"
#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "settings/LotteryStore.h"
#include "settings/OptionKeys.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "ui/main/MainWindow.h"
#include "ui/services/WavePlayer.h"

namespace numora::gallery {

// Before the lotteries that list it.
const LotteryProfile kEuroMillions{"EuroMillions", 5, 1, 50, 0, false, true, false, false, 2, 1, 12};

namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";
constexpr int kPicks = 4;
constexpr std::int64_t kClock = 1'700'000'000;
constexpr std::int32_t kWeek = 7 * 24 * 60 * 60;

const LotteryProfile kLotteries[] = {
    {"Lotto 649", 6, 1, 49, 49, false, true, false, true},
    {"Daily Pick 3", 3, 0, 9, 0, true, false, false, false},
    {"Powerball", 5, 1, 69, 26, false, true, true, false},
    kEuroMillions,
};
constexpr int kEuroMillionsDraws = 36;

// Twelve weekly draws of the first lottery.
constexpr int kDraws[][7] = {
    {3, 11, 19, 27, 38, 44, 7},  {5, 9, 17, 23, 40, 41, 12}, {1, 14, 22, 30, 35, 49, 3},
    {8, 12, 17, 26, 33, 47, 21}, {2, 9, 18, 29, 36, 42, 15}, {6, 13, 20, 25, 39, 45, 9},
    {4, 10, 17, 28, 34, 48, 30}, {7, 15, 21, 31, 37, 43, 2},  {3, 16, 24, 32, 40, 46, 18},
    {9, 11, 23, 27, 35, 41, 27}, {5, 12, 19, 26, 38, 49, 6},  {1, 17, 22, 29, 36, 44, 11},
};

// Weekly draws of five balls and two different stars after them.
DrawList euroMillionsDraws() {
    DrawList draws;
    for (int i = 0; i < kEuroMillionsDraws; ++i) {
        DrawRecord draw;
        draw.date = 1'690'000'000 + i * kWeek;
        int ball = 1 + (i * 5) % 7;
        for (int n = 1; n <= 5; ++n) {
            draw.ball(n) = ball;
            ball += 3 + (i * n * 3 + n) % 8;
        }
        draw.ball(6) = 1 + (i * 5) % 12;
        draw.ball(7) = 1 + (i * 5 + 3 + i % 4) % 12;
        draws.append(draw);
    }
    return draws;
}

}  // namespace

void writeLotteries(const DevicePaths& device) {
    SettingsFile settings;
    settings.Load(device.toHost(settingsFilePath(kDataFolder)).value());
    for (const LotteryProfile& lottery : kLotteries) saveLottery(settings, lottery);
    DrawList draws;
    std::int32_t date = 1'690'000'000;
    for (const auto& numbers : kDraws) {
        DrawRecord draw;
        draw.date = date;
        for (int i = 0; i < 6; ++i) draw.ball(i + 1) = numbers[i];
        draw.bonus = numbers[6];
        draws.append(draw);
        date += kWeek;
    }
    DrawFile::save(device, kDataFolder, kLotteries[0].name, draws);
    DrawFile::save(device, kDataFolder, kEuroMillions.name, euroMillionsDraws());
}

void shootMainWindow(Gallery& gallery, const QString& name, ScreenSize screen, int picks,
                     const std::string& lottery, const std::function<void(AppProfile&)>& prepare) {
    AppState state;
    InMemoryAppProfile profile;
    profile.writeText(kLotteryNameOption.section, kLotteryNameOption.key,
                      lottery.empty() ? kLotteries[0].name : lottery);
    // The forecasting model that seeds each pick from the whole line count,
    // so that every pick shown differs from the one before.
    profile.writeInt(kForecastModelOption.section, kForecastModelOption.key,
                     static_cast<int>(ForecastModel::HyperGeometric));
    if (prepare) prepare(profile);
    const FixedLocaleInfo locale;
    const FixedOffsetLocalTime time;
    SilentPrompter prompter;
    SilentSound sound;
    const MainWindowServices services{state, gallery.device(), profile, locale, time, prompter, sound,
                                      [] { return kClock; }, screen};
    MainWindow window(services);
    auto* pick = window.findChild<QPushButton*>(QStringLiteral("pickButton"));
    for (int i = 0; i < picks; ++i) pick->click();
    gallery.saveWidget(name, window);
}

void shootMainWindows(Gallery& gallery) {
    shootMainWindow(gallery, QStringLiteral("main-window-portrait"), {240, 320}, kPicks);
    shootMainWindow(gallery, QStringLiteral("main-window-landscape"), {320, 240}, kPicks);
    shootMainWindow(gallery, QStringLiteral("main-window-square"), {240, 240}, kPicks);
    shootMainWindow(gallery, QStringLiteral("main-window-opening"), {240, 320}, 0);
    shootMainWindow(gallery, QStringLiteral("main-window-second-drum"), {240, 320}, kPicks, kEuroMillions.name);
}

}  // namespace numora::gallery
