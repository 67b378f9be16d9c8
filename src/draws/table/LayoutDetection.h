#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

// The layout that reads the most records of a table, or why there is none.
struct LayoutGuess {
    std::optional<TableLayout> layout;
    std::string problem;  // when there is no layout
    int readable = 0;     // records that give a draw under the layout
};

// Finds the roles of the columns from what the cells hold and what the
// headings (empty when the file has none) say:
// - the date: the column where most records hold a date (a heading that names
//   a date first), else three columns side by side that give a day, a month
//   (number or name) and a four-digit year; for dates of three numbers the
//   order of day and month that reads the most records of the whole file, then
//   the locale's order;
// - the balls: the run of the lottery's number of columns, or the one column
//   that packs that many numbers, that reads the most records within the
//   lottery's range; a run whose headings count up ("Ball 1".."Ball 6", "N1"..)
//   or name balls wins as long as it reads at least half as many; never a
//   column whose heading names a draw number, jackpot, multiplier, sum, count
//   of winners and the like, nor one that counts up by one (draw numbers) or
//   never changes; when no candidate reads a record, the first the headings
//   name, so that each record is rejected with its reason; and none at all
//   when the headings count up to another number of balls than the lottery's;
// - the bonus, when the lottery has one: the number after the balls in a
//   packed column that holds one more, else a column whose heading names a
//   bonus, else the next column after the balls when nearly all of its numbers
//   lie within 0 to the highest bonus and it is not the sum of the balls.
LayoutGuess detectLayout(const std::vector<TableRecord>& records, const std::vector<std::string>& headings,
                         const LotteryProfile& profile, DateOrder localeOrder);

// The ball sources a user may choose from: every run of the lottery's number
// of columns that hold numbers, and every column that packs numbers, none of
// them in the date.
std::vector<BallSource> ballSourceChoices(const std::vector<TableRecord>& records, const DateSource& date,
                                          const LotteryProfile& profile);

// The bonus sources a user may choose from: none, the number after the balls
// of a packed column, and every other column that holds numbers.
std::vector<BonusSource> bonusSourceChoices(const std::vector<TableRecord>& records, const TableLayout& layout,
                                            const LotteryProfile& profile);

// Whether the order of day, month and year changes what the date cells say:
// dates of three numbers, or split columns that give the month as a number.
bool dateOrderMatters(const std::vector<TableRecord>& records, const DateSource& date);

}  // namespace numora
