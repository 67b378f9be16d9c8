#include "draws/DrawListText.h"

#include <algorithm>
#include <array>

#include "platform/FormatText.h"
#include "draws/NumberText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr std::array<const char*, kDrawListColumns> kHeadings = {"B1", "B2", "B3",    "B4",  "B5",
                                                                 "B6", "B7", "Bonus", "DATE"};
constexpr char kPowerBallHeading[] = "PowerBall";
// The columns of a second drum's numbers, counted among themselves.
constexpr std::array<const char*, 3> kSecondDrumHeadings = {"S1", "S2", "S3"};
constexpr std::array<int, kDrawListColumns> kWidthUnits = {13, 13, 13, 13, 13, 13, 13, 45, 50};
constexpr int kPowerBallWidthUnits = 50;
constexpr int kWidthUnitsPerList = 100;

constexpr char kBlankCell[] = " ";
constexpr char kBonusCellFormat[] = "   %2.2d";
constexpr char kSortNumberFormat[] = "%d";
constexpr char kSortDayFormat[] = "%2.2d%2.2d%2.2d";
constexpr int kAlwaysShownBalls = 3;

std::string sortKey(const DrawRecord& draw, int column, const LocalTime& time) {
    if (column != kDrawDateColumn) return formatText(kSortNumberFormat, draw.number(column));
    const CalendarTime day = time.fromSeconds(draw.date);
    return formatText(kSortDayFormat, day.year, day.month, day.day);
}

}  // namespace

std::string drawColumnHeading(int column, const LotteryProfile& profile) {
    if (column == kDrawBonusColumn && profile.powerBall) return kPowerBallHeading;
    if (column < kDrawBonusColumn && slotDrum(profile, column + 1) == SlotDrum::Second) {
        return kSecondDrumHeadings.at(static_cast<std::size_t>(column - profile.balls));
    }
    return kHeadings.at(static_cast<std::size_t>(column));
}

int drawColumnWidth(int column, const LotteryProfile& profile, int clientWidth) {
    const int units = column == kDrawBonusColumn && profile.powerBall
                          ? kPowerBallWidthUnits
                          : kWidthUnits.at(static_cast<std::size_t>(column));
    return clientWidth / kWidthUnitsPerList * units;
}

std::string drawCellText(const DrawRecord& draw, int column, const LotteryProfile& profile, const LocaleInfo& locale,
                         const LocalTime& time) {
    if (column == kDrawDateColumn) return locale.formatShortDate(time.fromSeconds(draw.date));
    if (column == kDrawBonusColumn) {
        if (draw.bonus < 1 || profile.bonus == 0) return kBlankCell;
        return formatText(kBonusCellFormat, draw.bonus);
    }
    const int ball = column + 1;
    const std::int32_t value = draw.ball(ball);
    if (slotDrum(profile, ball) == SlotDrum::Second) {
        return value < profile.drum2Min ? kBlankCell : twoDigitText(value);
    }
    if (value < profile.min || (ball > kAlwaysShownBalls && profile.balls < ball)) return kBlankCell;
    return twoDigitText(value);
}

void DrawListSorting::sortForHeadingTap(std::vector<std::size_t>& rows, const DrawList& draws, int column,
                                        const LocalTime& time) {
    std::vector<std::string> keys(draws.size());
    for (const std::size_t row : rows) keys[row] = sortKey(draws.at(row), column, time);
    const bool descending = descending_;
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        const int order = keys[a].compare(keys[b]);
        return descending ? order > 0 : order < 0;
    });
    descending_ = !descending_;
}

}  // namespace numora
