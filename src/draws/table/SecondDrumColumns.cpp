#include "draws/table/SecondDrumColumns.h"

#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

#include "draws/table/NumberCell.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

using Kind = SecondDrumSource::Kind;

int linesPacking(const ColumnFacts& fact, int numbers) {
    return numbers >= 0 && static_cast<std::size_t>(numbers) < kMostPacked
               ? fact.packed[static_cast<std::size_t>(numbers)]
               : 0;
}

// Whether a column may hold second drum numbers at all: in the file, not the
// date's nor the balls', not named as something else (nor as the bonus of a
// lottery that has one), and neither counting by one nor never changing.
bool mayHoldDrum(const ColumnTable& table, const std::vector<int>& used, int column) {
    if (column < 0 || column >= table.columns() || contains(used, column)) return false;
    const ColumnFacts& fact = table.fact(column);
    if (namedOtherThanNumber(fact.role) || (fact.role == HeadingRole::Bonus && table.profile.bonus > 0)) return false;
    const int range = secondDrumRange(table.profile).size();
    return !countsByOne(fact, range) && !neverChanges(fact, range);
}

// Whether a column holds what the second drum draws on at least half of the
// lines (one number, or the drum's numbers packed): nearly all of them within
// its range, and more than a handful of values where chance would give more.
bool holdsDrumNumbers(const ColumnTable& table, int column, bool packed) {
    const NumberRange range = secondDrumRange(table.profile);
    const auto perLine = static_cast<std::size_t>(packed ? table.profile.drum2 : 1);
    int lines = 0;
    int numbers = 0;
    int inRange = 0;
    std::set<int> values;
    std::array<int, kMostPacked> read{};
    for (std::size_t r = 0; r < static_cast<std::size_t>(table.sampled); ++r) {
        const std::string& cell = cellOf(table.records[r], column);
        std::size_t count = 0;
        if (packed) {
            count = cellNumbers(cell, read);
        } else if (const auto number = cellNumber(cell)) {
            read[0] = *number;
            count = 1;
        }
        if (count != perLine) continue;
        ++lines;
        for (std::size_t i = 0; i < count; ++i) {
            ++numbers;
            inRange += range.holds(read[i]) ? 1 : 0;
            if (values.size() <= kHandful) values.insert(read[i]);
        }
    }
    if (!atLeastHalf(lines, table.sampled) || !nearlyAll(inRange, numbers)) return false;
    const double share = static_cast<double>(values.size()) / std::max(range.size(), 1);
    const bool handful = values.size() <= kHandful && std::pow(share, numbers) < kUnlikelyByChance;
    return !handful;
}

std::optional<SecondDrumSource> packedDrumAt(const ColumnTable& table, const std::vector<int>& used, int column) {
    if (table.profile.drum2 < 2 || !mayHoldDrum(table, used, column) || !holdsDrumNumbers(table, column, true))
        return std::nullopt;
    return SecondDrumSource{Kind::Packed, {column}};
}

std::optional<SecondDrumSource> drumColumnsFrom(const ColumnTable& table, const std::vector<int>& used, int first) {
    SecondDrumSource run{Kind::Columns, {}};
    for (int column = first; column < first + table.profile.drum2; ++column) {
        if (!mayHoldDrum(table, used, column) || !holdsDrumNumbers(table, column, false)) return std::nullopt;
        run.columns.push_back(column);
    }
    return run;
}

// The columns whose headings name the second drum, as many as it draws, or
// one of them that packs its numbers.
std::optional<SecondDrumSource> headedDrum(const ColumnTable& table, const std::vector<int>& used) {
    const int count = table.profile.drum2;
    std::vector<int> headed;
    for (int column = 0; column < table.columns(); ++column) {
        const ColumnFacts& fact = table.fact(column);
        if (contains(used, column) || fact.role != HeadingRole::SecondDrum) continue;
        if (count >= 2 && atLeastHalf(linesPacking(fact, count), fact.filled)) {
            return SecondDrumSource{Kind::Packed, {column}};
        }
        if (atLeastHalf(fact.numbers, fact.filled)) headed.push_back(column);
    }
    if (headed.size() < static_cast<std::size_t>(count)) return std::nullopt;
    headed.resize(static_cast<std::size_t>(count));
    return SecondDrumSource{Kind::Columns, std::move(headed)};
}

}  // namespace

bool packsBonus(const ColumnFacts& fact, const LotteryProfile& profile, int drumNumbers) {
    const int numbers = profile.balls + drumNumbers;
    return profile.bonus > 0 && linesPacking(fact, numbers + 1) > linesPacking(fact, numbers);
}

int packedDrawLines(const ColumnFacts& fact, const LotteryProfile& profile, int drumNumbers) {
    const int numbers = profile.balls + drumNumbers;
    return linesPacking(fact, numbers) + (packsBonus(fact, profile, drumNumbers) ? linesPacking(fact, numbers + 1) : 0);
}

int packedDrumNumbers(const ColumnFacts& fact, const LotteryProfile& profile) {
    if (!hasSecondDrum(profile)) return 0;
    return packedDrawLines(fact, profile, profile.drum2) > packedDrawLines(fact, profile, 0) ? profile.drum2 : 0;
}

SecondDrumSource secondDrumOf(const ColumnTable& table, const TableLayout& layout) {
    const LotteryProfile& profile = table.profile;
    const std::vector<int>& balls = layout.balls.columns;
    if (!hasSecondDrum(profile) || balls.empty()) return {};
    if (layout.balls.packed && packedDrumNumbers(table.fact(balls.front()), profile) > 0) {
        return {Kind::PackedAfterBalls, {}};
    }
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), balls.begin(), balls.end());
    if (auto headed = headedDrum(table, used)) return *headed;

    const int afterBalls = *std::max_element(balls.begin(), balls.end()) + 1;
    int lastColumn = table.columns() - 1;
    while (lastColumn >= 0 && !atLeastHalf(table.fact(lastColumn).filled, table.sampled)) --lastColumn;
    using Search = std::optional<SecondDrumSource> (*)(const ColumnTable&, const std::vector<int>&, int);
    const std::pair<Search, int> searches[] = {{packedDrumAt, afterBalls},
                                               {drumColumnsFrom, afterBalls},
                                               {packedDrumAt, lastColumn},
                                               {drumColumnsFrom, lastColumn - profile.drum2 + 1}};
    for (const auto& [search, column] : searches) {
        if (auto found = search(table, used, column)) return *found;
    }
    return {};
}

SecondDrumSource detectSecondDrum(std::span<const TableRecord> records, const std::vector<std::string>& headings,
                                  const TableLayout& layout, const LotteryProfile& profile) {
    std::vector<ColumnFacts> facts = columnFacts(records);
    giveRoles(facts, headings, true);
    const ColumnTable table{records, profile, headings, std::move(facts), sampledRecords(records)};
    return secondDrumOf(table, layout);
}

std::vector<SecondDrumSource> secondDrumSourceChoices(std::span<const TableRecord> records, const TableLayout& layout,
                                                      const LotteryProfile& profile) {
    std::vector<SecondDrumSource> choices;
    if (!hasSecondDrum(profile)) return choices;
    if (layout.balls.packed) choices.push_back({Kind::PackedAfterBalls, {}});
    const std::vector<ColumnFacts> facts = columnFacts(records);
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), layout.balls.columns.begin(), layout.balls.columns.end());
    const int columns = static_cast<int>(facts.size());
    const auto holdsNumbers = [&](int column) {
        return !contains(used, column) && facts[static_cast<std::size_t>(column)].numbers > 0;
    };
    for (int first = 0; first + profile.drum2 <= columns; ++first) {
        SecondDrumSource run{Kind::Columns, {}};
        for (int column = first; column < first + profile.drum2 && holdsNumbers(column); ++column) {
            run.columns.push_back(column);
        }
        if (static_cast<int>(run.columns.size()) == profile.drum2) choices.push_back(std::move(run));
    }
    for (int column = 0; profile.drum2 >= 2 && column < columns; ++column) {
        if (!contains(used, column) && linesPacking(facts[static_cast<std::size_t>(column)], profile.drum2) > 0) {
            choices.push_back({Kind::Packed, {column}});
        }
    }
    return choices;
}

}  // namespace numora
