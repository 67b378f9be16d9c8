#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "PickOptionWords.h"
#include "app/AppState.h"
#include "settings/OptionKeys.h"
#include "settings/OptionStore.h"

namespace numora {

namespace {

constexpr const char* kSoundFlag = "--sound";
constexpr const char* kNoSoundFlag = "--no-sound";
constexpr const char* kPickSoundWord = "--pick-sound";
constexpr const char* kStartSoundWord = "--start-sound";

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
    auto options = pickOptionsFromWords(context, kOptionsCommandName, *arguments);
    if (!options ||
        !applySwitch(context, kOptionsCommandName, *arguments, kSoundFlag, kNoSoundFlag, options->playSounds)) {
        return EXIT_FAILURE;
    }
    options->pickSound = arguments->value(kPickSoundWord).value_or(options->pickSound);
    options->startSound = arguments->value(kStartSoundWord).value_or(options->startSound);
    // As the Advanced window stores them: all six together.
    if (*options != stored) writeAdvancedOptions(context.profile, *options);
    printOptions(context.out, *options);
    return EXIT_SUCCESS;
}

}  // namespace numora
