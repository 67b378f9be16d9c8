#pragma once

#include <array>
#include <string_view>

#include "picking/PickedLine.h"
#include "picking/SlotRules.h"
#include "settings/LotteryProfile.h"
#include "settings/PickRules.h"

namespace numora {

// A pick never hangs or reads outside its tables: a profile that cannot give
// the line asked for is refused with one of these texts, and no number is
// drawn. The settings file can be edited by hand, so the profile editor's
// ranges are checked again here.
// The editor names the value out of range, and what it accepts, when the
// profile is saved there.
inline constexpr char kRefusalProfileOutOfRange[] =
    "Cannot pick: the lottery's profile is out of range. Add Lottery Type names the value to change.";
inline constexpr char kRefusalTooFewForCandidates[] =
    "Cannot pick: numbers may not repeat, so an analysed line needs at least 7 numbers "
    "from the lowest to the highest ball.";
inline constexpr char kRefusalTooFewForLine[] =
    "Cannot pick: there are fewer numbers from the lowest to the highest ball than balls in a line.";
inline constexpr char kRefusalRulesDoNotFit[] =
    "Cannot pick: the pick rules do not fit the lottery's profile; change them in Pick Rules.";
inline constexpr char kRefusalEveryLineTaken[] =
    "Cannot pick a new line: every line that the pick rules allow is already in the pick list.";
inline constexpr char kRefusalNoFreeBonus[] =
    "Cannot pick: every number from the lowest ball to the highest bonus is already in the line, "
    "so no bonus can be drawn.";

// Why PredictLine cannot run: it draws seven numbers for every candidate, all
// different unless Repeat is set. Empty when it can.
std::string_view analysedLineRefusal(const LotteryProfile& profile);

// Why RandomLine cannot run: its Balls numbers are always all different.
std::string_view randomLineRefusal(const LotteryProfile& profile);

// Why a pick by these rules cannot run: rules that do not fit the profile
// (the window and the terminal fit them before they pick), or, when the
// lines to avoid are given, every line the rules allow among them. `repeats`:
// whether the line's drawn numbers may repeat. Empty when it can.
std::string_view rulesRefusal(const LotteryProfile& profile, const PickRules& rules, const SlotRules& slots,
                              bool repeats, const TakenLines& avoided);

// Why DrawBonus cannot run. A bonus that must differ from the line
// (avoidSlots) needs a number from Min to the highest bonus that no slot holds.
std::string_view bonusRefusal(const LotteryProfile& profile,
                              const std::array<int, PickedLine::kSlotCount>& slots, bool avoidSlots);

}  // namespace numora
