// The Pick Rules window in its three layouts, and the main window with the
// mark of the rules on its Pick button.
#include <QPushButton>

#include "Gallery.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/OptionKeys.h"
#include "settings/PickRulesStore.h"
#include "ui/main/MainWindow.h"
#include "ui/rules/PickRulesDialog.h"

namespace numora::gallery {

namespace {

const LotteryProfile kLotto{"Lotto 649", 6, 1, 49, 49, false, true, false, true};
const LotteryProfile kHundred{"Pick 5 of 100", 5, 0, 99, 0, false, true, false, false};
constexpr std::int64_t kClock = 1'700'000'000;
constexpr int kPicks = 4;

BallSet ballsOf(std::initializer_list<int> numbers) {
    BallSet set;
    for (const int number : numbers) set.set(static_cast<std::size_t>(number));
    return set;
}

const PickRules kRules{ballsOf({7, 13}), ballsOf({1, 2, 3, 4, 5, 44, 45, 46, 47, 48, 49}), true};

void shootDialog(Gallery& gallery, const QString& name, const LotteryProfile& lottery, ScreenSize screen) {
    InMemoryAppProfile options;
    SilentPrompter prompter;
    PickRulesDialog dialog(lottery, kRules, options, prompter, screen);
    gallery.saveWidget(name, dialog);
}

void shootMarkedMainWindow(Gallery& gallery, const QString& name, ScreenSize screen) {
    AppState state;
    InMemoryAppProfile profile;
    profile.writeText(kLotteryNameOption.section, kLotteryNameOption.key, kLotto.name);
    writePickRules(profile, kLotto.name, kRules);
    const FixedLocaleInfo locale;
    const FixedOffsetLocalTime time;
    SilentPrompter prompter;
    SilentSound sound;
    const MainWindowServices services{state, gallery.device(), profile, locale, time, prompter, sound,
                                      [] { return kClock; }, screen};
    MainWindow window(services);
    auto* pick = window.findChild<QPushButton*>(QStringLiteral("pickButton"));
    for (int i = 0; i < kPicks; ++i) pick->click();
    gallery.saveWidget(name, window);
}

}  // namespace

void shootPickRules(Gallery& gallery) {
    shootDialog(gallery, QStringLiteral("pick-rules"), kLotto, {240, 320});
    shootDialog(gallery, QStringLiteral("pick-rules-landscape"), kLotto, {320, 240});
    shootDialog(gallery, QStringLiteral("pick-rules-square"), kLotto, {240, 240});
    shootDialog(gallery, QStringLiteral("pick-rules-hundred"), kHundred, {240, 320});
    shootDialog(gallery, QStringLiteral("pick-rules-hundred-landscape"), kHundred, {320, 240});
    shootDialog(gallery, QStringLiteral("pick-rules-hundred-square"), kHundred, {240, 240});
    shootMarkedMainWindow(gallery, QStringLiteral("pick-rules-main-window"), {240, 320});
    shootMarkedMainWindow(gallery, QStringLiteral("pick-rules-main-window-landscape"), {320, 240});
    shootMarkedMainWindow(gallery, QStringLiteral("pick-rules-main-window-square"), {240, 240});
}

}  // namespace numora::gallery
