#pragma once

#include <string_view>

namespace numora {

// The sections and keys of the lotteries in the settings file:
//
//   [LotteryList]          Game0=<name>, Game1=<name>, ... (index order is list order)
//   [<name>]               Balls, Min, Max, Bonus    decimal digits
//                          Repeat, Sort, PowerBall, ShowBonus   "Yes" or "No"

inline constexpr std::string_view kLotteryListSection = "LotteryList";
inline constexpr const char* kLotteryListKeyFormat = "Game%d";

inline constexpr std::string_view kBallsKey = "Balls";
inline constexpr std::string_view kLowestBallKey = "Min";
inline constexpr std::string_view kHighestBallKey = "Max";
inline constexpr std::string_view kHighestBonusKey = "Bonus";
inline constexpr std::string_view kRepeatKey = "Repeat";
inline constexpr std::string_view kSortKey = "Sort";
inline constexpr std::string_view kPowerBallKey = "PowerBall";
inline constexpr std::string_view kShowBonusKey = "ShowBonus";

// A flag is written as one of these; it reads as set when its text contains
// kYesText anywhere (case-sensitive).
inline constexpr std::string_view kYesText = "Yes";
inline constexpr std::string_view kNoText = "No";

}  // namespace numora
