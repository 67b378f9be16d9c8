#pragma once

#include <string_view>

namespace numora {

// The sections and keys of the lotteries in the settings file:
//
//   [LotteryList]          Game0=<name>, Game1=<name>, ... (index order is list order)
//   [<name>]               Balls, Min, Max, Bonus    decimal digits
//                          Repeat, Sort, PowerBall, ShowBonus   "Yes" or "No"
//                          Drum2, Drum2Min, Drum2Max  decimal digits, after the keys
//                          above, only for a lottery with a second drum

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
inline constexpr std::string_view kDrum2Key = "Drum2";
inline constexpr std::string_view kDrum2LowestKey = "Drum2Min";
inline constexpr std::string_view kDrum2HighestKey = "Drum2Max";

// A flag is written as one of these; it reads as set when its text contains
// kYesText anywhere (case-sensitive).
inline constexpr std::string_view kYesText = "Yes";
inline constexpr std::string_view kNoText = "No";

}  // namespace numora
