#include "draws/table/LayoutDetection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>

#include "draws/table/CalendarWords.h"
#include "draws/table/ColumnFacts.h"
#include "draws/table/ColumnTable.h"
#include "draws/table/NumberCell.h"
#include "draws/table/SecondDrumColumns.h"
#include "draws/table/TableRows.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kNoRecords[] = "The file holds no lines to read draws from.";
constexpr char kNoDateColumn[] = "No column holds a date on most lines.";
constexpr char kNoBallColumns[] = "No columns hold %d balls from %d to %d beside the date.";
constexpr char kTooManyNumbers[] = "Columns %d to %d hold %d numbers on each line where the lottery draws %d.";
constexpr char kNoSecondDrumColumns[] = "No columns hold the second drum's %d numbers from %d to %d beside the balls.";

// A multiplier: a handful of small numbers (2, 3, 4, 5, 10).
constexpr int kSmallNumber = 10;

constexpr DateOrder kOrders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay};

// Which records hold a date under a date source, one flag each.
std::vector<bool> datedRecords(std::span<const TableRecord> records, const DateSource& date) {
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

int readableDays(std::span<const TableRecord> records, const DateSource& source, std::size_t count) {
    int readable = 0;
    for (std::size_t r = 0; r < std::min(count, records.size()); ++r) {
        readable += recordDay(records[r], source).has_value() ? 1 : 0;
    }
    return readable;
}

// The date column, and which records hold a date in it.
std::optional<DateSource> dateColumn(const ColumnTable& table, DateOrder localeOrder, std::vector<bool>& dated) {
    std::optional<int> best;
    const auto rank = [&](int column) {
        const ColumnFacts& fact = table.fact(column);
        return std::make_tuple(fact.role == HeadingRole::Date, fact.dates, -column);
    };
    for (int column = 0; column < table.columns(); ++column) {
        if (!atLeastHalf(table.fact(column).dates, table.sampled)) continue;
        if (!best || rank(column) > rank(*best)) best = column;
    }
    if (!best) return std::nullopt;

    std::array<int, 3> readable{};
    std::vector<std::uint8_t> ordersPerRecord(table.records.size());
    for (std::size_t r = 0; r < table.records.size(); ++r) {
        const DateCell date = readDateCell(cellOf(table.records[r], *best));
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

std::optional<DateSource> splitDateColumns(const ColumnTable& table, DateOrder localeOrder) {
    std::optional<DateSource> best;
    std::tuple<int, int, bool, int> bestRank{};
    for (int column = 0; column + 2 < table.columns(); ++column) {
        for (const DateOrder order : kOrders) {
            const DateSource source{true, column, order};
            const auto [day, month, year] = dayMonthYearColumns(source);
            const ColumnFacts& yearFacts = table.fact(year);
            const bool yearColumn =
                yearFacts.role == HeadingRole::Year || nearlyAll(yearFacts.fourDigitYears, yearFacts.filled);
            if (!yearColumn || yearFacts.filled == 0) continue;
            if (!atLeastHalf(readableDays(table.records, source, kFactRecords), table.sampled)) continue;
            const int agreeing = (table.fact(day).role == HeadingRole::Day) +
                                 (table.fact(month).role == HeadingRole::Month) + (yearFacts.role == HeadingRole::Year);
            const std::tuple<int, int, bool, int> rank{
                agreeing, readableDays(table.records, source, table.records.size()), order == localeOrder, -column};
            if (!best || rank > bestRank) best = source, bestRank = rank;
        }
    }
    return best;
}

// How strongly the headings name a run of columns as the balls: 2 when they
// count up by one from 0 or 1 with the same words before the number ("Ball 1"
// .. "Ball 6", "N1".."N6"), 1 when each names a ball, else 0.
int headingsNameBalls(const ColumnTable& table, const std::vector<int>& columns) {
    const auto first = numberedHeading(headingOf(table.headings, columns.front()));
    bool countsUp = first && first->number <= 1;
    for (std::size_t i = 1; i < columns.size() && countsUp; ++i) {
        const auto numbered = numberedHeading(headingOf(table.headings, columns[i]));
        countsUp = numbered && numbered->stem == first->stem && numbered->number == first->number + static_cast<int>(i);
    }
    if (countsUp) return 2;
    const bool named = std::all_of(columns.begin(), columns.end(),
                                   [&](int column) { return table.fact(column).role == HeadingRole::Ball; });
    return named ? 1 : 0;
}

int readableRecords(const ColumnTable& table, const std::vector<bool>& dated, const TableLayout& layout) {
    int readable = 0;
    for (std::size_t r = 0; r < table.records.size(); ++r) {
        readable += dated[r] && recordNumbers(table.records[r], layout, table.profile).has_value() ? 1 : 0;
    }
    return readable;
}

// Whether something that chance gives a bonus drawn from the lottery's bonus
// range with that share of the range would happen that many times in a row
// only by a chance too small to take.
bool unlikelyForBonuses(double share, std::size_t times, const LotteryProfile& profile) {
    const double bonuses = std::max(profile.bonus - profile.min + 1, 1);
    return std::pow(std::min(share / bonuses, 1.0), static_cast<double>(times)) < kUnlikelyByChance;
}

// Whether the column after the balls holds the bonus: nearly all of its
// numbers lie within 0 to the highest bonus, and it is neither the balls' sum
// nor a multiplier (a handful of small numbers where bonuses drawn by chance
// would have gone higher). Each draw counts once, however often a file
// repeats it.
bool nextColumnIsBonus(const ColumnTable& table, const TableLayout& balls, int column) {
    int numbers = 0;
    int inRange = 0;
    std::set<int> values;
    std::set<std::vector<int>> draws;  // the balls, then the column's number
    std::size_t sums = 0;
    for (const TableRecord& record : table.records) {
        const auto value = cellNumber(cellOf(record, column));
        if (!value) continue;
        ++numbers;
        inRange += *value <= table.profile.bonus ? 1 : 0;
        if (values.size() <= kHandful) values.insert(*value);
        const auto draw = recordNumbers(record, balls, table.profile);
        if (!draw) continue;
        std::vector<int> numbersOfDraw;
        int sum = 0;
        for (int ball = 1; ball <= table.profile.balls; ++ball) {
            sum += draw->ball(ball);
            numbersOfDraw.push_back(draw->ball(ball));
        }
        numbersOfDraw.push_back(*value);
        if (draws.insert(std::move(numbersOfDraw)).second) sums += sum == *value ? 1 : 0;
    }
    // A bonus equals the sum of the balls by a chance of one in the bonus
    // range; it stays within a multiplier's few small numbers by the share of
    // the range they reach.
    const bool sumOfBalls = !draws.empty() && nearlyAll(static_cast<int>(sums), static_cast<int>(draws.size())) &&
                            unlikelyForBonuses(1, sums, table.profile);
    const bool multiplier = !values.empty() && values.size() <= kHandful && *values.rbegin() <= kSmallNumber &&
                            unlikelyForBonuses(*values.rbegin() - table.profile.min + 1, draws.size(), table.profile);
    return numbers > 0 && nearlyAll(inRange, numbers) && !sumOfBalls && !multiplier;
}

BonusSource bonusAfter(const ColumnTable& table, const TableLayout& layout) {
    if (table.profile.bonus <= 0) return {};
    const std::vector<int>& ballColumns = layout.balls.columns;
    const int packedDrum =
        layout.drum2.kind == SecondDrumSource::Kind::PackedAfterBalls ? secondDrumNumbers(table.profile) : 0;
    if (layout.balls.packed && packsBonus(table.fact(ballColumns.front()), table.profile, packedDrum)) {
        return {BonusSource::Kind::PackedLast, -1};
    }
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), ballColumns.begin(), ballColumns.end());
    used.insert(used.end(), layout.drum2.columns.begin(), layout.drum2.columns.end());
    for (int column = 0; column < table.columns(); ++column) {
        const ColumnFacts& fact = table.fact(column);
        if (!contains(used, column) && fact.role == HeadingRole::Bonus && atLeastHalf(fact.numbers, fact.filled)) {
            return {BonusSource::Kind::Column, column};
        }
    }
    // After the balls, and after second drum columns that follow them.
    int next = *std::max_element(ballColumns.begin(), ballColumns.end()) + 1;
    while (contains(layout.drum2.columns, next)) ++next;
    if (next >= table.columns() || contains(used, next)) return {};
    const ColumnFacts& fact = table.fact(next);
    // A bonus may stay the same from draw to draw, as a small bonus range makes it.
    if (namedOtherThanNumber(fact.role) || countsByOne(fact, table.profile.bonus - table.profile.min + 1)) return {};
    if (!atLeastHalf(fact.numbers, table.sampled) || !nextColumnIsBonus(table, layout, next)) return {};
    return {BonusSource::Kind::Column, next};
}

struct BallCandidate {
    TableLayout layout;
    int named = 0;  // how strongly the headings name its columns as balls
    int readable = 0;
};

std::vector<BallCandidate> ballCandidates(const ColumnTable& table, const std::vector<bool>& dated,
                                          const DateSource& date) {
    const std::vector<int> used = dateColumns(date);
    const auto usable = [&](int column) {
        const ColumnFacts& fact = table.fact(column);
        return !contains(used, column) && !neverNumber(fact, table.profile) && fact.role != HeadingRole::Bonus &&
               fact.role != HeadingRole::SecondDrum;
    };
    const LotteryProfile& profile = table.profile;
    std::vector<BallCandidate> candidates;
    for (int first = 0; first + profile.balls <= table.columns(); ++first) {
        BallCandidate candidate{{date, {}, {}, {}}};
        std::vector<int>& columns = candidate.layout.balls.columns;
        for (int column = first; column < first + profile.balls; ++column) {
            if (!usable(column) || !atLeastHalf(table.fact(column).numbers, table.sampled)) break;
            columns.push_back(column);
        }
        if (static_cast<int>(columns.size()) != profile.balls) continue;
        candidate.named = headingsNameBalls(table, columns);
        candidates.push_back(std::move(candidate));
    }
    for (int column = 0; column < table.columns(); ++column) {
        const ColumnFacts& fact = table.fact(column);
        const int packedLines = packedDrawLines(fact, profile, packedDrumNumbers(fact, profile));
        if (!usable(column) || !atLeastHalf(packedLines, table.sampled)) continue;
        candidates.push_back({{date, {{column}, true}, {}, {}}, fact.role == HeadingRole::Ball ? 1 : 0, 0});
    }
    for (BallCandidate& candidate : candidates) {
        candidate.layout.drum2 = secondDrumOf(table, candidate.layout);
        candidate.layout.bonus = bonusAfter(table, candidate.layout);
        candidate.readable = readableRecords(table, dated, candidate.layout);
    }
    return candidates;
}

// Of the candidates that read at least half as many records as the best, the
// one the headings name most strongly, then the one that reads the most, then
// one with a bonus, then the first. When none reads a record, the one the
// headings name, so that each record is rejected with its reason.
std::optional<TableLayout> bestLayout(const std::vector<BallCandidate>& candidates, bool bonus) {
    if (candidates.empty()) return std::nullopt;
    int most = 0;
    for (const BallCandidate& candidate : candidates) most = std::max(most, candidate.readable);
    const auto rank = [most, bonus](const BallCandidate& candidate) {
        const bool close = candidate.readable * 2 >= most;
        const bool withBonus = bonus && candidate.layout.bonus.kind != BonusSource::Kind::None;
        return std::make_tuple(close ? candidate.named : -1, candidate.readable, withBonus,
                               -candidate.layout.balls.columns.front());
    };
    const BallCandidate* best = &candidates.front();
    for (const BallCandidate& candidate : candidates) {
        if (rank(candidate) > rank(*best)) best = &candidate;
    }
    return best->layout;
}

// A column whose numbers nearly all lie within the lottery's balls.
bool holdsBalls(const ColumnTable& table, const std::vector<bool>& dated, const DateSource& date, int column) {
    if (column < 0 || column >= table.columns() || contains(dateColumns(date), column)) return false;
    const ColumnFacts& fact = table.fact(column);
    if (neverNumber(fact, table.profile) || !atLeastHalf(fact.numbers, table.sampled)) return false;
    int numbers = 0;
    int inRange = 0;
    for (std::size_t r = 0; r < std::min(table.records.size(), kFactRecords); ++r) {
        const auto value = dated[r] ? cellNumber(cellOf(table.records[r], column)) : std::nullopt;
        if (!value) continue;
        ++numbers;
        inRange += *value >= table.profile.min && *value <= table.profile.max ? 1 : 0;
    }
    return numbers > 0 && nearlyAll(inRange, numbers);
}

// The columns around the balls that hold ball numbers too, first and last.
std::pair<int, int> ballRun(const ColumnTable& table, const std::vector<bool>& dated, const TableLayout& layout) {
    int first = layout.balls.columns.front();
    int last = layout.balls.columns.back();
    while (holdsBalls(table, dated, layout.date, first - 1)) --first;
    while (holdsBalls(table, dated, layout.date, last + 1)) ++last;
    return {first, last};
}

}  // namespace

LayoutGuess detectLayout(std::span<const TableRecord> records, const std::vector<std::string>& headings,
                         const LotteryProfile& profile, DateOrder localeOrder) {
    LayoutGuess guess;
    if (records.empty()) {
        guess.problem = kNoRecords;
        return guess;
    }
    std::vector<ColumnFacts> facts = columnFacts(records);
    if (headingsFit(headings, records, facts, hasSecondDrum(profile))) {
        guess.headings = headings;
        giveRoles(facts, headings, hasSecondDrum(profile));
    }
    const ColumnTable table{records, profile, guess.headings, std::move(facts), sampledRecords(records)};

    std::vector<bool> dated;
    auto date = dateColumn(table, localeOrder, dated);
    if (!date) {
        date = splitDateColumns(table, localeOrder);
        if (date) dated = datedRecords(records, *date);
    }
    if (!date) {
        guess.problem = kNoDateColumn;
        return guess;
    }
    const auto layout = bestLayout(ballCandidates(table, dated, *date), profile.bonus > 0);
    if (!layout) {
        guess.problem = formatText(kNoBallColumns, profile.balls, profile.min, profile.max);
        return guess;
    }
    if (!layout->balls.packed) {
        // A lottery with a second drum draws its numbers too, and they may lie within the balls' range.
        const int drawn = slotsInPlay(profile);
        const auto [first, last] = ballRun(table, dated, *layout);
        if (last - first + 1 >= 2 * drawn) {
            guess.problem = formatText(kTooManyNumbers, first + 1, last + 1, last - first + 1, drawn);
            return guess;
        }
    }
    if (hasSecondDrum(profile) && layout->drum2.kind == SecondDrumSource::Kind::None) {
        guess.problem = formatText(kNoSecondDrumColumns, profile.drum2, profile.drum2Min, profile.drum2Max);
        return guess;
    }
    guess.readable = readableRecords(table, dated, *layout);
    guess.layout = layout;
    return guess;
}

std::vector<BallSource> ballSourceChoices(std::span<const TableRecord> records, const DateSource& date,
                                          const LotteryProfile& profile) {
    const std::vector<ColumnFacts> facts = columnFacts(records);
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

std::vector<BonusSource> bonusSourceChoices(std::span<const TableRecord> records, const TableLayout& layout,
                                            const LotteryProfile& profile) {
    std::vector<BonusSource> choices{{}};
    if (profile.bonus <= 0) return choices;
    if (layout.balls.packed) choices.push_back({BonusSource::Kind::PackedLast, -1});
    const std::vector<ColumnFacts> facts = columnFacts(records);
    std::vector<int> used = dateColumns(layout.date);
    used.insert(used.end(), layout.balls.columns.begin(), layout.balls.columns.end());
    used.insert(used.end(), layout.drum2.columns.begin(), layout.drum2.columns.end());
    for (int column = 0; column < static_cast<int>(facts.size()); ++column) {
        if (!contains(used, column) && facts[static_cast<std::size_t>(column)].numbers > 0) {
            choices.push_back({BonusSource::Kind::Column, column});
        }
    }
    return choices;
}

bool dateOrderMatters(std::span<const TableRecord> records, const DateSource& date) {
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
