// The Pick Rules window in its three layouts, and the main window with the
// mark of the rules on its Pick button.
#include "Gallery.h"
#include "platform/AppProfile.h"
#include "settings/PickRulesStore.h"
#include "ui/rules/PickRulesDialog.h"

namespace numora::gallery {

namespace {

// The first of the sample lotteries, which the main window shows.
constexpr char kLotteryName[] = "Lotto 649";
const LotteryProfile kLotto{kLotteryName, 6, 1, 49, 49, false, true, false, true};
const LotteryProfile kHundred{"Pick 5 of 100", 5, 0, 99, 0, false, true, false, false};
constexpr int kPicks = 4;

// Two fixed numbers, the lowest and the highest excluded, a new line each Pick.
constexpr char kRules[] = "fixed 7 13 excluded 1-5 44-49 new-line";

void storeRules(AppProfile& options, const std::string& lottery) {
    options.writeText(kPickRulesSection, lottery, kRules);
}

void shootDialog(Gallery& gallery, const QString& name, const LotteryProfile& lottery, ScreenSize screen) {
    InMemoryAppProfile options;
    storeRules(options, lottery.name);
    SilentPrompter prompter;
    PickRulesDialog dialog(lottery, readPickRules(options, lottery.name).rules, options, prompter, screen);
    gallery.saveWidget(name, dialog);
}

void shootMarkedMainWindow(Gallery& gallery, const QString& name, ScreenSize screen) {
    shootMainWindow(gallery, name, screen, kPicks, {},
                    [](AppProfile& options) { storeRules(options, kLotteryName); });
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
