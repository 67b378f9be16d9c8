#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draws/DrawList.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// How a line fared against one draw. The main numbers match as a set in any
// order; a number the line holds twice matches twice only when the draw holds
// it twice too. A second drum's numbers match the same way among themselves
// (a main number never matches a star). The bonus counts apart: it matches
// when the line's bonus is the draw's bonus.
struct LineMatch {
    int mainMatches = 0;
    // nullopt for a lottery without a second drum.
    std::optional<int> secondDrumMatches;
    bool bonusMatched = false;
    // Which of the line's slots matched a drawn number of its drum.
    std::array<bool, PickedLine::kSlotCount> matchedSlots{};

    // More main numbers is better; with as many, more of the second drum's;
    // then the bonus decides.
    bool betterThan(const LineMatch& other) const;
};

// "4+1" for four main numbers and the bonus, "3" for three without it, "0"
// for none. A lottery with a second drum counts its main numbers, then the
// second drum's, always: "5+2", "3+1", "2+0"; "+1" follows for its bonus.
inline constexpr char kMatchLabel[] = "%d";
inline constexpr char kMatchLabelWithBonus[] = "%d+1";
inline constexpr char kMatchLabelWithSecondDrum[] = "%d+%d";
inline constexpr char kMatchLabelWithSecondDrumAndBonus[] = "%d+%d+1";

LineMatch matchLine(const PickedLine& line, const DrawRecord& draw, const LotteryProfile& profile);

// A draw's fields as a line, to be written as the pick list writes lines.
PickedLine drawAsLine(const DrawRecord& draw);
std::string matchLabel(const LineMatch& match);

// Picks checked against one draw: a label for each, and the best of them.
struct PicksCheck {
    // In the picks' order; empty for an entry that is not a pick.
    std::vector<std::string> labels;
    // The pick with the most main numbers, then the bonus; of equally good
    // ones the first. None without a pick.
    std::optional<std::size_t> best;
};

// Checks each pick (an entry without a line is passed over) against the draw.
PicksCheck checkPicks(const std::vector<std::optional<PickedLine>>& picks, const DrawRecord& draw,
                      const LotteryProfile& profile);

// The dates of the draws whose main numbers (and second drum's numbers) are
// exactly the line's, in list order; none for a line without a number in each
// of its slots.
std::vector<std::int32_t> datesDrawn(const PickedLine& line, const DrawList& draws, const LotteryProfile& profile);

// Positions of up to `count` draws, the latest date first; of draws with the
// same date the later one in the list comes first.
std::vector<std::size_t> latestDraws(const DrawList& draws, std::size_t count);

// The position of the draw the line matches best; of equally good ones the
// latest by date. The draws must not be empty.
std::size_t bestMatchingDraw(const PickedLine& line, const DrawList& draws, const LotteryProfile& profile);

}  // namespace numora
