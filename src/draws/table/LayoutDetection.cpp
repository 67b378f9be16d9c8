#include "draws/table/LayoutDetection.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

#include "draws/table/CalendarWords.h"
#include "draws/table/HeadingWords.h"
#include "draws/table/NumberCell.h"
#include "draws/table/TableRows.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kNoRecords[] = "The file holds no lines to read draws from.";
constexpr char kNoDateColumn[] = "No column holds a date on most lines.";
constexpr char kNoBallColumns[] = "No columns hold %d balls from %d to %d beside the date.";
constexpr char kOtherBallCount[] = "The file has %d balls (columns %d to %d) where the lottery has %d.";

// Facts of a column come from the first records; which source reads best is
// then counted over them all.
constexpr std::size_t kFactRecords = 1000;
constexpr int kLeastPairs = 4;       // consecutive numbers before a column counts as a sequence or constant
constexpr int kNearlyAllTenths = 9;  // "nearly all": nine tenths
constexpr int kFourDigitYearLow = 1900;
constexpr int kFourDigitYearHigh = 2099;
constexpr std::size_t kMostPacked = 10;
constexpr int kShortestNumberedRun = 3;  // headings such as "N1", "N2", "N3" and on

constexpr DateOrder kOrders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay};

bool nearlyAll(int part, int whole) { return part * 10 >= whole * kNearlyAllTenths; }
bool atLeastHalf(int part, int whole) { return part * 2 >= whole && part > 0; }

struct ColumnFacts {
    HeadingRole role = HeadingRole::Unknown;
    int filled = 0;                         // cells that are not empty
    int numbers = 0;                        // cells holding one whole number
    int pairs = 0;                          // records holding a number here, like the record before them
    int steps = 0;                          // of those, numbers one apart (draw numbers)
    int changes = 0;                        // of those, numbers that differ
    int fourDigitYears = 0;                 // numbers of four digits from 1900 to 2099
    int dates = 0;                          // cells holding a date in some order
    std::array<int, kMostPacked> packed{};  // cells packing n numbers, by n

    // A column that a ball or bonus is never taken from.
    bool neverNumber() const {
        const bool sequence = pairs >= kLeastPairs && nearlyAll(steps, pairs);
        const bool constant = pairs >= kLeastPairs && changes == 0;
        return sequence || constant || role == HeadingRole::NotBall || role == HeadingRole::Date ||
               role == HeadingRole::Day || role == HeadingRole::Month || role == HeadingRole::Year;
    }
};

int columnCount(const std::vector<TableRecord>& records) {
    std::size_t columns = 0;
    for (const TableRecord& record : records) columns = std::max(columns, record.cells.size());
    return static_cast<int>(columns);
}

std::string_view headingOf(const std::vector<std::string>& headings, int column) {
    return static_cast<std::size_t>(column) < headings.size()
               ? std::string_view(headings[static_cast<std::size_t>(column)])
               : std::string_view();
}

bool holdsDate(const std::string& cell) {
    const DateCell date = readDateCell(cell);
    return std::any_of(std::begin(kOrders), std::end(kOrders),
                       [&](DateOrder order) { return dayInOrder(date, order).has_value(); });
}

std::vector<ColumnFacts> columnFacts(const std::vector<TableRecord>& records, int columns,
                                     const std::vector<std::string>& headings) {
    std::vector<ColumnFacts> facts(static_cast<std::size_t>(columns));
    std::vector<std::optional<int>> previous(static_cast<std::size_t>(columns));
    const std::size_t sampled = std::min(records.size(), kFactRecords);
    for (int column = 0; column < columns; ++column) {
        facts[static_cast<std::size_t>(column)].role = headingRole(headingOf(headings, column));
    }
    for (std::size_t r = 0; r < sampled; ++r) {
        const std::vector<std::string>& cells = records[r].cells;
        for (std::size_t column = 0; column < facts.size(); ++column) {
            ColumnFacts& fact = facts[column];
            const std::optional<int> number = column < cells.size() ? cellNumber(cells[column]) : std::nullopt;
            if (number && previous[column]) {
                ++fact.pairs;
                fact.steps += std::abs(*number - *previous[column]) == 1 ? 1 : 0;
                fact.changes += *number != *previous[column] ? 1 : 0;
            }
            previous[column] = number;
            if (column >= cells.size() || cells[column].find_first_not_of(" \t") == std::string::npos) continue;
            ++fact.filled;
            const std::string& cell = cells[column];
            if (number) {
                ++fact.numbers;
                const bool fourDigits = cell.find_last_not_of(" \t") - cell.find_first_not_of(" \t") == 3;
                fact.fourDigitYears += fourDigits && *number >= kFourDigitYearLow && *number <= kFourDigitYearHigh;
            } else if (const std::size_t packed = cellNumbers(cell, {}); packed > 0) {
                ++fact.packed[std::min(packed, kMostPacked - 1)];
            }
            fact.dates += !number && holdsDate(cell) ? 1 : 0;
        }
    }
    return facts;
}

// Which records hold a date under a date source, one flag each.
std::vector<bool> datedRecords(const std::vector<TableRecord>& records, const DateSource& date) {
    std::vector<bool> dated;
    dated.reserve(records.size());
    for (const TableRecord& record : records) dated.push_back(recordDay(record, date).has_value());
    return dated;
}

// Of the orders, the one that reads the most; the locale's among equals, then
// day/month/year before month/day/year.
DateOrder bestOrder(const std::array<int, 3>& readable, DateOrder localeOrder) {
    const int most = *std::max_element(readable.begin(), readable.end());
    for (std::size_t i = 0; i < readable.size(); ++i) {
        if (kOrders[i] == localeOrder && readable[i] == most) return localeOrder;
    }
    for (std::size_t i = 0; i < readable.size(); ++i) {
        if (readable[i] == most) return kOrders[i];
    }
    return localeOrder;
}

int readableDays(const std::vector<TableRecord>& records, const DateSource& source, std::size_t count) {
    int readable = 0;
    for (std::size_t r = 0; r < std::min(count, records.size()); ++r) {
        readable += recordDay(records[r], source).has_value() ? 1 : 0;
    }
    return readable;
}

// The date column, and which records hold a date in it.
std::optional<DateSource> dateColumn(const std::vector<TableRecord>& records, const std::vector<ColumnFacts>& facts,
                                     DateOrder localeOrder, std::vector<bool>& dated) {
    const int sampled = static_cast<int>(std::min(records.size(), kFactRecords));
    std::optional<int> best;
    const auto rank = [&](int column) {
        const ColumnFacts& fact = facts[static_cast<std::size_t>(column)];
        return std::make_tuple(fact.role == HeadingRole::Date, fact.dates, -column);
    };
    for (int column = 0; column < static_cast<int>(facts.size()); ++column) {
        if (!atLeastHalf(facts[static_cast<std::size_t>(column)].dates, sampled)) continue;
        if (!best || rank(column) > rank(*best)) best = column;
    }
    if (!best) return std::nullopt;

    std::array<int, 3> readable{};
    std::vector<std::uint8_t> ordersPerRecord(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::vector<std::string>& cells = records[r].cells;
        const auto column = static_cast<std::size_t>(*best);
        const DateCell date =
            readDateCell(column < cells.size() ? std::string_view(cells[column]) : std::string_view());
        for (std::size_t i = 0; i < readable.size(); ++i) {
            if (!dayInOrder(date, kOrders[i])) continue;
            ++readable[i];
            ordersPerRecord[r] |= static_cast<std::uint8_t>(1u << i);
        }
    }
    const DateOrder order = bestOrder(readable, localeOrder);
    const auto orderBit = static_cast<std::uint8_t>(
        1u << (std::find(std::begin(kOrders), std::end(kOrders), order) - std::begin(kOrders)));
    dated.clear();
    for (const std::uint8_t orders : ordersPerRecord) dated.push_back((orders & orderBit) != 0);
    return DateSource{false, *best, order};
}

std::optional<DateSource> splitDateColumns(const std::vector<TableRecord>& records,
                                           const std::vector<ColumnFacts>& facts, DateOrder localeOrder) {
    const int sampled = static_cast<int>(std::min(records.size(), kFactRecords));
    std::optional<DateSource> best;
    std::tuple<int, int, bool, int> bestRank{};
    for (int column = 0; column + 2 < static_cast<int>(facts.size()); ++column) {
        for (const DateOrder order : kOrders) {
            const DateSource source{true, column, order};
            const auto [day, month, year] = dayMonthYearColumns(source);
            const ColumnFacts& yearFacts = facts[static_cast<std::size_t>(year)];
            const bool yearColumn =
                yearFacts.role == HeadingRole::Year || nearlyAll(yearFacts.fourDigitYears, yearFacts.filled);
            if (!yearColumn || yearFacts.filled == 0) continue;
            if (!atLeastHalf(readableDays(records, source, kFactRecords), sampled)) continue;
            const int agreeing = (facts[static_cast<std::size_t>(day)].role == HeadingRole::Day) +
                                 (facts[static_cast<std::size_t>(month)].role == HeadingRole::Month) +
                                 (yearFacts.role == HeadingRole::Year);
            const std::tuple<int, int, bool, int> rank{agreeing, readableDays(records, source, records.size()),
                                                       order == localeOrder, -column};
            if (!best || rank > bestRank) best = source, bestRank = rank;
        }
    }
    return best;
}

std::vector<int> dateColumns(const DateSource& source) {
    if (!source.split) return {source.column};
    return {source.column, source.column + 1, source.column + 2};
}

bool contains(const std::vector<int>& columns, int column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

// Headings that count up by one from 0 or 1 with the same words before the number.
bool headingsCountUp(const std::vector<std::string>& headings, const std::vector<int>& columns) {
    std::optional<NumberedHeading> first;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto numbered = numberedHeading(headingOf(headings, columns[i]));
        if (!numbered) return false;
        if (!first) first = numbered;
        if (numbered->stem != first->stem || numbered->number != first->number + static_cast<int>(i)) return false;
    }
    return first && first->number <= 1;
}

bool headingsNameBalls(const std::vector<ColumnFacts>& facts, const std::vector<int>& columns) {
    return std::all_of(columns.begin(), columns.end(),
                       [&](int column) { return facts[static_cast<std::size_t>(column)].role == HeadingRole::Ball; });
}

// Whether a packed column holds the balls and one number more on most of its lines.
bool packsBonus(const ColumnFacts& fact, const LotteryProfile& profile) {
    const auto balls = static_cast<std::size_t>(profile.balls);
    return profile.bonus > 0 && balls + 1 < kMostPacked && fact.packed[balls + 1] > fact.packed[balls];
}

int readableRecords(const std::vector<TableRecord>& records, const std::vector<bool>& dated, const TableLayout& layout,
                    const LotteryProfile& profile) {
    int readable = 0;
    for (std::size_t r = 0; r < records.size(); ++r) {
        readable += dated[r] && recordNumbers(records[r], layout, profile).has_value() ? 1 : 0;
    }
    return readable;
}

struct BallCandidate {
    BallSource source;
    bool hinted = false;
    int readable = 0;
};

std::vector<BallCandidate> ballCandidates(const std::vector<TableRecord>& records, const std::vector<bool>& dated,
                                          const std::vector<ColumnFacts>& facts,
                                          const std::vector<std::string>& headings, const DateSource& date,
                                          const LotteryProfile& profile) {
    const int sampled = static_cast<int>(std::min(records.size(), kFactRecords));
    const std::vector<int> used = dateColumns(date);
    const auto usable = [&](int column) {
        return !contains(used, column) && !facts[static_cast<std::size_t>(column)].neverNumber() &&
               facts[static_cast<std::size_t>(column)].role != HeadingRole::Bonus;
    };
    std::vector<BallCandidate> candidates;
    const int columns = static_cast<int>(facts.size());
    for (int first = 0; first + profile.balls <= columns; ++first) {
        BallCandidate candidate;
        for (int column = first; column < first + profile.balls; ++column) {
            if (!usable(column) || !atLeastHalf(facts[static_cast<std::size_t>(column)].numbers, sampled)) break;
            candidate.source.columns.push_back(column);
        }
        if (static_cast<int>(candidate.source.columns.size()) != profile.balls) continue;
        candidate.hinted =
            headingsCountUp(headings, candidate.source.columns) || headingsNameBalls(facts, candidate.source.columns);
        candidates.push_back(std::move(candidate));
    }
    const auto balls = static_cast<std::size_t>(profile.balls);
    for (int column = 0; column < columns; ++column) {
        const ColumnFacts& fact = facts[static_cast<std::size_t>(column)];
        const int packedLines =
            (balls < kMostPacked ? fact.packed[balls] : 0) + (packsBonus(fact, profile) ? fact.packed[balls + 1] : 0);
        if (!usable(column) || !atLeastHalf(packedLines, sampled)) continue;
        candidates.push_back({{{column}, true}, fact.role == HeadingRole::Ball, 0});
    }
    for (BallCandidate& candidate : candidates) {
        TableLayout layout{date, candidate.source, {}};
        if (candidate.source.packed &&
            packsBonus(facts[static_cast<std::size_t>(candidate.source.columns.front())], profile)) {
            layout.bonus.kind = BonusSource::Kind::PackedLast;
        }
        candidate.readable = readableRecords(records, dated, layout, profile);
    }
    return candidates;
}

// The candidate that reads the most records; one whose headings say balls wins
// if it reads at least half as many. When none reads a record, the first of
// those that the headings name, so that each record is rejected with its reason.
std::optional<BallSource> bestBalls(const std::vector<BallCandidate>& candidates) {
    if (candidates.empty()) return std::nullopt;
    int most = 0;
    for (const BallCandidate& candidate : candidates) most = std::max(most, candidate.readable);
    const BallCandidate* best = nullptr;
    const auto rank = [most](const BallCandidate& candidate) {
        return std::make_tuple(candidate.hinted && candidate.readable * 2 >= most, candidate.readable,
                               -candidate.source.columns.front());
    };
    for (const BallCandidate& candidate : candidates) {
        if (!best || rank(candidate) > rank(*best)) best = &candidate;
    }
    return best->source;
}

// The runs of at least three headings with the same words that count up by
// one from 0 or 1 ("N1", "N2", "N3"...), outside the date columns and not
// naming a bonus, as first column and length.
std::vector<std::pair<int, int>> numberedRuns(const std::vector<std::string>& headings,
                                              const std::vector<int>& dateColumns) {
    const auto numberedAt = [&](int column) -> std::optional<NumberedHeading> {
        if (contains(dateColumns, column)) return std::nullopt;
        return numberedHeading(headings[static_cast<std::size_t>(column)]);
    };
    std::vector<std::pair<int, int>> runs;
    const int columns = static_cast<int>(headings.size());
    for (int first = 0; first < columns;) {
        const auto start = numberedAt(first);
        int length = 1;
        if (start && start->number <= 1 && headingRole(start->stem) != HeadingRole::Bonus) {
            for (; first + length < columns; ++length) {
                const auto next = numberedAt(first + length);
                if (!next || next->stem != start->stem || next->number != start->number + length) break;
            }
            if (length >= kShortestNumberedRun) runs.emplace_back(first, length);
        }
        first += length;
    }
    return runs;
}

// Whether the column after the balls holds the bonus: nearly all of its
// numbers lie within 0 to the highest bonus, and it is not the balls' sum.
bool nextColumnIsBonus(const std::vector<TableRecord>& records, const TableLayout& balls, int column,
                       const LotteryProfile& profile) {
    int numbers = 0;
    int inRange = 0;
    int sums = 0;
    int withBalls = 0;
    for (const TableRecord& record : records) {
        if (static_cast<std::size_t>(column) >= record.cells.size()) continue;
        const auto value = cellNumber(record.cells[static_cast<std::size_t>(column)]);
        if (!value) continue;
        ++numbers;
        inRange += *value <= profile.bonus ? 1 : 0;
        if (const auto draw = recordNumbers(record, balls, profile)) {
            int sum = 0;
            for (int ball = 1; ball <= profile.balls; ++ball) sum += draw->ball(ball);
            ++withBalls;
            sums += sum == *value ? 1 : 0;
        }
    }
    return numbers > 0 && nearlyAll(inRange, numbers) && !(withBalls > 0 && nearlyAll(sums, withBalls));
}

BonusSource bestBonus(const std::vector<TableRecord>& records, const std::vector<ColumnFacts>& facts,
                      const TableLayout& layout, const LotteryProfile& profile) {
    if (profile.bonus <= 0) return {};
    const std::vector<int>& ballColumns = layout.balls.columns;
    if (layout.balls.packed && packsBonus(facts[static_cast<std::size_t>(ballColumns.front())], profile)) {
        return {BonusSource::Kind::PackedLast, -1};
    }
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), ballColumns.begin(), ballColumns.end());
    for (int column = 0; column < static_cast<int>(facts.size()); ++column) {
        const ColumnFacts& fact = facts[static_cast<std::size_t>(column)];
        if (!contains(used, column) && fact.role == HeadingRole::Bonus && atLeastHalf(fact.numbers, fact.filled)) {
            return {BonusSource::Kind::Column, column};
        }
    }
    const int next = *std::max_element(ballColumns.begin(), ballColumns.end()) + 1;
    const int sampled = static_cast<int>(std::min(records.size(), kFactRecords));
    if (next >= static_cast<int>(facts.size()) || contains(used, next)) return {};
    const ColumnFacts& fact = facts[static_cast<std::size_t>(next)];
    if (fact.neverNumber() || !atLeastHalf(fact.numbers, sampled)) return {};
    if (!nextColumnIsBonus(records, layout, next, profile)) return {};
    return {BonusSource::Kind::Column, next};
}

}  // namespace

LayoutGuess detectLayout(const std::vector<TableRecord>& records, const std::vector<std::string>& headings,
                         const LotteryProfile& profile, DateOrder localeOrder) {
    LayoutGuess guess;
    if (records.empty()) {
        guess.problem = kNoRecords;
        return guess;
    }
    const std::vector<ColumnFacts> facts = columnFacts(records, columnCount(records), headings);
    std::vector<bool> dated;
    auto date = dateColumn(records, facts, localeOrder, dated);
    if (!date) {
        date = splitDateColumns(records, facts, localeOrder);
        if (date) dated = datedRecords(records, *date);
    }
    if (!date) {
        guess.problem = kNoDateColumn;
        return guess;
    }
    const auto runs = numberedRuns(headings, dateColumns(*date));
    const bool runOfBalls =
        std::any_of(runs.begin(), runs.end(), [&](const auto& run) { return run.second == profile.balls; });
    if (!runs.empty() && !runOfBalls) {
        const auto [first, length] = runs.front();
        guess.problem = formatText(kOtherBallCount, length, first + 1, first + length, profile.balls);
        return guess;
    }
    const auto balls = bestBalls(ballCandidates(records, dated, facts, headings, *date, profile));
    if (!balls) {
        guess.problem = formatText(kNoBallColumns, profile.balls, profile.min, profile.max);
        return guess;
    }
    TableLayout layout{*date, *balls, {}};
    layout.bonus = bestBonus(records, facts, layout, profile);
    guess.readable = readableRecords(records, dated, layout, profile);
    guess.layout = layout;
    return guess;
}

std::vector<BallSource> ballSourceChoices(const std::vector<TableRecord>& records, const DateSource& date,
                                          const LotteryProfile& profile) {
    const std::vector<ColumnFacts> facts = columnFacts(records, columnCount(records), {});
    const std::vector<int> used = dateColumns(date);
    const auto holdsNumbers = [&](int column) {
        return !contains(used, column) && facts[static_cast<std::size_t>(column)].numbers > 0;
    };
    std::vector<BallSource> choices;
    const int columns = static_cast<int>(facts.size());
    for (int first = 0; first + profile.balls <= columns; ++first) {
        BallSource run;
        for (int column = first; column < first + profile.balls && holdsNumbers(column); ++column) {
            run.columns.push_back(column);
        }
        if (static_cast<int>(run.columns.size()) == profile.balls) choices.push_back(std::move(run));
    }
    for (int column = 0; column < columns; ++column) {
        const auto& packed = facts[static_cast<std::size_t>(column)].packed;
        const bool packs = std::any_of(packed.begin(), packed.end(), [](int count) { return count > 0; });
        if (packs && !contains(used, column)) choices.push_back({{column}, true});
    }
    return choices;
}

std::vector<BonusSource> bonusSourceChoices(const std::vector<TableRecord>& records, const TableLayout& layout,
                                            const LotteryProfile& profile) {
    std::vector<BonusSource> choices{{}};
    if (profile.bonus <= 0) return choices;
    if (layout.balls.packed) choices.push_back({BonusSource::Kind::PackedLast, -1});
    const std::vector<ColumnFacts> facts = columnFacts(records, columnCount(records), {});
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), layout.balls.columns.begin(), layout.balls.columns.end());
    for (int column = 0; column < static_cast<int>(facts.size()); ++column) {
        if (!contains(used, column) && facts[static_cast<std::size_t>(column)].numbers > 0) {
            choices.push_back({BonusSource::Kind::Column, column});
        }
    }
    return choices;
}

bool dateOrderMatters(const std::vector<TableRecord>& records, const DateSource& date) {
    const std::size_t sampled = std::min(records.size(), kFactRecords);
    for (std::size_t r = 0; r < sampled; ++r) {
        const std::vector<std::string>& cells = records[r].cells;
        if (date.split) {
            const auto month = static_cast<std::size_t>(dayMonthYearColumns(date)[1]);
            if (month < cells.size() && monthOfWord(foldedWord(cells[month]))) return false;
            continue;
        }
        const auto column = static_cast<std::size_t>(date.column);
        if (column < cells.size() && readDateCell(cells[column]).form == DateCell::Form::Numbers) return true;
    }
    return date.split;
}

}  // namespace numora
