#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "DrawDates.h"
#include "LotteryDraws.h"
#include "analysis/LineCheck.h"
#include "analysis/LineEntry.h"
#include "draws/IsoDateText.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickListText.h"
#include "picking/PicksFile.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kDateOption = "--date";
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
constexpr char kNotADate[] = "--date: \"%s\" is not a date written YYYY-MM-DD";
constexpr char kNoPicksFile[] = "no lines given and no picks file %s (export the picks first)";
constexpr char kUnreadablePicksFile[] = "no lines given and the picks file %s cannot be read: %s";
constexpr char kNoPicksInFile[] = "no lines given and the picks file %s holds no picks";
constexpr std::string_view kDateWithAll = "--date and --all cannot be used together";

// A line as the pick list writes it; a typed line without a bonus shows none.
std::string lineText(const PickedLine& line, const LotteryProfile& profile) {
    if (line.bonus != PickedLine::kEmpty) return makeLineText(line, profile);
    LotteryProfile withoutBonus = profile;
    withoutBonus.bonus = 0;
    return makeLineText(line, withoutBonus);
}

// The lines to check: those given, or else the picks of the picks file.
// nullopt after a message when one of them is not a line of the lottery.
std::optional<std::vector<PickedLine>> linesToCheck(CliContext& context, const std::vector<std::string>& given,
                                                    const LotteryProfile& profile) {
    std::vector<std::string> texts = given;
    if (texts.empty()) {
        const std::string file = PicksFile::deviceName(context.state.dataFolder);
        const PicksFileLines read = PicksFile::load(context.device, context.state.dataFolder);
        const auto& exported = read.lines;
        if (!exported) {
            commandFailed(context, kCheckCommandName,
                          read.missing ? formatText(kNoPicksFile, file.c_str())
                                       : formatText(kUnreadablePicksFile, file.c_str(), read.cause.c_str()));
            return std::nullopt;
        }
        // A list of welcome lines, or the erased list's line, holds no picks.
        if (!exported->empty() && !showsNoPicks(exported->front())) texts = *exported;
        if (texts.empty()) {
            commandFailed(context, kCheckCommandName, formatText(kNoPicksInFile, file.c_str()));
            return std::nullopt;
        }
    }
    std::vector<PickedLine> lines;
    for (const std::string& text : texts) {
        const LineEntry entry = readLineEntry(text, profile);
        if (!entry.line) {
            commandFailed(context, kCheckCommandName, entry.error);
            return std::nullopt;
        }
        lines.push_back(*entry.line);
    }
    return lines;
}

// The draws a --date names, in list order, or the latest by date without it.
std::optional<std::vector<std::size_t>> drawsToCheck(CliContext& context, const LotteryDraws& lottery,
                                                     const std::optional<std::string>& date) {
    if (!date) return latestDraws(lottery.draws, kLatestDraw);
    const auto day = parseIsoDate(*date);
    if (!day) {
        commandFailed(context, kCheckCommandName, formatText(kNotADate, date->c_str()));
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
    const auto lines =
        linesToCheck(context, std::vector<std::string>(positional.begin() + 1, positional.end()), profile);
    if (!lines) return EXIT_FAILURE;

    if (arguments->has(kAllFlag)) {
        for (const PickedLine& line : *lines) {
            const DrawRecord& best = lottery->draws.at(bestMatchingDraw(line, lottery->draws, profile));
            context.out << formatText(kLineBestResult, lineText(line, profile).c_str(),
                                      matchLabel(matchLine(line, best, profile)).c_str(),
                                      isoDateText(best.date, context.time).c_str())
                        << drawnBefore(context, line, *lottery) << '\n';
        }
        return EXIT_SUCCESS;
    }
    const auto positions = drawsToCheck(context, *lottery, date);
    if (!positions) return EXIT_FAILURE;
    const std::vector<std::optional<PickedLine>> picks(lines->begin(), lines->end());
    for (const std::size_t position : *positions) {
        const DrawRecord& draw = lottery->draws.at(position);
        const std::string drawn = makeLineText(drawAsLine(draw), profile);
        context.out << formatText(kCheckedDraw, isoDateText(draw.date, context.time).c_str(), drawn.c_str()) << '\n';
        const PicksCheck checked = checkPicks(picks, draw, profile);
        for (std::size_t i = 0; i < lines->size(); ++i) {
            context.out << formatText(kLineResult, lineText((*lines)[i], profile).c_str(), checked.labels[i].c_str())
                        << drawnBefore(context, (*lines)[i], *lottery) << '\n';
        }
        if (lines->size() > 1 && checked.best) {
            context.out << formatText(kBestLine, lineText((*lines)[*checked.best], profile).c_str(),
                                      checked.labels[*checked.best].c_str())
                        << '\n';
        }
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
