// The main window's lottery: choosing one, the lottery list after the
// profile editor, and the past draws after the windows that change them.
#include "app/AppState.h"
#include "platform/Prompter.h"
#include "picking/PickListText.h"
#include "settings/LotteryStore.h"
#include "settings/OptionStore.h"
#include "ui/main/MainWindow.h"
#include "ui/chooser/FileChooser.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/pastdraws/PastDrawsWindow.h"
#include "ui/editor/ProfileEditor.h"
#include "ui/stats/StatsWindow.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"

namespace numora {

void MainWindow::selectorClosed() {
    takeControlValues();
    // With nothing selected (an empty list, or typed text that names no
    // lottery) there is no lottery to choose, and nothing changes.
    if (const auto name = controls_.selector->selectedName()) chooseLottery(*name);
}

void MainWindow::chooseLottery(const std::string& name) {
    AppState& state = services_.state;
    loadDrawsAndMode(name);
    if (draws_.size() < mainwindow::kFewestDrawsForTrend) {
        services_.prompter.report(mainwindow::kNotEnoughDraws);
        setRandomMode(true);
    }
    readLotteryProfile(settings_, name, state.current);
    loadPickRules();
    showWelcome(true);
    controls_.balls->clear();
    controls_.balls->showIdle();
    controls_.balls->repaint();
    SaveOptions(services_.profile, state.options, state.current.name);
}

void MainWindow::addLotteryType() {
    AppState& state = services_.state;
    lotteryField_ = QString::fromStdString(state.current.name);
    showFieldValues();
    {
        // The editor's store writes itself once more as the editor goes, so
        // the editor goes before the file is read again.
        ProfileEditor editor(state, services_.device, services_.profile, services_.prompter, services_.screen, this);
        editor.exec();
    }
    update();

    settings_.Clear();
    if (!loadSettings()) return;
    fillSelector();
    const std::vector<std::string> names = controls_.selector->names();
    // With no lottery listed there is none to choose, and nothing changes.
    if (names.empty()) return;
    if (!findLotteryInList(names, state.current.name)) {
        state.current.name = names.front();
        lotteryField_ = QString::fromStdString(state.current.name);
        showFieldValues();
    }
    controls_.selector->selectName(state.current.name);
    if (const auto name = controls_.selector->selectedName()) chooseLottery(*name);
}

void MainWindow::pastDraws() {
    {
        PastDrawsWindow window({services_.state, services_.device, services_.locale, services_.time,
                                services_.prompter,
                                makeChooseFile(services_.device, services_.locale, services_.time, services_.screen, this),
                                services_.screen},
                               this);
        window.exec();
    }
    loadDraws(services_.state.current.name);
    if (draws_.empty()) return;
    progress_.setStatusText(mainwindow::kStatusReadyAfterPastDraws);
    services_.state.randomMode = false;
}

void MainWindow::drawStats() {
    {
        StatsWindow window(services_.state, services_.device, services_.screen, this);
        window.exec();
    }
    loadDraws(services_.state.current.name);
}

DrawFileResult MainWindow::loadDraws(const std::string& name) {
    DrawFileResult loaded = DrawFile::load(services_.device, services_.state.dataFolder, name, draws_);
    reportUnreadDraws(loaded, name);
    return loaded;
}

// Draws that cannot be read, or none, mean random picks; a damaged file
// counts as unread, though the draws before the damage are kept.
void MainWindow::loadDrawsAndMode(const std::string& name) {
    const DrawFileResult loaded = loadDraws(name);
    setRandomMode(!loaded.ok() || draws_.empty());
}

// A damaged draw file keeps the draws read before the damage; one that cannot
// be read at all (no permission, not a file, too large) gives none, and picks
// are random until it can. Either way the user hears of it once, not at every
// reload; a later good load of the lottery lets a new fault be told again. A
// missing file is the ordinary state of a new lottery and is not told.
void MainWindow::reportUnreadDraws(const DrawFileResult& loaded, const std::string& name) {
    if (loaded.status != DrawFileResult::Status::Damaged && loaded.status != DrawFileResult::Status::Unreadable) {
        if (name == unreadReported_) unreadReported_.clear();
        return;
    }
    if (name == unreadReported_) return;
    unreadReported_ = name;
    tell(loaded.message);
}

void MainWindow::setRandomMode(bool random) {
    services_.state.randomMode = random;
    showModeStatus();
}

void MainWindow::showModeStatus() {
    progress_.setStatusText(services_.state.randomMode ? mainwindow::kStatusRandomMode : mainwindow::kStatusReady);
}

void MainWindow::showWelcome(bool withBallsLine) {
    services_.state.welcomeShown = true;
    controls_.pickList->setLines(welcomeLines(services_.state.current, withBallsLine));
}

}  // namespace numora
