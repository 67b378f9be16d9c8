#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/table/HeadingWords.h"
#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

// Facts of a column come from the first records of a file; which layout
// reads best is then counted over them all.
inline constexpr std::size_t kFactRecords = 1000;
// Packed cells are counted by how many numbers they hold, up to this many.
inline constexpr std::size_t kMostPacked = 10;
// A pattern of a column is taken for no chance draw of the lottery's numbers
// when chance would give it less often than this.
inline constexpr double kUnlikelyByChance = 1e-6;
// A multiplier takes a handful of values (2, 3, 4, 5, 10) at most.
inline constexpr std::size_t kHandful = 5;

// What the cells of one column hold over the first records.
struct ColumnFacts {
    HeadingRole role = HeadingRole::Unknown;  // what its heading says, when the headings fit the file
    int filled = 0;                           // cells that are not empty
    int numbers = 0;                          // cells holding one whole number
    int pairs = 0;                            // records holding a number here, like the record before them
    int ups = 0;                              // of those, numbers one above the number before
    int downs = 0;                            // numbers one below it
    int changes = 0;                          // numbers that differ from it
    int fourDigitYears = 0;                   // numbers of four digits from 1900 to 2099
    int dates = 0;                            // cells holding a date in some order
    std::array<int, kMostPacked> packed{};    // cells packing n numbers, by n
};

int columnCount(std::span<const TableRecord> records);
int sampledRecords(std::span<const TableRecord> records);
std::string_view headingOf(const std::vector<std::string>& headings, int column);

// The facts of every column; their roles stay unknown until headings are
// given, read for a lottery with or without a second drum (see headingRole).
std::vector<ColumnFacts> columnFacts(std::span<const TableRecord> records);
void giveRoles(std::vector<ColumnFacts>& facts, const std::vector<std::string>& headings, bool secondDrum);

// A column that counts by one from record to record (draw numbers), or one
// that never changes, where numbers drawn by chance from a range of that
// many would almost surely not: the smaller the range, the more records it takes.
bool countsByOne(const ColumnFacts& facts, int range);
bool neverChanges(const ColumnFacts& facts, int range);

// A heading that names a date, a part of one, or something other than a ball
// (a draw number, jackpot, multiplier, sum, count of winners and the like).
bool namedOtherThanNumber(HeadingRole role);

// A column that no ball is taken from: one named otherwise, or one that
// counts by one or never changes where the lottery's balls would not.
bool neverNumber(const ColumnFacts& facts, const LotteryProfile& profile);

// Whether headings fit the records below them: as many as most records have
// cells (empty cells at the end aside), no date heading over a column of
// numbers and no ball, bonus or second drum heading over a column of dates.
// Headings that do not fit name other columns than the lines hold and would
// only mislead.
bool headingsFit(const std::vector<std::string>& headings, std::span<const TableRecord> records,
                 const std::vector<ColumnFacts>& facts, bool secondDrum);

// Whether a part is at least nine tenths, or at least half, of a whole.
bool nearlyAll(int part, int whole);
bool atLeastHalf(int part, int whole);

}  // namespace numora
