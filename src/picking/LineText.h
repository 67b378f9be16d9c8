#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// The pick-list text of a line: numbers written "%2.2d", two spaces apart, and
// " - %2.2d" for the bonus once when PowerBall is set and once more when
// ShowBonus is set (only for a lottery with a bonus). For example
// "03  09  17  23  40  41  - 07", and "03  17  42 " for three balls.
inline constexpr char kLineTextFirstThree[] = "%2.2d  %2.2d  %2.2d ";
inline constexpr char kLineTextFurtherBall[] = " %2.2d ";
inline constexpr char kLineTextBonus[] = " - %2.2d";
// A second drum's numbers follow the balls after a plus sign, before any
// bonus, two spaces apart as the balls are: "05  13  25  33  37  + 05  10 ",
// "06  16  17  41  42  49  + 07 ".
inline constexpr char kLineTextSecondDrumMark = '+';
inline constexpr char kLineTextFirstOfSecondDrum[] = " + %2.2d ";
// A list line holding one of these letters is not a pick ("Select PICK to
// calculate.", the welcome lines).
inline constexpr char kNotPickLineLetters[] = "SsG";

std::string makeLineText(const PickedLine& line, const LotteryProfile& profile);

// Reads a pick-list line back by character positions: s1 from characters 1
// and 2, s2 from 5 and 6 and so on four apart, for the first Balls slots; a
// second drum's numbers into the slots after them, from the two characters
// after the space that follows the plus sign and so on four apart; the
// bonus from the last two characters when PowerBall or ShowBonus is set. Each
// piece reads as a decimal number truncated to a whole one; text that is not a
// number reads as 0. Slots not read are -1. nullopt for an empty text or one
// that holds a letter of kNotPickLineLetters.
std::optional<PickedLine> readLineText(std::string_view text, const LotteryProfile& profile);

}  // namespace numora
