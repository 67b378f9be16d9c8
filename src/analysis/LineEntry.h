#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// Why a typed line is not a line of the lottery; %s is the line as typed.
inline constexpr char kEntryNotNumbers[] = "\"%s\" is not a line of numbers";
inline constexpr char kEntryBallCount[] = "\"%s\" does not have the lottery's %d numbers";
inline constexpr char kEntryBallCountOrBonus[] = "\"%s\" does not have the lottery's %d numbers (and a bonus)";
inline constexpr char kEntryNoBonus[] = "\"%s\" has a bonus, but the lottery has none";
inline constexpr char kEntryTwoBonuses[] = "\"%s\" has two different bonus numbers";
inline constexpr char kEntryBallOutOfRange[] = "\"%s\": %d is not a ball from %d to %d";
inline constexpr char kEntryBonusOutOfRange[] = "\"%s\": the bonus %d is not from %d to %d";
inline constexpr char kEntryRepeats[] = "\"%s\": %d is there twice, but the lottery's numbers do not repeat";
// For a lottery with a second drum.
inline constexpr char kEntrySecondDrumCount[] =
    "\"%s\" does not have the lottery's %d numbers and %d of its second drum";
inline constexpr char kEntrySecondDrumCountOrBonus[] =
    "\"%s\" does not have the lottery's %d numbers and %d of its second drum (and a bonus)";
inline constexpr char kEntrySecondDrumOutOfRange[] = "\"%s\": %d is not a number of the second drum from %d to %d";
inline constexpr char kEntrySecondDrumRepeats[] = "\"%s\": %d is there twice among the second drum's numbers";

// A line typed by the user, or why it is not one.
struct LineEntry {
    std::optional<PickedLine> line;
    std::string error;
};

// Reads a line in the pick list's text form ("03  09  17  23  40  41  - 07",
// the bonus after a dash, perhaps twice) or as numbers separated by spaces or
// commas ("3 9 17 23 40 41", "3,9,17,23,40,41,7": a number past the lottery's
// balls is the bonus). The numbers must be balls of the lottery, different
// unless its numbers repeat; a line without a bonus has none to match. A
// lottery with a second drum takes its numbers after a plus sign, as the pick
// list writes them ("03  09  17  23  40  + 02  11 "), or as the numbers after
// the balls ("3 9 17 23 40 2 11", then any bonus); they are numbers of the
// drum's range, all different.
LineEntry readLineEntry(std::string_view text, const LotteryProfile& profile);

}  // namespace numora
