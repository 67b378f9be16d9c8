#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draws/DrawRecord.h"
#include "draws/RejectedLine.h"
#include "draws/table/DateCell.h"
#include "draws/table/TableLayout.h"
#include "settings/LotteryProfile.h"

namespace numora {

class LocalTime;

// A draw read from a line of a table file.
struct TableRow {
    int line = 0;
    DrawRecord draw;
};

struct TableRows {
    std::vector<TableRow> rows;
    std::vector<RejectedLine> rejects;
};

// The calendar day of a record's date cells, or nullopt (with the reason
// when given) when they hold none.
std::optional<CalendarDay> recordDay(const TableRecord& record, const DateSource& source,
                                     std::string* reason = nullptr);

// The balls and bonus of a record, in a draw whose date is 0: exactly the
// lottery's number of balls, each within its lowest to highest ball, then for
// a lottery with a second drum exactly its numbers, each within the drum's
// range, in the slots after the balls (both in the order the cells give them),
// and the bonus (0 when its cell is empty) up to the lottery's highest bonus.
// Slots the lottery does not play stay 0, and so does the bonus of a lottery
// without one. nullopt (with the reason when given) when the record holds no
// such draw.
std::optional<DrawRecord> recordNumbers(const TableRecord& record, const TableLayout& layout,
                                        const LotteryProfile& profile, std::string* reason = nullptr);

// Whether a record holds a date and as many numbers as the lottery's balls
// (and second drum numbers and bonus, when packed with them) where the layout
// has them, and as many second drum numbers where it has them apart, whatever
// their values: the shape of a draw line.
bool readsAsDraw(const TableRecord& record, const TableLayout& layout, const LotteryProfile& profile);

// Reads every record, in file order. A draw's date is its day at 00:00 local
// time (drawDateOf); a day no draw can be dated rejects its line.
TableRows readTableRows(const std::vector<TableRecord>& records, const TableLayout& layout,
                        const LotteryProfile& profile, const LocalTime& time);

// "day/month/year", "month/day/year" or "year/month/day".
const char* dateOrderInWords(DateOrder order);

}  // namespace numora
