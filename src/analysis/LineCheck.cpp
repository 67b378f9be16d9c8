#include "analysis/LineCheck.h"

#include <algorithm>
#include <numeric>

#include "analysis/CheckedNumbers.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// Later dates first; the same date, the later position first.
bool isLater(const DrawList& draws, std::size_t a, std::size_t b) {
    const std::int32_t first = draws.at(a).date;
    const std::int32_t second = draws.at(b).date;
    return first != second ? first > second : a > b;
}

// How many of the line's slots [first, end) match a drawn number, each drawn
// number once; marks the slots that do.
int matchSlots(const PickedLine& line, int first, int end, std::vector<int> unmatched, LineMatch& match) {
    int matches = 0;
    for (int slot = first; slot < end; ++slot) {
        const auto found = std::find(unmatched.begin(), unmatched.end(), line.slots[static_cast<std::size_t>(slot)]);
        if (found == unmatched.end()) continue;
        unmatched.erase(found);
        match.matchedSlots[static_cast<std::size_t>(slot)] = true;
        ++matches;
    }
    return matches;
}

}  // namespace

bool LineMatch::betterThan(const LineMatch& other) const {
    if (mainMatches != other.mainMatches) return mainMatches > other.mainMatches;
    if (secondDrumMatches != other.secondDrumMatches) {
        return secondDrumMatches.value_or(0) > other.secondDrumMatches.value_or(0);
    }
    return bonusMatched && !other.bonusMatched;
}

LineMatch matchLine(const PickedLine& line, const DrawRecord& draw, const LotteryProfile& profile) {
    LineMatch match;
    match.mainMatches = matchSlots(line, 0, ballsInPlay(profile), drawnMainNumbers(draw, profile), match);
    if (hasSecondDrum(profile)) {
        const SlotIndexes drum = secondDrumIndexes(profile);
        match.secondDrumMatches =
            matchSlots(line, drum.first, drum.end, drawnSecondDrumNumbers(draw, profile), match);
    }
    const auto bonus = drawnBonus(draw, profile);
    match.bonusMatched = bonus && *bonus == line.bonus;
    return match;
}

PickedLine drawAsLine(const DrawRecord& draw) {
    PickedLine line;
    for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
        line.slots[static_cast<std::size_t>(ball - 1)] = draw.ball(ball);
    }
    line.bonus = draw.bonus;
    return line;
}

std::string matchLabel(const LineMatch& match) {
    if (match.secondDrumMatches) {
        return formatText(match.bonusMatched ? kMatchLabelWithSecondDrumAndBonus : kMatchLabelWithSecondDrum,
                          match.mainMatches, *match.secondDrumMatches);
    }
    return formatText(match.bonusMatched ? kMatchLabelWithBonus : kMatchLabel, match.mainMatches);
}

PicksCheck checkPicks(const std::vector<std::optional<PickedLine>>& picks, const DrawRecord& draw,
                      const LotteryProfile& profile) {
    PicksCheck check;
    std::optional<LineMatch> best;
    for (const std::optional<PickedLine>& pick : picks) {
        if (!pick) {
            check.labels.emplace_back();
            continue;
        }
        const LineMatch match = matchLine(*pick, draw, profile);
        if (!best || match.betterThan(*best)) {
            best = match;
            check.best = check.labels.size();
        }
        check.labels.push_back(matchLabel(match));
    }
    return check;
}

std::vector<std::int32_t> datesDrawn(const PickedLine& line, const DrawList& draws, const LotteryProfile& profile) {
    std::vector<std::int32_t> dates;
    const auto numbers = completeLineNumbers(line, profile);
    const auto secondDrum = completeSecondDrumNumbers(line, profile);
    if (!numbers || !secondDrum) return dates;
    for (const DrawRecord& draw : draws) {
        if (drawnMainNumbers(draw, profile) == *numbers && drawnSecondDrumNumbers(draw, profile) == *secondDrum) {
            dates.push_back(draw.date);
        }
    }
    return dates;
}

std::vector<std::size_t> latestDraws(const DrawList& draws, std::size_t count) {
    std::vector<std::size_t> positions(draws.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    const std::size_t kept = std::min(count, positions.size());
    std::partial_sort(positions.begin(), positions.begin() + static_cast<std::ptrdiff_t>(kept), positions.end(),
                      [&](std::size_t a, std::size_t b) { return isLater(draws, a, b); });
    positions.resize(kept);
    return positions;
}

std::size_t bestMatchingDraw(const PickedLine& line, const DrawList& draws, const LotteryProfile& profile) {
    std::size_t best = 0;
    LineMatch bestMatch = matchLine(line, draws.at(0), profile);
    for (std::size_t position = 1; position < draws.size(); ++position) {
        const LineMatch match = matchLine(line, draws.at(position), profile);
        const bool asGood = !bestMatch.betterThan(match) && !match.betterThan(bestMatch);
        if (match.betterThan(bestMatch) || (asGood && isLater(draws, position, best))) {
            best = position;
            bestMatch = match;
        }
    }
    return best;
}

}  // namespace numora
