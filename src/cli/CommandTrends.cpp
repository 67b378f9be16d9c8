#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LastDrawsOption.h"
#include "LotteryDraws.h"
#include "analysis/TrendTexts.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kCsvFlag = "--csv";

constexpr char kHeading[] = "%s: the last %d of %d draws";
constexpr char kMainBalls[] = "main balls";
constexpr char kSecondDrumBalls[] = "second drum";
constexpr char kBonusBalls[] = "bonus";
constexpr char kSetHeading[] = "%s: %d counted, %s expected for each number by chance";
// The columns as wide as their headings.
constexpr char kTableHeading[] = "%-3s  %5s  %8s  %5s";
constexpr char kTableRow[] = "%2.2d   %5d  %8s  %5s";
constexpr char kCsvHeading[] = "ball,number,count,expected,since";
constexpr char kCsvMain[] = "main";
constexpr char kCsvSecondDrum[] = "second";
constexpr char kCsvBonus[] = "bonus";
constexpr char kCsvRow[] = "%s,%d,%d,%.4f,%s";

void writeTable(std::ostream& out, const char* name, const TrendSet& set) {
    const std::string expected = expectedCountText(set.expected);
    out << formatText(kSetHeading, name, set.ballsCounted, expected.c_str()) << '\n'
        << formatText(kTableHeading, kTrendColumns[0], kTrendColumns[1], kTrendColumns[2], kTrendColumns[3]) << '\n';
    for (const NumberTrend& trend : set.numbers) {
        out << formatText(kTableRow, trend.number, trend.count, expected.c_str(), drawsSinceText(trend).c_str()) << '\n';
    }
}

// A number never drawn has an empty cell.
void writeCsv(std::ostream& out, const char* kind, const TrendSet& set) {
    for (const NumberTrend& trend : set.numbers) {
        const std::string since = trend.drawsSinceSeen ? std::to_string(*trend.drawsSinceSeen) : std::string();
        out << formatText(kCsvRow, kind, trend.number, trend.count, set.expected, since.c_str()) << '\n';
    }
}

}  // namespace

int runTrends(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kTrendsCommandName, words, true, {kLastOption}, {kCsvFlag});
    if (!arguments) return EXIT_FAILURE;
    const auto last = lastDrawsFromWords(context, kTrendsCommandName, *arguments, kDefaultTrendDraws);
    if (!last) return EXIT_FAILURE;
    const auto lottery = loadWholeLotteryDraws(context, kTrendsCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;

    const Trends trends = countTrends(lottery->draws, lottery->profile, *last);
    const bool hasSecondDrum = !trends.secondDrum.numbers.empty();
    const bool hasBonus = !trends.bonus.numbers.empty();
    if (arguments->has(kCsvFlag)) {
        context.out << kCsvHeading << '\n';
        writeCsv(context.out, kCsvMain, trends.main);
        if (hasSecondDrum) writeCsv(context.out, kCsvSecondDrum, trends.secondDrum);
        if (hasBonus) writeCsv(context.out, kCsvBonus, trends.bonus);
        return EXIT_SUCCESS;
    }
    context.out << formatText(kHeading, lottery->profile.name.c_str(), static_cast<int>(trends.drawsCounted),
                              static_cast<int>(trends.drawsKept))
                << '\n';
    writeTable(context.out, kMainBalls, trends.main);
    if (hasSecondDrum) writeTable(context.out, kSecondDrumBalls, trends.secondDrum);
    if (hasBonus) writeTable(context.out, kBonusBalls, trends.bonus);
    return EXIT_SUCCESS;
}

}  // namespace numora
