#include <cstdlib>
#include <ctime>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"

namespace numora {

namespace {

constexpr const char* kLinesOption = "--lines";
constexpr const char* kModelOption = "--model";
constexpr const char* kRandomFlag = "--random";
constexpr const char* kPatternFlag = "--pattern";
constexpr const char* kNoPatternFlag = "--no-pattern";
constexpr const char* kWeightFlag = "--weight";
constexpr const char* kNoWeightFlag = "--no-weight";

constexpr int kDefaultLines = 1;
constexpr int kHighestModel = static_cast<int>(ForecastModel::MonteCarlo);

constexpr std::string_view kNegativeLines = "--lines: the pick list cannot hold fewer than 0 lines";
constexpr std::string_view kUnknownModel = "--model: the forecasting model is 0, 1 or 2";
constexpr std::string_view kOppositeFlags = " cannot be used together";

// Sets flag from a pair of opposite switches; neither leaves it as stored.
// False, with a message, when both are given.
bool applySwitch(CliContext& context, const CliArguments& arguments, const char* on, const char* off, bool& flag) {
    if (arguments.has(on) && arguments.has(off)) {
        commandFailed(context, kPickCommandName, std::string(on) + " and " + off + std::string(kOppositeFlags));
        return false;
    }
    if (arguments.has(on)) flag = true;
    if (arguments.has(off)) flag = false;
    return true;
}

// The stored options with the words' changes, or nullopt after a message.
std::optional<Options> optionsFromWords(CliContext& context, const CliArguments& arguments) {
    Options options = context.state.options;
    std::string error;
    const auto model = arguments.intValue(kModelOption, options.model, error);
    if (model && (*model < 0 || *model > kHighestModel)) error = kUnknownModel;
    if (!error.empty()) {
        commandFailed(context, kPickCommandName, error);
        return std::nullopt;
    }
    options.model = *model;
    if (!applySwitch(context, arguments, kPatternFlag, kNoPatternFlag, options.pattern) ||
        !applySwitch(context, arguments, kWeightFlag, kNoWeightFlag, options.moreWeightToLessFrequent)) {
        return std::nullopt;
    }
    return options;
}

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
    const auto options = optionsFromWords(context, *arguments);
    if (!options) return EXIT_FAILURE;

    const auto lottery = loadLotteryDraws(context, kPickCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    const LotteryProfile& profile = lottery->profile;
    // As in the main window: past draws that cannot be read, or none, mean a
    // random line.
    const bool analysed = lottery->loaded.ok() && !lottery->draws.empty() && !arguments->has(kRandomFlag);
    const LineKind kind = analysed ? LineKind::Analysed : LineKind::Random;
    const PickRequest request{profile, lottery->draws, *options, *lines, kind, std::time(nullptr)};
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    const PickResult pick = makePick(engine, request, progress);
    if (pick.refused()) return commandFailed(context, kPickCommandName, pick.refusal);
    context.out << makeLineText(pick.line, profile) << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
