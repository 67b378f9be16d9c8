// The checked pick list and the Trends window, with the draws of a real
// lottery: Canada's Lotto 6/49 from 1982 to 2024, as its publisher's file
// gives them.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <fstream>
#include <sstream>

#include "Gallery.h"
#include "draws/DrawFile.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/LotteryStore.h"
#include "settings/OptionKeys.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "ui/check/CheckDrawDialog.h"
#include "ui/controls/PickList.h"
#include "ui/main/MainWindow.h"
#include "ui/trends/TrendsWindow.h"

namespace numora::gallery {

namespace {

constexpr char kDrawsFile[] = NUMORA_REAL_DRAWS "/canada-lotto649.csv";
const LotteryProfile kCanada{"Canada 649", 6, 1, 49, 49, false, true, false, true};
constexpr int kPicks = 6;
constexpr QSize kPortrait(240, 294);
constexpr QSize kLandscape(320, 214);
constexpr QSize kSquare(240, 214);
constexpr std::int64_t kClock = 1'717'000'000;
// Fields of a line of the file: "649",1,0,"1982-06-12",3,11,12,14,41,43,13
constexpr int kDateField = 3;
constexpr int kFirstBallField = 4;
constexpr int kBonusField = 10;

// The draws of the file, oldest first as it holds them; the date of each at
// midnight.
DrawList canadaDraws() {
    DrawList draws;
    std::ifstream file(kDrawsFile);
    std::string line;
    std::getline(file, line);  // the heading
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) {
            std::erase(cell, '"');
            std::erase(cell, '\r');
            fields.push_back(cell);
        }
        if (fields.size() <= kBonusField) continue;
        const std::string& date = fields[kDateField];
        DrawRecord draw;
        draw.date = clampToDrawSeconds(
            daysFromCivil(std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2))) *
            86400);
        for (int ball = 1; ball <= 6; ++ball) draw.ball(ball) = std::stoi(fields[kFirstBallField + ball - 1]);
        draw.bonus = std::stoi(fields[kBonusField]);
        draws.append(draw);
    }
    return draws;
}

void saveCanada(Gallery& gallery, const DrawList& draws) {
    const DevicePaths& device = gallery.device();
    SettingsFile settings;
    settings.Load(device.toHost(settingsFilePath(gallery.state().dataFolder)).value());
    saveLottery(settings, kCanada);
    DrawFile::save(device, gallery.state().dataFolder, kCanada.name, draws);
}

// With `ownLine`, the user's own line goes on top of the picks.
void shootCheckedPicks(Gallery& gallery, const QString& name, ScreenSize screen,
                       const std::string& lottery = kCanada.name, const std::string& ownLine = {}) {
    const DevicePaths& device = gallery.device();
    AppState state;
    InMemoryAppProfile profile;
    profile.writeText(kLotteryNameOption.section, kLotteryNameOption.key, lottery);
    const FixedLocaleInfo locale;
    const FixedOffsetLocalTime time;
    SilentPrompter prompter;
    SilentSound sound;
    const MainWindowServices services{state, device, profile, locale, time, prompter, sound, [] { return kClock; },
                                      screen};
    MainWindow window(services);
    window.show();
    auto* pick = window.findChild<QPushButton*>(QStringLiteral("pickButton"));
    for (int i = 0; i < kPicks; ++i) pick->click();
    if (!ownLine.empty()) window.findChild<PickList*>(QStringLiteral("pickList"))->insertAtTop(ownLine, true);

    // The draw dialog is shot with the latest draw chosen, then answered.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CheckDrawDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        gallery.save(name + QStringLiteral("-draw"), dialog->grab());
        dialog->accept();
    });
    window.findChild<QAction*>(QStringLiteral("checkPicksAction"))->trigger();
    gallery.saveWidget(name, window);
}

// The window takes its parent's size: the main window's on the device screen.
void shootTrends(Gallery& gallery, const QString& name, const LotteryProfile& lottery, const DrawList& draws,
                 QSize size, int last, int order, int kind, int highlighted = -1) {
    QWidget parent;
    parent.resize(size);
    TrendsWindow window(draws, lottery, &parent);
    window.findChild<QComboBox*>(QStringLiteral("trendsLast"))->setCurrentIndex(last);
    window.findChild<QComboBox*>(QStringLiteral("trendsOrder"))->setCurrentIndex(order);
    window.findChild<QComboBox*>(QStringLiteral("trendsBalls"))->setCurrentIndex(kind);
    auto* table = window.findChild<QTreeWidget*>(QStringLiteral("trendsTable"));
    if (highlighted >= 0) table->setCurrentItem(table->topLevelItem(highlighted));
    gallery.saveWidget(name, window);
}

}  // namespace

void shootAnalysis(Gallery& gallery) {
    const DrawList draws = canadaDraws();
    if (draws.empty()) return;
    saveCanada(gallery, draws);
    shootCheckedPicks(gallery, QStringLiteral("check-picks"), {240, 320});
    shootCheckedPicks(gallery, QStringLiteral("check-picks-landscape"), {320, 240});
    shootCheckedPicks(gallery, QStringLiteral("check-picks-square"), {240, 240});
    // Last 50 by number; all draws by count; the last 100 bonuses by draws
    // since seen, on the landscape and square screens.
    shootTrends(gallery, QStringLiteral("trends"), kCanada, draws, kPortrait, 2, 0, 0, 16);
    shootTrends(gallery, QStringLiteral("trends-all-by-count"), kCanada, draws, kPortrait, 4, 1, 0);
    shootTrends(gallery, QStringLiteral("trends-bonus-by-since-landscape"), kCanada, draws, kLandscape, 3, 2, 1);
    shootTrends(gallery, QStringLiteral("trends-square"), kCanada, draws, kSquare, 1, 0, 0);

    // EuroMillions: its picks checked, and its stars counted apart.
    // A line of the user's own that holds three balls and both stars of the latest draw.
    shootCheckedPicks(gallery, QStringLiteral("check-picks-second-drum"), {240, 320}, kEuroMillions.name,
                      "01  06  13  30  41  + 02  08 ");
    DrawList euroMillions;
    DrawFile::load(gallery.device(), gallery.state().dataFolder, kEuroMillions.name, euroMillions);
    shootTrends(gallery, QStringLiteral("trends-second-drum"), kEuroMillions, euroMillions, kPortrait, 2, 0, 1);
}

}  // namespace numora::gallery
