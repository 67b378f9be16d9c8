#pragma once

#include <span>
#include <string>
#include <vector>

#include "draws/table/ColumnTable.h"
#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

// Where a lottery's second drum numbers are in a table file.

// Lines of a packed column that hold the balls, then drumNumbers numbers of
// the second drum, then a bonus when the lottery has one and more lines hold
// it than not.
int packedDrawLines(const ColumnFacts& fact, const LotteryProfile& profile, int drumNumbers);

// Whether a packed column ends in a bonus after the balls and drumNumbers
// numbers on most of its lines.
bool packsBonus(const ColumnFacts& fact, const LotteryProfile& profile, int drumNumbers);

// How many second drum numbers a packed ball column holds after the balls:
// the drum's, when more lines hold them than the balls alone; else 0.
int packedDrumNumbers(const ColumnFacts& fact, const LotteryProfile& profile);

// The second drum of a lottery that has one, for balls found (none for any
// other lottery, or when no columns hold it):
// - the numbers after the balls in the balls' packed column, when most of its
//   lines hold them;
// - else the columns whose headings name the second drum ("Star 1", "Superzahl"),
//   or one such column that packs its numbers;
// - else, by what they hold, the columns right after the balls, then the last
//   columns of the lines: as many columns as the drum's numbers (or one that
//   packs them), whose numbers nearly all lie within the drum's range, and
//   which neither count by one, nor never change, nor stay within a handful of
//   values where numbers drawn by chance from the drum would have gone wider
//   (a multiplier).
SecondDrumSource secondDrumOf(const ColumnTable& table, const TableLayout& layout);

// The same search for balls a user chose, over the records and the headings
// that fit them.
SecondDrumSource detectSecondDrum(std::span<const TableRecord> records, const std::vector<std::string>& headings,
                                  const TableLayout& layout, const LotteryProfile& profile);

// The second drum sources a user may choose from, for a lottery with a
// second drum: the numbers after the balls of a packed column, every run of
// as many columns as the drum's numbers that hold numbers, and every column
// that packs numbers, none of them in the date or the balls.
std::vector<SecondDrumSource> secondDrumSourceChoices(std::span<const TableRecord> records, const TableLayout& layout,
                                                      const LotteryProfile& profile);

}  // namespace numora
