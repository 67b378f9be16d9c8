// The main window's picks: the Pick command and reading a pick-list line
// back into the balls.
#include <algorithm>

#include "app/AppState.h"
#include "platform/Prompter.h"
#include "app/BallPictureNames.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickListText.h"
#include "settings/BallSlots.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/services/WavePlayer.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/PickList.h"

namespace numora {

namespace {

// A line always shows its first three balls; the rest as the lottery has them.
constexpr int kAlwaysShownSlots = 3;

}  // namespace

void MainWindow::OnPick() {
    AppState& state = services_.state;
    if (state.options.playSounds) playSound(state.options.pickSound);
    if (draws_.empty()) state.randomMode = true;

    const LineKind kind = state.randomMode ? LineKind::Random : LineKind::Analysed;
    progress_.setStatusText(kind == LineKind::Random ? mainwindow::kStatusAnalyzing
                                                     : PredictionEngine::kStatusAnalysing);
    // The first pick empties the welcome lines, so the analysis counts none.
    const int lines = state.welcomeShown ? 0 : controls_.pickList->topLevelItemCount();
    const TakenLines listed = listedLines();
    const PickRequest request{state.current, draws_, state.options, lines, kind, services_.clock(), rules_, &listed};
    const PickResult made = makePick(engine_, request, progress_);
    if (made.refused()) {
        // A profile that cannot give a line: the list and the balls stay.
        services_.prompter.report(std::string(made.refusal));
        showModeStatus();
        return;
    }
    if (state.welcomeShown) {
        controls_.pickList->clear();
        state.welcomeShown = false;
    }
    showLine(made.line);
    controls_.pickList->insertAtTop(makeLineText(made.line, state.current), true);
    showModeStatus();
}

void MainWindow::showLine(const PickedLine& line) {
    BallDisplay& balls = *controls_.balls;
    balls.clear();
    // The balls, then the second drum's numbers after them.
    const int shownSlots = std::max(kAlwaysShownSlots, slotsInPlay(services_.state.current));
    for (int slot = kFirstBallSlot; slot <= PickedLine::kSlotCount; ++slot) {
        if (slot <= shownSlots) balls.ShowBall(slot, line.slots[static_cast<std::size_t>(slot - 1)]);
    }
    balls.ShowBall(kBonusSlot, line.bonus);
}

void MainWindow::pickListTapped() {
    PickList& list = *controls_.pickList;
    if (showsNoPicks(list.topLine())) {
        list.clear();
        showFieldValues();
    }
    const auto selected = list.selectedLine();
    if (!selected) return;
    const auto line = readLineText(*selected, services_.state.current);
    if (!line) return;
    BallDisplay& balls = *controls_.balls;
    for (int slot = kFirstBallSlot; slot <= PickedLine::kSlotCount; ++slot)
        balls.ShowBall(slot, line->slots[static_cast<std::size_t>(slot - 1)]);
    balls.ShowBall(kBonusSlot, line->bonus);
    balls.repaint();
}

// A sound file is a device path, or a path elsewhere on the computer.
void MainWindow::playSound(const std::string& soundFile) {
    if (const auto hostFile = services_.device.hostPathOf(soundFile)) services_.sound.play(*hostFile);
}

}  // namespace numora
