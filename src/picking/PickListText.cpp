#include "picking/PickListText.h"

#include "platform/FormatText.h"

namespace numora {

std::vector<std::string> welcomeLines(const LotteryProfile& lottery, bool withBallsLine) {
    std::vector<std::string> lines{kWelcomeFirstLine, lottery.name, kWelcomePredicted, kWelcomeOtherLottery,
                                   kWelcomeGoodLuck};
    if (withBallsLine) lines.push_back(formatText(kBallsLine, lottery.balls, lottery.min, lottery.max));
    return lines;
}

bool showsNoPicks(std::string_view topLine) { return topLine.find(kNoPicksMark) != std::string_view::npos; }

}  // namespace numora
