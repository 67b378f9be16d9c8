#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LastDrawsOption.h"
#include "LotteryDraws.h"
#include "analysis/Trends.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kCsvFlag = "--csv";

constexpr char kHeading[] = "%s: the last %d of %d draws";
constexpr char kMainBalls[] = "main balls";
constexpr char kBonusBalls[] = "bonus";
constexpr char kSetHeading[] = "%s: %d counted, %.2f expected for each number by chance";
constexpr char kTableHeading[] = "No.  Count  Expected  Since";
constexpr char kTableRow[] = "%2.2d   %5d  %8.2f  %5s";
constexpr char kNeverSeen[] = "-";
constexpr char kCsvHeading[] = "ball,number,count,expected,since";
constexpr char kCsvMain[] = "main";
constexpr char kCsvBonus[] = "bonus";
constexpr char kCsvRow[] = "%s,%d,%d,%.4f,%s";

std::string sinceText(const NumberTrend& trend, const char* never) {
    return trend.drawsSinceSeen ? std::to_string(*trend.drawsSinceSeen) : never;
}

void writeTable(std::ostream& out, const char* name, const TrendSet& set) {
    out << formatText(kSetHeading, name, set.ballsCounted, set.expected) << '\n' << kTableHeading << '\n';
    for (const NumberTrend& trend : set.numbers) {
        out << formatText(kTableRow, trend.number, trend.count, set.expected, sinceText(trend, kNeverSeen).c_str())
            << '\n';
    }
}

void writeCsv(std::ostream& out, const char* kind, const TrendSet& set) {
    for (const NumberTrend& trend : set.numbers) {
        out << formatText(kCsvRow, kind, trend.number, trend.count, set.expected, sinceText(trend, "").c_str()) << '\n';
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
    const bool hasBonus = !trends.bonus.numbers.empty();
    if (arguments->has(kCsvFlag)) {
        context.out << kCsvHeading << '\n';
        writeCsv(context.out, kCsvMain, trends.main);
        if (hasBonus) writeCsv(context.out, kCsvBonus, trends.bonus);
        return EXIT_SUCCESS;
    }
    context.out << formatText(kHeading, lottery->profile.name.c_str(), static_cast<int>(trends.drawsCounted),
                              static_cast<int>(trends.drawsKept))
                << '\n';
    writeTable(context.out, kMainBalls, trends.main);
    if (hasBonus) writeTable(context.out, kBonusBalls, trends.bonus);
    return EXIT_SUCCESS;
}

}  // namespace numora
