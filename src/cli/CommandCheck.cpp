#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "DrawDates.h"
#include "GivenLines.h"
#include "LotteryDraws.h"
#include "analysis/LineCheck.h"
#include "draws/IsoDateText.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kAllFlag = "--all";
// How many draws the line matches: one, or every one.
constexpr std::size_t kLatestDraw = 1;

constexpr char kCheckedDraw[] = "draw of %s: %s";
constexpr char kLineResult[] = "%s   %s";
constexpr char kLineBestResult[] = "%s   %s   %s";
// Of several lines, the one that matched best.
constexpr char kBestLine[] = "best: %s   %s";
constexpr char kDrawnOn[] = "   drawn on %s";
constexpr char kNoDraws[] = "%s has no past draws to check against";
constexpr char kNoDrawThatDay[] = "%s has no draw on %s";
constexpr std::string_view kDateWithAll = "--date and --all cannot be used together";

// The draws a --date names, in list order, or the latest by date without it.
std::optional<std::vector<std::size_t>> drawsToCheck(CliContext& context, const LotteryDraws& lottery,
                                                     const std::optional<std::string>& date) {
    if (!date) return latestDraws(lottery.draws, kLatestDraw);
    const auto day = parseIsoDate(*date);
    if (!day) {
        commandFailed(context, kCheckCommandName, formatText(kNotADateOption, date->c_str()));
        return std::nullopt;
    }
    std::vector<std::size_t> positions;
    for (std::size_t position = 0; position < lottery.draws.size(); ++position) {
        if (isSameDay(lottery.draws.at(position).date, *day, context.time)) positions.push_back(position);
    }
    if (positions.empty()) {
        const std::string lotteryName = lottery.profile.name;
        commandFailed(context, kCheckCommandName, formatText(kNoDrawThatDay, lotteryName.c_str(), date->c_str()));
        return std::nullopt;
    }
    return positions;
}

// "   drawn on ..." when the line's main numbers were ever drawn.
std::string drawnBefore(CliContext& context, const PickedLine& line, const LotteryDraws& lottery) {
    const std::vector<std::int32_t> dates = datesDrawn(line, lottery.draws, lottery.profile);
    return dates.empty() ? std::string() : formatText(kDrawnOn, isoDates(dates, context.time).c_str());
}

}  // namespace

int runCheck(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseLotteryAndWords(context, kCheckCommandName, words, {kDateOption}, {kAllFlag});
    if (!arguments) return EXIT_FAILURE;
    const auto date = arguments->value(kDateOption);
    if (date && arguments->has(kAllFlag)) return commandFailed(context, kCheckCommandName, kDateWithAll);
    const std::vector<std::string>& positional = arguments->positional();
    const auto lottery = loadWholeLotteryDraws(context, kCheckCommandName, positional.front());
    if (!lottery) return EXIT_FAILURE;
    const LotteryProfile& profile = lottery->profile;
    if (lottery->draws.empty()) {
        return commandFailed(context, kCheckCommandName, formatText(kNoDraws, profile.name.c_str()));
    }
    const auto given = readGivenLines(context, kCheckCommandName,
                                      std::vector<std::string>(positional.begin() + 1, positional.end()), profile);
    if (!given) return EXIT_FAILURE;
    const std::vector<PickedLine>& lines = given->lines;

    if (arguments->has(kAllFlag)) {
        for (const PickedLine& line : lines) {
            const DrawRecord& best = lottery->draws.at(bestMatchingDraw(line, lottery->draws, profile));
            context.out << formatText(kLineBestResult, givenLineText(line, profile).c_str(),
                                      matchLabel(matchLine(line, best, profile)).c_str(),
                                      isoDateText(best.date, context.time).c_str())
                        << drawnBefore(context, line, *lottery) << '\n';
        }
        return EXIT_SUCCESS;
    }
    const auto positions = drawsToCheck(context, *lottery, date);
    if (!positions) return EXIT_FAILURE;
    const std::vector<std::optional<PickedLine>> picks(lines.begin(), lines.end());
    for (const std::size_t position : *positions) {
        const DrawRecord& draw = lottery->draws.at(position);
        const std::string drawn = makeLineText(drawAsLine(draw), profile);
        context.out << formatText(kCheckedDraw, isoDateText(draw.date, context.time).c_str(), drawn.c_str()) << '\n';
        const PicksCheck checked = checkPicks(picks, draw, profile);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            context.out << formatText(kLineResult, givenLineText(lines[i], profile).c_str(), checked.labels[i].c_str())
                        << drawnBefore(context, lines[i], *lottery) << '\n';
        }
        if (lines.size() > 1 && checked.best) {
            context.out << formatText(kBestLine, givenLineText(lines[*checked.best], profile).c_str(),
                                      checked.labels[*checked.best].c_str())
                        << '\n';
        }
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
