#include "analysis/LineEntry.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "analysis/CheckedNumbers.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kBonusMark = '-';
constexpr char kSecondDrumMark = '+';
constexpr std::string_view kSeparators = " \t,";

// The numbers of a piece of text; nullopt when it holds anything else.
std::optional<std::vector<int>> numbersOf(std::string_view piece) {
    std::vector<int> numbers;
    std::size_t at = piece.find_first_not_of(kSeparators);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(piece.find_first_of(kSeparators, at), piece.size());
        int number = 0;
        const auto [stop, code] = std::from_chars(piece.data() + at, piece.data() + end, number);
        if (code != std::errc() || stop != piece.data() + end) return std::nullopt;
        numbers.push_back(number);
        at = piece.find_first_not_of(kSeparators, end);
    }
    return numbers;
}

struct SplitLine {
    std::vector<int> main;
    std::vector<int> secondDrum;
    std::optional<int> bonus;
};

// The format that says a line has not the lottery's count of numbers.
const char* countError(const LotteryProfile& profile, bool hasBonus) {
    if (hasSecondDrum(profile)) return hasBonus ? kEntrySecondDrumCountOrBonus : kEntrySecondDrumCount;
    return hasBonus ? kEntryBallCountOrBonus : kEntryBallCount;
}

// Main numbers, second drum numbers and bonus as typed, or the error's format.
std::optional<SplitLine> splitLine(std::string_view text, const LotteryProfile& profile, const char*& error) {
    const auto balls = static_cast<std::size_t>(ballsInPlay(profile));
    const SlotIndexes drumSlots = secondDrumIndexes(profile);
    const auto drum = static_cast<std::size_t>(drumSlots.end - drumSlots.first);
    const bool hasBonus = bonusRange(profile).size() > 0;
    const std::size_t mark = text.find(kBonusMark);
    const std::string_view numbers = text.substr(0, mark);
    const std::size_t plus = drum > 0 ? numbers.find(kSecondDrumMark) : std::string_view::npos;
    const auto main = numbersOf(numbers.substr(0, plus));
    const auto second = plus == std::string_view::npos ? std::optional(std::vector<int>{})
                                                       : numbersOf(numbers.substr(plus + 1));
    if (!main || main->empty() || !second) {
        error = kEntryNotNumbers;
        return std::nullopt;
    }
    SplitLine split{*main, *second, std::nullopt};
    // Typed without the plus sign, the second drum's numbers follow the balls.
    const std::size_t plain = balls + (plus == std::string_view::npos ? drum : 0);
    if (mark == std::string_view::npos) {
        if (hasBonus && split.main.size() == plain + 1) {
            split.bonus = split.main.back();
            split.main.pop_back();
        }
    } else {
        // Each piece after a dash holds the bonus once.
        for (std::size_t at = mark; at != std::string_view::npos;) {
            const std::size_t next = text.find(kBonusMark, at + 1);
            const auto bonus = numbersOf(text.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
            if (!bonus || bonus->size() != 1) {
                error = kEntryNotNumbers;
                return std::nullopt;
            }
            if (split.bonus && *split.bonus != bonus->front()) {
                error = kEntryTwoBonuses;
                return std::nullopt;
            }
            split.bonus = bonus->front();
            at = next;
        }
        if (!hasBonus) {
            error = kEntryNoBonus;
            return std::nullopt;
        }
    }
    if (plus == std::string_view::npos && drum > 0 && split.main.size() == plain) {
        split.secondDrum.assign(split.main.end() - static_cast<std::ptrdiff_t>(drum), split.main.end());
        split.main.resize(balls);
    }
    if (split.main.size() != balls || split.secondDrum.size() != drum) {
        error = countError(profile, hasBonus);
        return std::nullopt;
    }
    return split;
}

}  // namespace

LineEntry readLineEntry(std::string_view text, const LotteryProfile& profile) {
    const std::string typed(text);
    const char* error = nullptr;
    const auto split = splitLine(text, profile, error);
    if (!split) {
        return {std::nullopt, formatText(error, typed.c_str(), ballsInPlay(profile), secondDrumNumbers(profile))};
    }

    PickedLine line;
    for (std::size_t slot = 0; slot < split->main.size(); ++slot) {
        const int number = split->main[slot];
        if (number < profile.min || number > profile.max) {
            return {std::nullopt, formatText(kEntryBallOutOfRange, typed.c_str(), number, profile.min, profile.max)};
        }
        if (!profile.repeat && std::count(split->main.begin(), split->main.end(), number) > 1) {
            return {std::nullopt, formatText(kEntryRepeats, typed.c_str(), number)};
        }
        line.slots[slot] = number;
    }
    const NumberRange drum = secondDrumRange(profile);
    for (std::size_t i = 0; i < split->secondDrum.size(); ++i) {
        const int number = split->secondDrum[i];
        if (!drum.holds(number)) {
            return {std::nullopt, formatText(kEntrySecondDrumOutOfRange, typed.c_str(), number, drum.low, drum.high)};
        }
        if (std::count(split->secondDrum.begin(), split->secondDrum.end(), number) > 1) {
            return {std::nullopt, formatText(kEntrySecondDrumRepeats, typed.c_str(), number)};
        }
        line.slots[static_cast<std::size_t>(secondDrumIndexes(profile).first) + i] = number;
    }
    if (split->bonus) {
        // Any bonus a pick can have; one of 0 never matches, as no draw has it.
        const BonusRange range{profile.min, profile.bonus};
        if (!range.holds(*split->bonus)) {
            return {std::nullopt,
                    formatText(kEntryBonusOutOfRange, typed.c_str(), *split->bonus, range.low, range.high)};
        }
        line.bonus = *split->bonus;
    }
    return {line, {}};
}

}  // namespace numora
