#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

// The layout that reads the most records of a table, or why there is none.
struct LayoutGuess {
    std::optional<TableLayout> layout;
    std::string problem;                // when there is no layout
    int readable = 0;                   // records that give a draw under the layout
    std::vector<std::string> headings;  // the headings given, when they fit the records; otherwise none
};

// Finds the roles of the columns from what the cells hold. Headings (empty
// when the file has none) only help, and only when they fit the records
// (see headingsFit): they break ties between columns that hold the same, and
// keep a column they name as something else than a ball from the balls.
// - The date: the column where most records hold a date (one headed as a
//   date first), else three columns side by side that give a day, a month
//   (number or name) and a four-digit year; for dates of three numbers the
//   order of day and month that reads the most records of the whole file, then
//   the locale's order.
// - The balls: the run of the lottery's number of columns, or the one column
//   that packs that many numbers, that reads the most records with the bonus
//   the run leaves (among runs that read about as many: the one the headings
//   name, then the one with a bonus, then the first). Never a column that
//   counts by one (draw numbers) or never changes. Columns that hold twice the
//   numbers the lottery draws (its balls and second drum) or more side by side
//   are no draw of it: the file is refused with the columns named.
// - The second drum, when the lottery has one, for each run of balls (see
//   secondDrumOf): a run reads a record only when the drum's numbers read too.
//   A file where no columns hold them is refused with the drum named.
// - The bonus, when the lottery has one: the number after the balls (and the
//   second drum's numbers) in a packed column that holds one more, else a
//   column whose heading names a bonus, else the column right after the balls
//   (and the second drum's columns that follow them) when nearly all of its
//   numbers lie within 0 to the highest bonus, and it is neither the sum of the
//   balls nor a column of a handful of small numbers (a multiplier) where
//   bonuses drawn by chance would have gone higher.
LayoutGuess detectLayout(std::span<const TableRecord> records, const std::vector<std::string>& headings,
                         const LotteryProfile& profile, DateOrder localeOrder);

// The ball sources a user may choose from: every run of the lottery's number
// of columns that hold numbers, and every column that packs numbers, none of
// them in the date.
std::vector<BallSource> ballSourceChoices(std::span<const TableRecord> records, const DateSource& date,
                                          const LotteryProfile& profile);

// The bonus sources a user may choose from: none, the number after the balls
// of a packed column, and every other column that holds numbers (none of the
// second drum's).
std::vector<BonusSource> bonusSourceChoices(std::span<const TableRecord> records, const TableLayout& layout,
                                            const LotteryProfile& profile);

// Whether the order of day, month and year changes what the date cells say:
// dates of three numbers, or split columns that give the month as a number.
bool dateOrderMatters(std::span<const TableRecord> records, const DateSource& date);

}  // namespace numora
