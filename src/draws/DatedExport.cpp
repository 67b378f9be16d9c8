#include "draws/DatedExport.h"

#include "draws/IsoDateText.h"
#include "draws/NumberText.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kDatedNameFormat[] = "%s Export with Dates.csv";
constexpr char kDateHeading[] = "Date";
constexpr char kBallHeadingFormat[] = ",Ball %d";
// The second drum's numbers count from 1 among themselves.
constexpr char kSecondDrumHeadingFormat[] = ",Star %d";
constexpr char kBonusHeading[] = ",Bonus";
constexpr char kFieldSeparator = ',';
constexpr char kLineEnd = '\n';

void appendNumber(std::string& text, int value, bool empty) {
    text.push_back(kFieldSeparator);
    if (!empty) text += twoDigitText(value);
}

}  // namespace

std::string datedExportDevicePath(const std::string& lotteryName) {
    return exportFolderFile(formatText(kDatedNameFormat, lotteryName.c_str()));
}

std::string datedExportText(const DrawList& draws, const LotteryProfile& profile, const LocalTime& time) {
    const int balls = exportedBalls(profile);
    std::string text = kDateHeading;
    for (int ball = 1; ball <= balls; ++ball) {
        if (slotDrum(profile, ball) == SlotDrum::Second) {
            text += formatText(kSecondDrumHeadingFormat, ball - profile.balls);
        } else {
            text += formatText(kBallHeadingFormat, ball);
        }
    }
    if (profile.bonus > 0) text += kBonusHeading;
    text.push_back(kLineEnd);
    for (const DrawRecord& draw : draws) {
        text += isoDateText(draw.date, time);
        for (int ball = 1; ball <= balls; ++ball) appendNumber(text, draw.ball(ball), draw.ball(ball) < 0);
        if (profile.bonus > 0) appendNumber(text, draw.bonus, draw.bonus <= 0);
        text.push_back(kLineEnd);
    }
    return text;
}

CsvExportResult exportDatedCsv(const DevicePaths& device, const DrawList& draws, const LotteryProfile& profile,
                               const LocalTime& time) {
    return writeExportFile(device, datedExportDevicePath(profile.name), datedExportText(draws, profile, time));
}

}  // namespace numora
