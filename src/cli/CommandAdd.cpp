#include <array>
#include <cstdlib>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"
#include "settings/ProfileFields.h"

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

// The options of the four numbers, in the order of kProfileNumberFields.
constexpr std::array<const char*, kProfileNumberFields.size()> kNumberOptions{kBallsOption, kMinOption, kMaxOption,
                                                                           kBonusOption};

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
    for (std::size_t i = 0; i < kProfileNumberFields.size(); ++i) {
        const char* option = kNumberOptions[i];
        const auto text = arguments->value(option);
        if (!text) {
            commandFailed(context, kAddCommandName, std::string(kOptionRequired) + option);
            return std::nullopt;
        }
        std::string message;
        const auto value = parseProfileNumber(*text, kProfileNumberFields[i].limits, message);
        if (!value) {
            commandFailed(context, kAddCommandName, std::string(option) + ": " + message);
            return std::nullopt;
        }
        profile.*kProfileNumberFields[i].value = *value;
    }
    profile.repeat = arguments->has(kRepeatFlag);
    profile.sort = arguments->has(kSortFlag);
    profile.powerBall = arguments->has(kPowerBallFlag);
    profile.showBonus = arguments->has(kShowBonusFlag);
    return profile;
}

}  // namespace

int runAdd(CliContext& context, const std::vector<std::string>& words) {
    const auto profile = profileFromWords(context, words);
    if (!profile) return EXIT_FAILURE;
    CommandSettings settings(context, kAddCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const LotterySave saved = saveLottery(settings.file(), *profile);
    if (!saved.refusal.empty()) return commandFailed(context, kAddCommandName, saved.refusal);
    return settings.reportSave(saved.saved) ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace numora
