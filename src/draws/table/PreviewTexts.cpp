#include "draws/table/PreviewTexts.h"

#include <algorithm>

#include "draws/IsoDateText.h"
#include "draws/NumberText.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kLineFormat[] = "line %d";
constexpr char kDateHeading[] = "Date";
constexpr char kBallHeadingFormat[] = "B%d";
constexpr char kSecondDrumHeadingFormat[] = "S%d";
constexpr char kBonusHeading[] = "Bonus";
constexpr char kCountsFormat[] = "Read: %d  To import: %d  To skip: %d  Rejected: %d";
constexpr char kMoreRejects[] = "and %d more";

}  // namespace

std::vector<std::string> previewHeadings(const LotteryProfile& profile) {
    std::vector<std::string> headings = {kDateHeading};
    for (int ball = 1; ball <= profile.balls; ++ball) headings.push_back(formatText(kBallHeadingFormat, ball));
    for (int number = 1; number <= secondDrumNumbers(profile); ++number) {
        headings.push_back(formatText(kSecondDrumHeadingFormat, number));
    }
    if (profile.bonus > 0) headings.emplace_back(kBonusHeading);
    return headings;
}

std::vector<std::string> previewCells(const TableRow& row, const LotteryProfile& profile, const LocalTime& time) {
    std::vector<std::string> cells = {isoDateText(row.draw.date, time)};
    for (int ball = 1; ball <= slotsInPlay(profile); ++ball) cells.push_back(twoDigitText(row.draw.ball(ball)));
    if (profile.bonus > 0) cells.push_back(twoDigitText(row.draw.bonus));
    return cells;
}

std::string rowLineText(const TableRow& row) { return formatText(kLineFormat, row.line); }

std::string previewCountsText(const TablePreview& preview) {
    return formatText(kCountsFormat, preview.read, preview.counters.imported, preview.counters.skipped,
                      preview.rejected);
}

std::vector<std::string> firstRejectReasons(const TableRows& rows, std::size_t shown) {
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < std::min(shown, rows.rejects.size()); ++i) reasons.push_back(rows.rejects[i].reason);
    if (rows.rejects.size() > shown)
        reasons.push_back(formatText(kMoreRejects, static_cast<int>(rows.rejects.size() - shown)));
    return reasons;
}

}  // namespace numora
