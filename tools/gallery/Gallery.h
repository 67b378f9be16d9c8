#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include "app/AppState.h"
#include "app/ScreenShape.h"
#include "platform/DevicePaths.h"
#include "platform/Prompter.h"
#include "ui/services/WavePlayer.h"

class QWidget;

namespace numora {
class AppProfile;
}

namespace numora::gallery {

// Where the pictures go, and the device the windows are shown on: a fresh
// device root with the program's own pictures and sound installed.
class Gallery {
public:
    Gallery(const QDir& outDir, const DevicePaths& device, AppState& state);

    const DevicePaths& device() const { return device_; }
    AppState& state() { return state_; }

    void save(const QString& name, const QPixmap& picture);
    // Shows the widget offscreen, lets it settle and saves what it paints.
    void saveWidget(const QString& name, QWidget& widget);
    // Runs `open`, which opens a modal window, saves that window (painted
    // over the middle of `over` when given) and closes it.
    void saveModal(const QString& name, const std::function<void()>& open, QWidget* over = nullptr);

    const QStringList& written() const { return written_; }
    int failures() const { return failures_; }

private:
    QDir outDir_;
    const DevicePaths& device_;
    AppState& state_;
    QStringList written_;
    int failures_ = 0;
};

// The main window's services that the pictures need not hear: no message
// box, no sound.
class SilentPrompter final : public Prompter {
public:
    void report(const std::string&, PromptIcon) override {}
    bool ask(const std::string&) override { return false; }
};

class SilentSound final : public WavePlayer {
public:
    void play(const std::filesystem::path&) override {}
};

// A sheet of labelled pictures in rows, for looking at many small ones at once.
class Sheet {
public:
    explicit Sheet(int columns, int cellWidth, int cellHeight);
    void add(const QPixmap& picture, const QString& label);
    void newRow(const QString& heading);
    QPixmap render() const;

private:
    struct Cell {
        QPixmap picture;
        QString label;
        int row;
        int column;
    };
    int columns_;
    int cellWidth_;
    int cellHeight_;
    int row_ = 0;
    int column_ = 0;
    QList<Cell> cells_;
    QList<QPair<int, QString>> headings_;
};

// A lottery with a second drum: five balls and two stars.
extern const LotteryProfile kEuroMillions;

// The sample lotteries that the main window shows, with draws of the first
// and of EuroMillions.
void writeLotteries(const DevicePaths& device);
// The main window on the device screen after a number of picks of the
// lottery, by default the first; `prepare` adds to the options it opens with.
void shootMainWindow(Gallery& gallery, const QString& name, ScreenSize screen, int picks,
                     const std::string& lottery = {}, const std::function<void(AppProfile&)>& prepare = {});

void shootArt(Gallery& gallery);
void shootControls(Gallery& gallery);
void shootMainWindows(Gallery& gallery);
void shootHelpScreens(Gallery& gallery);
void shootMessages(Gallery& gallery);
void shootAnalysis(Gallery& gallery);
void shootEditorWindows(Gallery& gallery);
void shootPastDrawsWindows(Gallery& gallery);
void shootPastDrawsAtScaleTwo(Gallery& gallery);
void shootImportPreview(Gallery& gallery);
void shootWheelWindows(Gallery& gallery);
void shootPickRules(Gallery& gallery);
void shootTickets(Gallery& gallery);
// Run with QT_SCALE_FACTOR=2: the main window and the art at scale 2, beside
// what enlarged small pictures would show.
void shootAtScaleTwo(Gallery& gallery);

}  // namespace numora::gallery
