#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora {

class LocaleInfo;
class LocalTime;

// The draw list of the Past Draws window: columns B1 to B7, the bonus and the
// date, one row per draw.
inline constexpr int kDrawListColumns = 9;
inline constexpr int kDrawBonusColumn = 7;
inline constexpr int kDrawDateColumn = 8;

// "Bonus" becomes "PowerBall" for a PowerBall lottery.
std::string drawColumnHeading(int column, const LotteryProfile& profile);
// In pixels: a share of the list's client width counted in hundredths of it.
int drawColumnWidth(int column, const LotteryProfile& profile, int clientWidth);

// A cell's text: balls "%2.2d", or one space for a ball below the lowest
// ball or beyond the lottery's ball count; the bonus after three spaces, or
// one space when it is below 1 or the lottery has no bonus; the date in the
// locale's short-date form.
std::string drawCellText(const DrawRecord& draw, int column, const LotteryProfile& profile, const LocaleInfo& locale,
                         const LocalTime& time);

// The order of two rows for a column: number columns compare their values
// written with "%d" as text (so 10 comes before 9), the date column its
// local calendar day as YYYYMMDD. Negative when a comes first; the result is
// negated when descending.
int compareDrawRows(const DrawRecord& a, const DrawRecord& b, int column, bool descending, const LocalTime& time);

// The sort direction of the list's headings: one flag for all columns,
// ascending at first, turned over by every heading tap.
class DrawListSorting {
public:
    bool descending() const { return descending_; }
    // Orders rows (positions in draws) for a tap on column's heading in the
    // current direction, then turns the direction over. The draws keep their
    // own order.
    void sortForHeadingTap(std::vector<std::size_t>& rows, const DrawList& draws, int column, const LocalTime& time);

private:
    bool descending_ = false;
};

}  // namespace numora
