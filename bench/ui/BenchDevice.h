#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "draws/DrawFile.h"
#include "platform/DevicePaths.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "ui/pastdraws/PastDrawsWindow.h"

namespace numora::bench {

// The most draws a list holds before its count needs the long form.
inline constexpr int kManyDraws = 65535;
inline constexpr char kDataFolder[] = "\\Program Files\\Numora";

class SilentPrompter final : public Prompter {
public:
    void report(const std::string&, PromptIcon) override {}
    bool ask(const std::string&) override { return false; }
};

// Daily draws of six numbers from 1 to 49 with a bonus.
inline DrawList manyDraws(int count) {
    DrawList draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        DrawRecord draw;
        draw.date = 100'000'000 + i * 86'400;
        for (int ball = 1; ball <= 6; ++ball) draw.ball(ball) = 1 + (i * 7 + ball * 8) % 49;
        draw.bonus = 1 + (i * 5) % 49;
        draws.append(draw);
    }
    return draws;
}

// A device root with two lotteries: "Many" with the given draws and "None"
// with a draw file that holds none.
class BenchDevice {
public:
    explicit BenchDevice(int draws) : paths_(root_.path().toStdString()) {
        createDeviceFolders(paths_, kDataFolder);
        DrawFile::save(paths_, kDataFolder, "Many", manyDraws(draws));
        DrawFile::save(paths_, kDataFolder, "None", {});
        state_.dataFolder = kDataFolder;
        state_.current = {"Many", 6, 1, 49, 49, false, true, false, true};
        state_.startTime = time_.now();
        state_.startSeconds = time_.toSeconds(state_.startTime);
    }

    const DevicePaths& paths() const { return paths_; }
    AppState& state() { return state_; }
    void choose(const std::string& lottery) { state_.current.name = lottery; }

    std::unique_ptr<PastDrawsWindow> pastDraws(std::optional<std::string> chosenFile = std::nullopt) {
        const ChooseFile chooser = [chosenFile](std::string_view) { return chosenFile; };
        return std::make_unique<PastDrawsWindow>(
            PastDrawsServices{state_, paths_, locale_, time_, prompter_, chooser, {240, 320}});
    }
    const LocaleInfo& locale() const { return locale_; }
    const LocalTime& time() const { return time_; }

private:
    QTemporaryDir root_;
    DevicePaths paths_;
    AppState state_;
    FixedLocaleInfo locale_;
    FixedOffsetLocalTime time_;
    SilentPrompter prompter_;
};

// Shows a window and waits until the widget inside it has painted once.
inline void showUntilPainted(QWidget& window, QWidget& painted) {
    struct PaintWatch : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) seen = true;
            return false;
        }
    } watch;
    painted.installEventFilter(&watch);
    window.show();
    while (!watch.seen) QApplication::processEvents();
    painted.removeEventFilter(&watch);
}

inline double milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace numora::bench
