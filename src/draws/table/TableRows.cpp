#include "draws/table/TableRows.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "draws/DrawDay.h"
#include "draws/table/CalendarWords.h"
#include "draws/table/NumberCell.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kNoDate[] = "line %d: no date";
constexpr char kDateReason[] = "line %d: %s";
constexpr char kNotADateInOrder[] = "line %d: \"%s\" is not a date in %s order";
constexpr char kNumberCount[] = "line %d: %d numbers where the lottery has %d";
constexpr char kNumberCountWithBonus[] = "line %d: %d numbers where the lottery has %d and a bonus";
constexpr char kNumberCountWithDrum[] = "line %d: %d numbers where the lottery has %d and %d of its second drum";
constexpr char kNumberCountWithDrumAndBonus[] =
    "line %d: %d numbers where the lottery has %d, %d of its second drum and a bonus";
constexpr char kDrumCount[] = "line %d: %d second drum numbers where the lottery has %d";
constexpr char kDrumOutside[] = "line %d: second drum number %d is outside the lottery's %d to %d";
constexpr char kNotANumber[] = "line %d: \"%s\" is not a number";
constexpr char kBallOutside[] = "line %d: ball %d is outside the lottery's %d to %d";
constexpr char kNotABonus[] = "line %d: \"%s\" is not a bonus number";
constexpr char kBonusAbove[] = "line %d: bonus %d is above the lottery's highest bonus %d";

const std::string kMissingCell;

const std::string& cellAt(const TableRecord& record, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < record.cells.size()
               ? record.cells[static_cast<std::size_t>(column)]
               : kMissingCell;
}

bool isEmptyCell(const std::string& cell) { return cell.find_first_not_of(" \t") == std::string::npos; }

// Sets reason, when the caller wants one, and gives no draw.
template <typename... Values>
std::nullopt_t refuse(std::string* reason, const char* format, Values... values) {
    if (reason) *reason = formatText(format, values...);
    return std::nullopt;
}

std::optional<CalendarDay> splitDay(const TableRecord& record, const DateSource& source, std::string* reason) {
    const auto [dayColumn, monthColumn, yearColumn] = dayMonthYearColumns(source);
    const std::string& dayCell = cellAt(record, dayColumn);
    const std::string& monthCell = cellAt(record, monthColumn);
    const std::string& yearCell = cellAt(record, yearColumn);
    if (isEmptyCell(dayCell) || isEmptyCell(monthCell) || isEmptyCell(yearCell)) {
        return refuse(reason, kNoDate, record.line);
    }
    const auto day = cellNumber(dayCell);
    auto month = cellNumber(monthCell);
    if (!month) month = monthOfWord(foldedWord(monthCell.substr(0, monthCell.find_last_not_of(" \t.") + 1)));
    const auto year = cellNumber(yearCell);
    const std::size_t yearStart = yearCell.find_first_not_of(" \t");
    const int yearDigits = static_cast<int>(yearCell.find_last_not_of(" \t") + 1 - yearStart);
    if (day && month && year) {
        if (const auto checked = checkedDay(*year, yearDigits, *month, *day)) return checked;
    }
    const std::string shown = dayCell + " " + monthCell + " " + yearCell;
    return refuse(reason, kDateReason, record.line, notADate(shown).c_str());
}

// The numbers of a record's ball cells: a few more than a line can hold are
// kept, all are counted.
struct BallNumbers {
    std::array<int, DrawRecord::kNumberCount + 1> values{};
    std::size_t count = 0;
};

bool ballCellNumbers(const TableRecord& record, const BallSource& source, BallNumbers& numbers, std::string* reason) {
    if (source.packed) {
        const std::string& cell = cellAt(record, source.columns.empty() ? -1 : source.columns.front());
        if (isEmptyCell(cell)) return true;
        numbers.count = cellNumbers(cell, numbers.values);
        if (numbers.count > 0) return true;
        if (const auto single = cellNumber(cell)) {
            numbers.values[numbers.count++] = *single;
            return true;
        }
        refuse(reason, kNotANumber, record.line, cell.c_str());
        return false;
    }
    for (const int column : source.columns) {
        const std::string& cell = cellAt(record, column);
        if (isEmptyCell(cell)) continue;
        const auto number = cellNumber(cell);
        if (!number) {
            refuse(reason, kNotANumber, record.line, cell.c_str());
            return false;
        }
        if (numbers.count < numbers.values.size()) numbers.values[numbers.count] = *number;
        ++numbers.count;
    }
    return true;
}

bool packedBonus(const TableLayout& layout, const LotteryProfile& profile) {
    return layout.bonus.kind == BonusSource::Kind::PackedLast && profile.bonus > 0;
}

// The second drum numbers packed after the balls, 0 when the layout has them elsewhere.
int packedDrum(const TableLayout& layout, const LotteryProfile& profile) {
    return layout.drum2.kind == SecondDrumSource::Kind::PackedAfterBalls ? secondDrumNumbers(profile) : 0;
}

int expectedNumbers(const TableLayout& layout, const LotteryProfile& profile) {
    return profile.balls + packedDrum(layout, profile) + (packedBonus(layout, profile) ? 1 : 0);
}

const char* numberCountFormat(const TableLayout& layout, const LotteryProfile& profile) {
    const bool drum = packedDrum(layout, profile) > 0;
    if (packedBonus(layout, profile)) return drum ? kNumberCountWithDrumAndBonus : kNumberCountWithBonus;
    return drum ? kNumberCountWithDrum : kNumberCount;
}

// The second drum numbers a record holds apart from the balls: the lottery's
// when the layout has them in cells of their own, else none.
int drumNumbersApart(const TableLayout& layout, const LotteryProfile& profile) {
    return packedDrum(layout, profile) > 0 ? 0 : secondDrumNumbers(profile);
}

// Reads those numbers; false (with the reason) when a cell holds no number.
bool drumCellNumbers(const TableRecord& record, const TableLayout& layout, const LotteryProfile& profile,
                     BallNumbers& numbers, std::string* reason) {
    if (drumNumbersApart(layout, profile) == 0) return true;
    return ballCellNumbers(record, layout.drum2.cells(), numbers, reason);
}

// Takes a lottery's second drum numbers, count of them from numbers.values[first],
// into the slots after its balls: exactly as many as it draws, each within the
// drum's range.
bool takeDrum(const BallNumbers& numbers, std::size_t first, std::size_t count, const LotteryProfile& profile,
              const TableRecord& record, DrawRecord& draw, std::string* reason) {
    if (count != static_cast<std::size_t>(secondDrumNumbers(profile))) {
        refuse(reason, kDrumCount, record.line, static_cast<int>(count), profile.drum2);
        return false;
    }
    const NumberRange range = secondDrumRange(profile);
    for (std::size_t i = 0; i < count; ++i) {
        const int number = numbers.values[first + i];
        if (!range.holds(number)) {
            refuse(reason, kDrumOutside, record.line, number, range.low, range.high);
            return false;
        }
        draw.ball(profile.balls + 1 + static_cast<int>(i)) = number;
    }
    return true;
}

// The numbers of a record that ends in a date before the layout's date
// column: a line with fewer numbers than the others, its date moved up.
std::optional<int> numbersBeforeEarlyDate(const TableRecord& record, const DateSource& source) {
    if (source.split || !isEmptyCell(cellAt(record, source.column))) return std::nullopt;
    const auto last = std::find_if(record.cells.rbegin(), record.cells.rend(),
                                   [](const std::string& cell) { return !isEmptyCell(cell); });
    if (last == record.cells.rend() || readDateCell(*last).form == DateCell::Form::None) return std::nullopt;
    return static_cast<int>(std::count_if(std::next(last), record.cells.rend(),
                                          [](const std::string& cell) { return cellNumber(cell).has_value(); }));
}

bool takeBonus(int value, const LotteryProfile& profile, const TableRecord& record, DrawRecord& numbers,
               std::string* reason) {
    if (value > profile.bonus) {
        refuse(reason, kBonusAbove, record.line, value, profile.bonus);
        return false;
    }
    numbers.bonus = value;
    return true;
}

}  // namespace

std::optional<CalendarDay> recordDay(const TableRecord& record, const DateSource& source, std::string* reason) {
    if (source.split) return splitDay(record, source, reason);
    const std::string& cell = cellAt(record, source.column);
    if (isEmptyCell(cell)) return refuse(reason, kNoDate, record.line);
    const DateCell date = readDateCell(cell);
    if (const auto day = dayInOrder(date, source.order)) return day;
    if (date.form == DateCell::Form::Numbers) {
        return refuse(reason, kNotADateInOrder, record.line, cell.c_str(), dateOrderInWords(source.order));
    }
    return refuse(reason, kDateReason, record.line, notADate(cell).c_str());
}

std::optional<DrawRecord> recordNumbers(const TableRecord& record, const TableLayout& layout,
                                        const LotteryProfile& profile, std::string* reason) {
    BallNumbers numbers;
    if (!ballCellNumbers(record, layout.balls, numbers, reason)) return std::nullopt;
    const int expected = expectedNumbers(layout, profile);
    if (static_cast<int>(numbers.count) != expected) {
        return refuse(reason, numberCountFormat(layout, profile), record.line, static_cast<int>(numbers.count),
                      profile.balls, profile.drum2);
    }
    DrawRecord draw;
    for (int ball = 1; ball <= profile.balls; ++ball) {
        const int value = numbers.values[static_cast<std::size_t>(ball - 1)];
        if (value < profile.min || value > profile.max) {
            return refuse(reason, kBallOutside, record.line, value, profile.min, profile.max);
        }
        draw.ball(ball) = value;
    }
    if (const int packed = packedDrum(layout, profile); packed > 0) {
        const auto balls = static_cast<std::size_t>(profile.balls);
        if (!takeDrum(numbers, balls, static_cast<std::size_t>(packed), profile, record, draw, reason))
            return std::nullopt;
    } else if (hasSecondDrum(profile)) {
        BallNumbers apart;
        if (!drumCellNumbers(record, layout, profile, apart, reason) ||
            !takeDrum(apart, 0, apart.count, profile, record, draw, reason))
            return std::nullopt;
    }
    if (packedBonus(layout, profile) && !takeBonus(numbers.values[numbers.count - 1], profile, record, draw, reason))
        return std::nullopt;
    if (layout.bonus.kind == BonusSource::Kind::Column && profile.bonus > 0) {
        const std::string& cell = cellAt(record, layout.bonus.column);
        if (!isEmptyCell(cell)) {
            const auto bonus = cellNumber(cell);
            if (!bonus) return refuse(reason, kNotABonus, record.line, cell.c_str());
            if (!takeBonus(*bonus, profile, record, draw, reason)) return std::nullopt;
        }
    }
    return draw;
}

bool readsAsDraw(const TableRecord& record, const TableLayout& layout, const LotteryProfile& profile) {
    BallNumbers numbers;
    BallNumbers drum;
    return recordDay(record, layout.date) && ballCellNumbers(record, layout.balls, numbers, nullptr) &&
           static_cast<int>(numbers.count) == expectedNumbers(layout, profile) &&
           drumCellNumbers(record, layout, profile, drum, nullptr) &&
           drum.count == static_cast<std::size_t>(drumNumbersApart(layout, profile));
}

TableRows readTableRows(const std::vector<TableRecord>& records, const TableLayout& layout,
                        const LotteryProfile& profile, const LocalTime& time) {
    TableRows read;
    read.rows.reserve(records.size());
    std::string reason;
    for (const TableRecord& record : records) {
        const auto day = recordDay(record, layout.date, &reason);
        if (const auto numbers = day ? std::nullopt : numbersBeforeEarlyDate(record, layout.date)) {
            reason = formatText(kNumberCount, record.line, *numbers, profile.balls);
        }
        auto draw = day ? recordNumbers(record, layout, profile, &reason) : std::nullopt;
        if (!draw) {
            read.rejects.push_back({record.line, reason});
            continue;
        }
        const auto date = drawDateOf(*day, time);
        if (!date) {
            read.rejects.push_back({record.line, formatText(kDateReason, record.line, outsideDrawDays(*day).c_str())});
            continue;
        }
        draw->date = *date;
        read.rows.push_back({record.line, *draw});
    }
    return read;
}

const char* dateOrderInWords(DateOrder order) {
    switch (order) {
        case DateOrder::MonthDayYear:
            return "month/day/year";
        case DateOrder::DayMonthYear:
            return "day/month/year";
        case DateOrder::YearMonthDay:
            break;
    }
    return "year/month/day";
}

}  // namespace numora
