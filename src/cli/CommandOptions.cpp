#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "PickOptionWords.h"
#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "settings/OptionKeys.h"
#include "settings/OptionStore.h"

namespace numora {

namespace {

constexpr const char* kSoundFlag = "--sound";
constexpr const char* kNoSoundFlag = "--no-sound";
constexpr const char* kPickSoundWord = "--pick-sound";
constexpr const char* kStartSoundWord = "--start-sound";
constexpr char kStoredModelKept[] =
    "the forecasting model stored as %s=%d is not 0, 1 or 2; pick and backtest refuse it until --model stores "
    "another";

std::string_view flagText(bool flag) { return flag ? kTrueText : kFalseText; }

// The six values as the Advanced window stores them, one "Key=Value" a line.
void printOptions(std::ostream& out, const Options& options) {
    out << kForecastModelOption.key << '=' << options.model << '\n'
        << kPatternOption.key << '=' << flagText(options.pattern) << '\n'
        << kStyleOption.key << '=' << flagText(options.moreWeightToLessFrequent) << '\n'
        << kSoundOption.key << '=' << flagText(options.playSounds) << '\n'
        << kPickSoundOption.key << '=' << options.pickSound << '\n'
        << kStartSoundOption.key << '=' << options.startSound << '\n';
}

}  // namespace

int runOptions(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(
        context, kOptionsCommandName, words, false, {kModelOption, kPickSoundWord, kStartSoundWord},
        {kPatternFlag, kNoPatternFlag, kWeightFlag, kNoWeightFlag, kSoundFlag, kNoSoundFlag});
    if (!arguments) return EXIT_FAILURE;
    // The options as read at start, by the rules the Advanced window reads them with.
    const Options& stored = context.state.options;
    auto options = pickOptionsFromWords(context, kOptionsCommandName, *arguments, StoredModelRule::Keep);
    if (!options ||
        !applySwitch(context, kOptionsCommandName, *arguments, kSoundFlag, kNoSoundFlag, options->playSounds)) {
        return EXIT_FAILURE;
    }
    options->pickSound = arguments->value(kPickSoundWord).value_or(options->pickSound);
    options->startSound = arguments->value(kStartSoundWord).value_or(options->startSound);
    // As the Advanced window stores them: all six together.
    if (*options != stored && !writeAdvancedOptions(context.profile, *options)) {
        const std::string failure = context.profile.failure();
        return commandFailed(context, kOptionsCommandName, formatText(kOptionsNotStoredFormat, failure.c_str()));
    }
    if (!isForecastModel(options->model)) {
        commandFailed(context, kOptionsCommandName,
                      formatText(kStoredModelKept, std::string(kForecastModelOption.key).c_str(), options->model));
    }
    printOptions(context.out, *options);
    return EXIT_SUCCESS;
}

}  // namespace numora
