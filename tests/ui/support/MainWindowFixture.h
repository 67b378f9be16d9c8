#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
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
#include "app/DevicePaths.h"
#include "draws/DrawFile.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/LotteryStore.h"
#include "settings/OptionKeys.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "support/RecordingPrompter.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"
#include "ui/WavePlayer.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"

namespace numora {

// Keeps the files it was asked to play.
class RecordingSound final : public WavePlayer {
public:
    void play(const std::filesystem::path& hostFile) override { played.push_back(hostFile); }
    std::vector<std::filesystem::path> played;
};

inline constexpr char kTestDataFolder[] = "\\Program Files\\Numora";
inline constexpr std::int64_t kTestClock = 1'700'000'000;
inline constexpr ScreenSize kPortraitScreen{240, 320};

// A main window on a fresh device root, with an in-memory option store, a
// fixed locale and clock, a recording prompter and a recording sound player.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : device(root.path()) { createDeviceFolders(device, kTestDataFolder); }

    void setOption(const TextOptionKey& option, const std::string& value) {
        profile.writeText(option.section, option.key, value);
    }

    std::filesystem::path hostPath(const std::string& devicePath) const { return device.toHost(devicePath).value(); }

    // Lists the lotteries in the settings file and writes their profiles.
    void writeLotteries(std::initializer_list<LotteryProfile> lotteries) {
        SettingsFile settings;
        settings.Load(hostPath(settingsFilePath(kTestDataFolder)));
        for (const LotteryProfile& lottery : lotteries) saveLottery(settings, lottery);
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
        ASSERT_TRUE(DrawFile::save(device, kTestDataFolder, lottery, draws).ok());
    }

    // Ball pictures of one plain colour each, so a slot tells which it shows.
    static QColor colourOf(int number) { return QColor::fromHsv((number * 47 + 400) % 360, 255, 230); }
    void writeBallPictures(std::initializer_list<int> numbers) {
        for (const int number : numbers) {
            QImage picture(12, 12, QImage::Format_RGB32);
            picture.fill(colourOf(number));
            const auto file = hostPath(std::string(kTestDataFolder) + "\\Balls\\" + std::to_string(number) + ".jpg");
            ASSERT_TRUE(picture.save(QString::fromStdString(file.string()), "JPG", 100));
        }
    }

    MainWindow& open(ScreenSize screen = kPortraitScreen) {
        const MainWindowServices services{state, device, profile, locale, time, prompter, sound,
                                          [] { return kTestClock; }, screen};
        window = std::make_unique<MainWindow>(services);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    template <typename Control>
    Control& control(const char* name) const {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    PickList& pickList() const { return control<PickList>("pickList"); }
    LotterySelector& selector() const { return control<LotterySelector>("lotterySelector"); }
    BallDisplay& balls() const { return control<BallDisplay>("ballDisplay"); }
    std::string status() const { return control<QLabel>("statusLine").text().toStdString(); }
    void trigger(const char* action) const { control<QAction>(action).trigger(); }
    void pick() const { control<QPushButton>("pickButton").click(); }

    // Chooses an entry in the selector's drop-down list, as a tap does.
    void chooseInSelector(const std::string& name) const {
        LotterySelector& list = selector();
        list.showPopup();
        const int row = list.findText(QString::fromStdString(name));
        const QModelIndex entry = list.view()->model()->index(row, 0);
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, list.view()->visualRect(entry).center());
        QApplication::processEvents();
    }

    void tapLine(int row) const {
        PickList& list = pickList();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.topLevelItem(row)).center());
    }

    QColor shownColour(int slot) const {
        const QPixmap picture = balls().picture(slot);
        return picture.isNull() ? QColor() : picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    }

    testing::ScratchFolder root;
    DevicePaths device;
    AppState state;
    InMemoryAppProfile profile;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    RecordingPrompter prompter;
    RecordingSound sound;
    std::unique_ptr<MainWindow> window;
};

}  // namespace numora
