#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

// The lines the main window's pick list shows when it holds no picks: the
// welcome lines (after a choice of lottery with the balls line below them),
// and the one line left by erasing the picks. Each holds "Select", which is
// how the list tells them from picks.
inline constexpr char kWelcomeFirstLine[] = "Select PICK to calculate your";
inline constexpr char kWelcomePredicted[] = "predicted numbers";
inline constexpr char kWelcomeOtherLottery[] = "or select a different lottery.";
inline constexpr char kWelcomeGoodLuck[] = "Good Luck!";
inline constexpr char kBallsLine[] = "%d Balls, from %d to %d";
// Follows the balls line for a lottery with a second drum.
inline constexpr char kSecondDrumBallsLine[] = ", + %d from %d to %d";
inline constexpr char kErasedLine[] = "Select PICK to calculate.";
inline constexpr char kNoPicksMark[] = "Select";

// The welcome lines from top to bottom, the lottery's name second; with
// `withBallsLine`, "6 Balls, from 1 to 49" (from the profile) below them, and
// for a lottery with a second drum "5 Balls, from 1 to 50, + 2 from 1 to 12".
std::vector<std::string> welcomeLines(const LotteryProfile& lottery, bool withBallsLine);

// True when a list whose top line is this shows no picks.
bool showsNoPicks(std::string_view topLine);

}  // namespace numora
