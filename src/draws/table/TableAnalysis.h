#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/table/TableLayout.h"
#include "draws/table/TableText.h"
#include "draws/table/TextDecoding.h"
#include "platform/LocaleInfo.h"
#include "settings/LotteryProfile.h"

namespace numora {

// What a table file is, as far as it could be found out: its encoding, how
// its lines are records, its heading, the records that may hold draws, and
// the layout that reads them best for a lottery (none, with the problem, when
// nothing does).
struct TableAnalysis {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    Delimiter delimiter = Delimiter::Comma;
    bool quoted = false;                // some field is in double quotes
    int ignoredLines = 0;               // blank lines, comment lines ('#') and lines without a digit
    std::vector<int> headingLines;      // the lines before the first record that are headings
    std::vector<std::string> headings;  // the cells of the last of them, when they fit the records
    std::vector<TableRecord> records;   // every other line, in file order
    std::optional<TableLayout> layout;
    std::string problem;  // why there is no layout
};

// Reads a table file's bytes for a lottery. The delimiter is the one whose
// layout reads the most records (comma, semicolon, tab, pipe, then spaces
// among equals); headings are the first lines that hold text where the
// lines below hold numbers or dates, up to one that reads as a draw in the
// layout of the lines below it; day and month that could be swapped fall
// back on localeOrder.
TableAnalysis analyseTable(std::string_view bytes, const LotteryProfile& profile, DateOrder localeOrder);

}  // namespace numora
