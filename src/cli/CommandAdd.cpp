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
constexpr const char* kDrum2Option = "--drum2";
constexpr const char* kDrum2MinOption = "--drum2-min";
constexpr const char* kDrum2MaxOption = "--drum2-max";

constexpr std::string_view kOptionRequired = "this option is required: ";
constexpr std::string_view kDrum2OptionRequired = "a second drum needs this option: ";
constexpr std::string_view kDrum2OptionAlone = "this option needs --drum2 (the second drum's numbers): ";

// The options of the four numbers, in the order of kProfileNumberFields.
constexpr std::array<const char*, kProfileNumberFields.size()> kNumberOptions{kBallsOption, kMinOption, kMaxOption,
                                                                           kBonusOption};
// The options of the second drum, in the order of kDrum2NumberFields.
constexpr std::array<const char*, kDrum2NumberFields.size()> kDrum2Options{kDrum2Option, kDrum2MinOption,
                                                                          kDrum2MaxOption};

// Takes the numbers of the fields from their options into profile; false
// after a message. A missing option is told with `missing` before its name.
template <std::size_t Count>
bool takeNumbers(CliContext& context, const CliArguments& arguments,
                 const std::array<ProfileNumberField, Count>& fields, const std::array<const char*, Count>& options,
                 std::string_view missing, LotteryProfile& profile) {
    for (std::size_t i = 0; i < Count; ++i) {
        const char* option = options[i];
        const auto text = arguments.value(option);
        if (!text) {
            commandFailed(context, kAddCommandName, std::string(missing) + option);
            return false;
        }
        std::string message;
        const auto value = parseProfileNumber(*text, fields[i].limits, message);
        if (!value) {
            commandFailed(context, kAddCommandName, std::string(option) + ": " + message);
            return false;
        }
        profile.*fields[i].value = *value;
    }
    return true;
}

// The profile the words describe, or nullopt after a message.
std::optional<LotteryProfile> profileFromWords(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(
        context, kAddCommandName, words, true,
        {kBallsOption, kMinOption, kMaxOption, kBonusOption, kDrum2Option, kDrum2MinOption, kDrum2MaxOption},
        {kRepeatFlag, kSortFlag, kPowerBallFlag, kShowBonusFlag});
    if (!arguments) return std::nullopt;
    LotteryProfile profile;
    profile.name = arguments->positional().front();
    if (const auto problem = lotteryNameProblem(profile.name)) {
        commandFailed(context, kAddCommandName, *problem);
        return std::nullopt;
    }
    if (!takeNumbers(context, *arguments, kProfileNumberFields, kNumberOptions, kOptionRequired, profile)) {
        return std::nullopt;
    }
    if (arguments->value(kDrum2Option)) {
        if (!takeNumbers(context, *arguments, kDrum2NumberFields, kDrum2Options, kDrum2OptionRequired, profile)) {
            return std::nullopt;
        }
    } else {
        for (const char* option : {kDrum2MinOption, kDrum2MaxOption}) {
            if (arguments->value(option)) {
                commandFailed(context, kAddCommandName, std::string(kDrum2OptionAlone) + option);
                return std::nullopt;
            }
        }
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
