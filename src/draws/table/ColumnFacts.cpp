#include "draws/table/ColumnFacts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "draws/table/DateCell.h"
#include "draws/table/NumberCell.h"

namespace numora {

namespace {

constexpr int kLeastPairs = 4;       // consecutive numbers before a column can count or stay
constexpr int kNearlyAllTenths = 9;  // "nearly all": nine tenths
constexpr int kFourDigitYearLow = 1900;
constexpr int kFourDigitYearHigh = 2099;

constexpr DateOrder kOrders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay};

bool isBlank(std::string_view cell) { return cell.find_first_not_of(" \t") == std::string_view::npos; }

bool holdsDate(const std::string& cell) {
    const DateCell date = readDateCell(cell);
    return std::any_of(std::begin(kOrders), std::end(kOrders),
                       [&](DateOrder order) { return dayInOrder(date, order).has_value(); });
}

// The cells up to the last one that is not empty.
std::size_t filledLength(const std::vector<std::string>& cells) {
    std::size_t length = cells.size();
    while (length > 0 && isBlank(cells[length - 1])) --length;
    return length;
}

// Whether numbers drawn by chance from a range of that many would follow a
// pattern (the same number, or one more) that many times in a row only by a
// chance too small to take.
bool unlikelyByChance(int times, int range) { return std::pow(1.0 / std::max(range, 2), times) < kUnlikelyByChance; }

}  // namespace

bool nearlyAll(int part, int whole) { return part * 10 >= whole * kNearlyAllTenths; }
bool atLeastHalf(int part, int whole) { return part * 2 >= whole && part > 0; }

int columnCount(std::span<const TableRecord> records) {
    std::size_t columns = 0;
    for (const TableRecord& record : records) columns = std::max(columns, record.cells.size());
    return static_cast<int>(columns);
}

int sampledRecords(std::span<const TableRecord> records) {
    return static_cast<int>(std::min(records.size(), kFactRecords));
}

std::string_view headingOf(const std::vector<std::string>& headings, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < headings.size()
               ? std::string_view(headings[static_cast<std::size_t>(column)])
               : std::string_view();
}

std::vector<ColumnFacts> columnFacts(std::span<const TableRecord> records) {
    std::vector<ColumnFacts> facts(static_cast<std::size_t>(columnCount(records)));
    std::vector<std::optional<int>> previous(facts.size());
    std::vector<std::optional<int>> numbers(facts.size());
    std::set<std::vector<std::optional<int>>> seen;
    const auto sampled = static_cast<std::size_t>(sampledRecords(records));
    for (std::size_t r = 0; r < sampled; ++r) {
        const std::vector<std::string>& cells = records[r].cells;
        for (std::size_t column = 0; column < facts.size(); ++column) {
            numbers[column] = column < cells.size() ? cellNumber(cells[column]) : std::nullopt;
        }
        // A line that repeats the numbers of a line before it tells nothing of how a column runs.
        const bool repeated = !seen.insert(numbers).second;
        for (std::size_t column = 0; column < facts.size(); ++column) {
            ColumnFacts& fact = facts[column];
            const std::optional<int> number = numbers[column];
            if (number && previous[column] && !repeated) {
                ++fact.pairs;
                fact.ups += *number == *previous[column] + 1 ? 1 : 0;
                fact.downs += *number + 1 == *previous[column] ? 1 : 0;
                fact.changes += *number != *previous[column] ? 1 : 0;
            }
            if (column >= cells.size() || isBlank(cells[column])) continue;
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
        if (!repeated) previous.swap(numbers);
    }
    return facts;
}

void giveRoles(std::vector<ColumnFacts>& facts, const std::vector<std::string>& headings, bool secondDrum) {
    for (std::size_t column = 0; column < facts.size(); ++column) {
        facts[column].role = headingRole(headingOf(headings, static_cast<int>(column)), secondDrum);
    }
}

bool countsByOne(const ColumnFacts& facts, int range) {
    const int counted = std::max(facts.ups, facts.downs);
    return facts.pairs >= kLeastPairs && nearlyAll(counted, facts.pairs) && unlikelyByChance(counted, range);
}

bool neverChanges(const ColumnFacts& facts, int range) {
    return facts.pairs >= kLeastPairs && facts.changes == 0 && unlikelyByChance(facts.pairs, range);
}

bool namedOtherThanNumber(HeadingRole role) {
    switch (role) {
        case HeadingRole::NotBall:
        case HeadingRole::Date:
        case HeadingRole::Day:
        case HeadingRole::Month:
        case HeadingRole::Year:
            return true;
        case HeadingRole::Unknown:
        case HeadingRole::Ball:
        case HeadingRole::Bonus:
        case HeadingRole::SecondDrum:
            break;
    }
    return false;
}

bool neverNumber(const ColumnFacts& facts, const LotteryProfile& profile) {
    const int balls = profile.max - profile.min + 1;
    return namedOtherThanNumber(facts.role) || countsByOne(facts, balls) || neverChanges(facts, balls);
}

bool headingsFit(const std::vector<std::string>& headings, std::span<const TableRecord> records,
                 const std::vector<ColumnFacts>& facts, bool secondDrum) {
    if (headings.empty()) return false;
    std::map<std::size_t, int> lengths;
    for (std::size_t r = 0; r < static_cast<std::size_t>(sampledRecords(records)); ++r) {
        ++lengths[filledLength(records[r].cells)];
    }
    const auto most = std::max_element(lengths.begin(), lengths.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most == lengths.end() || most->first != filledLength(headings)) return false;
    for (std::size_t column = 0; column < std::min(headings.size(), facts.size()); ++column) {
        const ColumnFacts& fact = facts[column];
        const HeadingRole role = headingRole(headings[column], secondDrum);
        const bool numbersUnderDate = role == HeadingRole::Date && fact.numbers * 2 > fact.filled;
        const bool numberRole =
            role == HeadingRole::Ball || role == HeadingRole::Bonus || role == HeadingRole::SecondDrum;
        const bool datesUnderBall = numberRole && fact.dates * 2 > fact.filled;
        if (numbersUnderDate || datesUnderBall) return false;
    }
    return true;
}

}  // namespace numora
