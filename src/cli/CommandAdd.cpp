#include <cstdlib>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"
#include "settings/ProfileLimits.h"

namespace numora {

namespace {

constexpr const char* kBallsOption = "--balls";
constexpr const char* kMinOption = "--min";
constexpr const char* kMaxOption = "--max";
constexpr const char* kBonusOption = "--bonus";
constexpr const char* kRepeatFlag = "--repeat";
constexpr const char* kSortFlag = "--sort";
constexpr const char* kPowerBallFlag = "--powerball";
constexpr const char* kShowBonusFlag = "--show-bonus";

constexpr std::string_view kOptionRequired = "this option is required: ";
constexpr std::string_view kPowerBallWithBonus =
    "--powerball and --show-bonus cannot be used together: a lottery shows a PowerBall or a bonus number";

struct NumberOption {
    const char* option;
    ProfileFieldLimits limits;
    int LotteryProfile::*field;
};

// In the order of the profile editor's fields, which it checks in turn.
constexpr NumberOption kNumberOptions[] = {
    {kBallsOption, kBallsLimits, &LotteryProfile::balls},
    {kMinOption, kLowestBallLimits, &LotteryProfile::min},
    {kMaxOption, kHighestBallLimits, &LotteryProfile::max},
    {kBonusOption, kHighestBonusLimits, &LotteryProfile::bonus},
};

// The profile the words describe, or nullopt after a message.
std::optional<LotteryProfile> profileFromWords(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kAddCommandName, words, true,
                                             {kBallsOption, kMinOption, kMaxOption, kBonusOption},
                                             {kRepeatFlag, kSortFlag, kPowerBallFlag, kShowBonusFlag});
    if (!arguments) return std::nullopt;
    LotteryProfile profile;
    profile.name = arguments->positional().front();
    if (const auto problem = lotteryNameProblem(profile.name)) {
        commandFailed(context, kAddCommandName, *problem);
        return std::nullopt;
    }
    for (const NumberOption& number : kNumberOptions) {
        const auto text = arguments->value(number.option);
        if (!text) {
            commandFailed(context, kAddCommandName, std::string(kOptionRequired) + number.option);
            return std::nullopt;
        }
        std::string message;
        const auto value = parseProfileNumber(*text, number.limits, message);
        if (!value) {
            commandFailed(context, kAddCommandName, std::string(number.option) + ": " + message);
            return std::nullopt;
        }
        profile.*number.field = *value;
    }
    profile.repeat = arguments->has(kRepeatFlag);
    profile.sort = arguments->has(kSortFlag);
    profile.powerBall = arguments->has(kPowerBallFlag);
    profile.showBonus = arguments->has(kShowBonusFlag);
    if (profile.powerBall && profile.showBonus) {
        commandFailed(context, kAddCommandName, kPowerBallWithBonus);
        return std::nullopt;
    }
    return profile;
}

}  // namespace

int runAdd(CliContext& context, const std::vector<std::string>& words) {
    const auto profile = profileFromWords(context, words);
    if (!profile) return EXIT_FAILURE;
    CommandSettings settings(context, kAddCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    return settings.reportSave(saveLottery(settings.file(), *profile)) ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace numora
