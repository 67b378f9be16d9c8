#include "picking/PickListText.h"

#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

std::vector<std::string> welcomeLines(const LotteryProfile& lottery, bool withBallsLine) {
    std::vector<std::string> lines{kWelcomeFirstLine, lottery.name, kWelcomePredicted, kWelcomeOtherLottery,
                                   kWelcomeGoodLuck};
    if (!withBallsLine) return lines;
    std::string balls = formatText(kBallsLine, lottery.balls, lottery.min, lottery.max);
    if (hasSecondDrum(lottery)) {
        balls += formatText(kSecondDrumBallsLine, lottery.drum2, lottery.drum2Min, lottery.drum2Max);
    }
    lines.push_back(std::move(balls));
    return lines;
}

bool showsNoPicks(std::string_view topLine) { return topLine.find(kNoPicksMark) != std::string_view::npos; }

}  // namespace numora
