// The main window's Check Picks: each pick-list line gets the label of its
// matches with a draw the user chooses among the latest, and the best line is
// shown with its matched balls ringed.
#include <QAction>

#include <algorithm>
#include <map>

#include "analysis/LineCheck.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickListText.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "ui/check/CheckDrawDialog.h"
#include "ui/check/CheckPicksTexts.h"
#include "ui/main/MainWindow.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/PickList.h"

namespace numora {

namespace {

// The latest draws as the user chooses among them: their short dates and
// numbers. Draws of one day get their place among them, the later one (which
// comes first) the higher.
std::vector<CheckableDraw> checkableDraws(const DrawList& draws, const std::vector<std::size_t>& positions,
                                          const LotteryProfile& lottery, const LocaleInfo& locale,
                                          const LocalTime& time) {
    std::vector<CheckableDraw> choices;
    for (const std::size_t position : positions) {
        const DrawRecord& draw = draws.at(position);
        choices.push_back(
            {locale.formatShortDate(time.fromSeconds(draw.date)), makeLineText(drawAsLine(draw), lottery)});
    }
    std::map<std::string, int> perDay;
    for (const CheckableDraw& choice : choices) ++perDay[choice.date];
    std::map<std::string, int> placed;
    for (CheckableDraw& choice : choices) {
        const int count = perDay[choice.date];
        if (count < 2) continue;
        const int place = count - placed[choice.date]++;
        choice.date = formatText(checkpicks::kSameDayDraw, choice.date.c_str(), place);
    }
    return choices;
}

}  // namespace

void MainWindow::connectCheckCommands() {
    connect(controls_.commandBar->checkPicks(), &QAction::triggered, this, &MainWindow::checkPicks);
    // After pickListTapped has shown the tapped line's balls.
    connect(controls_.pickList, &PickList::tapped, this, &MainWindow::markCheckedBalls);
}

void MainWindow::checkPicks() {
    const LotteryProfile& lottery = services_.state.current;
    if (draws_.empty()) {
        services_.prompter.report(formatText(checkpicks::kNoDraws, lottery.name.c_str()));
        return;
    }
    PickList& list = *controls_.pickList;
    std::vector<std::optional<PickedLine>> picks;
    if (!showsNoPicks(list.topLine())) {
        for (const std::string& text : list.lines()) picks.push_back(readLineText(text, lottery));
    }
    if (std::none_of(picks.begin(), picks.end(), [](const auto& pick) { return pick.has_value(); })) {
        services_.prompter.report(checkpicks::kNoPicks);
        return;
    }

    const std::vector<std::size_t> latest = latestDraws(draws_, checkpicks::kRecentDraws);
    CheckDrawDialog dialog(checkableDraws(draws_, latest, lottery, services_.locale, services_.time), this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return;
    checkedDraw_ = draws_.at(latest[static_cast<std::size_t>(dialog.chosen())]);

    const PicksCheck checked = numora::checkPicks(picks, *checkedDraw_, lottery);
    list.setLabels(checked.labels);
    list.setCurrentItem(list.topLevelItem(static_cast<int>(checked.best.value_or(0))));
    pickListTapped();
    markCheckedBalls();
}

void MainWindow::markCheckedBalls() {
    std::array<bool, kBallSlotCount> marks{};
    const PickList& list = *controls_.pickList;
    const auto selected = list.selectedLine();
    const auto line = selected ? readLineText(*selected, services_.state.current) : std::nullopt;
    if (checkedDraw_ && line && !list.selectedLabel().empty()) {
        const LineMatch match = matchLine(*line, *checkedDraw_, services_.state.current);
        std::copy(match.matchedSlots.begin(), match.matchedSlots.end(), marks.begin());
        marks[kBonusSlot - 1] = match.bonusMatched;
    }
    controls_.balls->setMarks(marks);
}

}  // namespace numora
