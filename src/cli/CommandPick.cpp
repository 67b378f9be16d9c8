#include <cstdlib>
#include <ctime>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "PickOptionWords.h"
#include "PickRulesWords.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kLinesOption = "--lines";
constexpr const char* kRandomFlag = "--random";
constexpr int kDefaultLines = 1;
constexpr std::string_view kNegativeLines = "--lines: the pick list cannot hold fewer than 0 lines";
constexpr char kTooManyRebuilt[] =
    "--lines: with a new line each Pick, pick makes the lines of the pick list before it, and makes at most %d";

}  // namespace

int runPick(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments =
        parseCommandWords(context, kPickCommandName, words, true, {kLinesOption, kModelOption},
                          {kRandomFlag, kPatternFlag, kNoPatternFlag, kWeightFlag, kNoWeightFlag});
    if (!arguments) return EXIT_FAILURE;
    std::string error;
    const auto lines = arguments->intValue(kLinesOption, kDefaultLines, error);
    if (!lines) return commandFailed(context, kPickCommandName, error);
    if (*lines < 0) return commandFailed(context, kPickCommandName, kNegativeLines);
    const auto options = pickOptionsFromWords(context, kPickCommandName, *arguments);
    if (!options) return EXIT_FAILURE;

    const auto lottery = loadLotteryDraws(context, kPickCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    const LotteryProfile& profile = lottery->profile;
    // As in the main window: past draws that cannot be read, or none, mean a
    // random line.
    const bool analysed = lottery->loaded.ok() && !lottery->draws.empty() && !arguments->has(kRandomFlag);
    const LineKind kind = analysed ? LineKind::Analysed : LineKind::Random;
    const PickRules rules = readCommandPickRules(context, kPickCommandName, profile).fitting;
    PickRequest request{profile, lottery->draws, *options, *lines, kind, std::time(nullptr), rules};
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    // A new line differs from the lines the window would list before it; a
    // random line has no such lines, its clock seeds them all alike.
    ListedPicks before;
    if (rules.newLine && analysed) {
        if (*lines > kMostLinesRebuilt) {
            return commandFailed(context, kPickCommandName, formatText(kTooManyRebuilt, kMostLinesRebuilt));
        }
        before = picksBefore(engine, request, progress);
        if (!before.refusal.empty()) return commandFailed(context, kPickCommandName, before.refusal);
        request.taken = &before.lines;
    }
    const PickResult pick = makePick(engine, request, progress);
    if (pick.refused()) return commandFailed(context, kPickCommandName, pick.refusal);
    context.out << makeLineText(pick.line, profile) << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
