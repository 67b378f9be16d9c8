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

// "Bonus" becomes "PowerBall" for a PowerBall lottery; the columns of a second
// drum's numbers are headed "S1" to "S3".
std::string drawColumnHeading(int column, const LotteryProfile& profile);
// In pixels: a share of the list's client width counted in hundredths of it.
int drawColumnWidth(int column, const LotteryProfile& profile, int clientWidth);

// A cell's text: balls "%2.2d", or one space for a ball below the lowest
// ball or beyond the lottery's ball count; a second drum's numbers "%2.2d",
// or one space below the drum's lowest (so a Superzahl of 0 shows); the bonus
// after three spaces, or one space when it is below 1 or the lottery has no
// bonus; the date in the locale's short-date form.
std::string drawCellText(const DrawRecord& draw, int column, const LotteryProfile& profile, const LocaleInfo& locale,
                         const LocalTime& time);

// The order of the rows for a heading tap. Number columns compare their
// values written with "%d" as text (so 10 comes before 9 and -1 before 1),
// the date column its local calendar day as YYYYMMDD (draws of one day are
// equal). One direction flag serves all columns: ascending at first, turned
// over by every tap.
class DrawListSorting {
public:
    // Orders rows (positions in draws) for a tap on column's heading in the
    // current direction, then turns the direction over. The draws keep their
    // own order.
    void sortForHeadingTap(std::vector<std::size_t>& rows, const DrawList& draws, int column, const LocalTime& time);

private:
    bool descending_ = false;
};

}  // namespace numora
