#pragma once

#include <string>
#include <vector>

#include "draws/table/TableMerge.h"

namespace numora {

class LocalTime;

// The columns of the preview rows: "Date", "B1" to the lottery's last ball,
// "S1" onwards for its second drum's numbers when it has one, and "Bonus"
// when it has one.
std::vector<std::string> previewHeadings(const LotteryProfile& profile);

// A row as it will be stored, in those columns: the date as YYYY-MM-DD and the
// numbers as "%2.2d" (a second drum's 0 as "00").
std::vector<std::string> previewCells(const TableRow& row, const LotteryProfile& profile, const LocalTime& time);

// "line 12", where a row comes from.
std::string rowLineText(const TableRow& row);

// "Read: 51  To import: 50  To skip: 1  Rejected: 0".
std::string previewCountsText(const TablePreview& preview);

// The reasons of the first rejected lines, then "and N more" when there are more.
std::vector<std::string> firstRejectReasons(const TableRows& rows, std::size_t shown);

}  // namespace numora
