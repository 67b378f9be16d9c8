#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "draws/DrawFile.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/LotteryStore.h"
#include "settings/OptionKeys.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "support/RecordingPrompter.h"
#include "ui/main/MainWindow.h"
#include "ui/services/WavePlayer.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/DropDown.h"
#include "ui/support/PlainPictures.h"
#include "ui/support/Widgets.h"

namespace numora {

// Keeps the files it was asked to play.
class RecordingSound final : public WavePlayer {
public:
    void play(const std::filesystem::path& hostFile) override { played.push_back(hostFile); }
    std::vector<std::filesystem::path> played;
};

inline constexpr std::int64_t kTestClock = 1'700'000'000;

// The pick list's welcome lines for a lottery, with the line of its balls when given.
inline std::vector<std::string> welcomeFor(const std::string& name, const std::string& ballsLine = {}) {
    std::vector<std::string> lines{"Select PICK to calculate your", name, "predicted numbers",
                                   "or select a different lottery.", "Good Luck!"};
    if (!ballsLine.empty()) lines.push_back(ballsLine);
    return lines;
}

// A main window on a fresh device root, with an in-memory option store, a
// fixed locale and clock, a recording prompter and a recording sound player.
class MainWindowTest : public ::testing::Test, protected DeviceRoot {
protected:
    static inline const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};

    // Lotto is the one lottery listed, and the one chosen.
    MainWindowTest() {
        createDeviceFolders(paths, kTestDataFolder);
        writeLotteries({kLotto});
        setOption(kLotteryNameOption, kLotto.name);
    }

    void setOption(const TextOptionKey& option, const std::string& value) {
        profile.writeText(option.section, option.key, value);
    }
    std::filesystem::path settingsFile() const { return host(settingsFilePath(kTestDataFolder)); }

    // Lists the lotteries in the settings file and writes their profiles.
    void writeLotteries(std::initializer_list<LotteryProfile> lotteries) {
        SettingsFile settings;
        settings.Load(settingsFile());
        for (const LotteryProfile& lottery : lotteries) saveLottery(settings, lottery);
    }
    void removeLotteries(std::initializer_list<const char*> names) {
        SettingsFile settings;
        settings.Load(settingsFile());
        for (const char* name : names) deleteLottery(settings, name);
    }

    // `count` weekly draws of six different numbers from 1 to 49.
    void writeDraws(const std::string& lottery, int count) {
        DrawList draws;
        for (int i = 0; i < count; ++i) {
            DrawRecord draw;
            draw.date = 1'600'000'000 + i * 604'800;
            for (int ball = 1; ball <= 6; ++ball) draw.ball(ball) = 1 + (i * 7 + ball * 8) % 49;
            draw.bonus = 1 + (i * 5) % 49;
            draws.append(draw);
        }
        ASSERT_TRUE(DrawFile::save(paths, kTestDataFolder, lottery, draws).ok());
    }

    // Ball pictures, by default those of the idle display: -2 to -8 and the
    // empty ball -1.
    void writeBallPictures(std::initializer_list<int> numbers = {-1, -2, -3, -4, -5, -6, -7, -8}) {
        for (const int number : numbers) pictures.write(ballFile(std::to_string(number) + ".jpg"));
    }
    static inline const std::vector<int> kIdleBalls{-2, -3, -4, -5, -6, -7, -8, -1};
    // The number each slot shows, as far as the written pictures tell; 1000
    // where it shows none of them.
    std::vector<int> shownBalls() const {
        std::vector<int> shown;
        for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot) {
            const std::string name = pictures.nameOf(balls().picture(slot));
            shown.push_back(name.empty() ? 1000 : std::stoi(name));
        }
        return shown;
    }

    // The line the engine makes from the lottery's draws on disk for a pick
    // with `lines` lines in the list.
    std::string expectedLine(int lines, LineKind kind, const Options& options) const {
        DrawList draws;
        DrawFile::load(paths, kTestDataFolder, kLotto.name, draws);
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        return makeLineText(makePick(engine, {kLotto, draws, options, lines, kind, kTestClock}, progress).line, kLotto);
    }

    MainWindow& open(ScreenSize screen = {240, 320}) {
        window.reset();
        window = std::make_unique<MainWindow>(MainWindowServices{state, paths, profile, locale, time, prompter,
                                                                 sound, [] { return kTestClock; }, screen});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    template <typename Control>
    Control& control(const QString& name) const {
        return child<Control>(*window, name);
    }
    PickList& pickList() const { return control<PickList>("pickList"); }
    LotterySelector& selector() const { return control<LotterySelector>("lotterySelector"); }
    BallDisplay& balls() const { return control<BallDisplay>("ballDisplay"); }
    std::string status() const { return control<QLabel>("statusLine").text().toStdString(); }
    void trigger(const char* action) const { control<QAction>(action).trigger(); }
    void pick() const { control<QPushButton>("pickButton").click(); }

    // Chooses an entry in the selector's drop-down list, as a tap does.
    void chooseInSelector(const std::string& name) const { chooseEntry(selector(), name); }
    void tapLine(int row) const {
        PickList& list = pickList();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.topLevelItem(row)).center());
    }

    AppState state;
    InMemoryAppProfile profile;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    RecordingPrompter prompter;
    RecordingSound sound;
    PlainPictures pictures;
    std::unique_ptr<MainWindow> window;
};

}  // namespace numora
