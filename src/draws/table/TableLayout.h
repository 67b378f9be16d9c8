#pragma once

#include <array>
#include <string>
#include <vector>

#include "draws/table/TableText.h"
#include "platform/LocaleInfo.h"

namespace numora {

// One line of a table file cut into its cells.
struct TableRecord {
    int line = 0;  // the physical line, from 1
    std::vector<std::string> cells;
};

// Where each draw's date is. Columns count from 0.
struct DateSource {
    bool split = false;  // day, month and year in three columns side by side
    int column = -1;     // the date column, or the first of the three
    // For dates of three numbers, the order of day, month and year; for split
    // columns, which column is which.
    DateOrder order = DateOrder::DayMonthYear;

    friend bool operator==(const DateSource&, const DateSource&) = default;
};

// The day, month and year columns of split date columns, by their order.
inline std::array<int, 3> dayMonthYearColumns(const DateSource& date) {
    switch (date.order) {
        case DateOrder::MonthDayYear:
            return {date.column + 1, date.column, date.column + 2};
        case DateOrder::YearMonthDay:
            return {date.column + 2, date.column + 1, date.column};
        case DateOrder::DayMonthYear:
            break;
    }
    return {date.column, date.column + 1, date.column + 2};
}

// Where each draw's balls are: one column per ball, in ball order, or one
// column that packs them all.
struct BallSource {
    std::vector<int> columns;
    bool packed = false;

    friend bool operator==(const BallSource&, const BallSource&) = default;
};

// Where each draw's bonus is, if anywhere.
struct BonusSource {
    enum class Kind { None, Column, PackedLast };  // PackedLast: the number after the balls in the packed column
    Kind kind = Kind::None;
    int column = -1;

    friend bool operator==(const BonusSource&, const BonusSource&) = default;
};

// Where each draw's second drum numbers are, for a lottery with a second
// drum: one column per number, one column that packs them, or the numbers
// after the balls in the balls' packed column (before a packed bonus).
struct SecondDrumSource {
    enum class Kind { None, Columns, Packed, PackedAfterBalls };
    Kind kind = Kind::None;
    std::vector<int> columns;  // Columns: one per number, in drum order; Packed: the one column

    // The cells that hold the numbers, read as balls are (none for PackedAfterBalls).
    BallSource cells() const {
        return kind == Kind::PackedAfterBalls ? BallSource{} : BallSource{columns, kind == Kind::Packed};
    }

    friend bool operator==(const SecondDrumSource&, const SecondDrumSource&) = default;
};

// How the records of a table file give draws: the roles of its columns.
struct TableLayout {
    DateSource date;
    BallSource balls;
    BonusSource bonus;
    SecondDrumSource drum2;  // none for a lottery without a second drum

    friend bool operator==(const TableLayout&, const TableLayout&) = default;
};

}  // namespace numora
