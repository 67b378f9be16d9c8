#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "draws/table/ColumnFacts.h"
#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

// What the search for a layout works from: the records, the lottery, the
// headings that fit the records (or none) and the facts of each column.
struct ColumnTable {
    std::span<const TableRecord> records;
    const LotteryProfile& profile;
    const std::vector<std::string>& headings;
    std::vector<ColumnFacts> facts;
    int sampled = 0;

    const ColumnFacts& fact(int column) const { return facts[static_cast<std::size_t>(column)]; }
    int columns() const { return static_cast<int>(facts.size()); }
};

// A record's cell, empty past its last one.
inline const std::string& cellOf(const TableRecord& record, int column) {
    static const std::string missing;
    return column >= 0 && static_cast<std::size_t>(column) < record.cells.size()
               ? record.cells[static_cast<std::size_t>(column)]
               : missing;
}

// The columns a date is read from: one, or the three of split dates.
inline std::vector<int> dateColumns(const DateSource& source) {
    if (!source.split) return {source.column};
    return {source.column, source.column + 1, source.column + 2};
}

inline bool contains(const std::vector<int>& columns, int column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

}  // namespace numora
