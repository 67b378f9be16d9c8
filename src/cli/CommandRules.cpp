#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "PickOptionWords.h"
#include "PickRulesWords.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "settings/BallRuns.h"

namespace numora {

namespace {

constexpr const char* kFixOption = "--fix";
constexpr const char* kExcludeOption = "--exclude";
constexpr const char* kNewLineFlag = "--new-line";
constexpr const char* kAnyLineFlag = "--any-line";
constexpr const char* kClearFlag = "--clear";
constexpr char kNotARun[] = "%s: \"%s\" is not a number or a run of numbers such as 9-15";
constexpr char kFixedKey[] = "Fixed";
constexpr char kExcludedKey[] = "Excluded";
constexpr char kNewLineKey[] = "NewLine";
constexpr char kYes[] = "Yes";
constexpr char kNo[] = "No";
constexpr char kSpecSeparator[] = ",";

// The numbers an option gives, each a ball of the lottery; nullopt with the
// reason in error otherwise.
std::optional<BallSet> numbersOfOption(const std::string& option, const std::string& text, bool fixed,
                                       const LotteryProfile& profile, std::string& error) {
    std::string bad;
    const auto runs = parseBallRuns(text, bad);
    if (!runs) {
        error = formatText(kNotARun, option.c_str(), bad.c_str());
        return std::nullopt;
    }
    BallSet numbers;
    for (const BallRun& run : *runs) {
        if (run.first < profile.min || run.last > profile.max) {
            error = outOfRangeText(fixed, run.first < profile.min ? run.first : profile.max + 1, profile);
            return std::nullopt;
        }
        for (int number = run.first; number <= run.last; ++number) numbers.set(static_cast<std::size_t>(number));
    }
    return numbers;
}

// Sets the numbers of a rule when its option is given; false with a message
// when they are not the lottery's.
bool applyNumbers(CliContext& context, const CliArguments& arguments, const char* option, bool fixed,
                  const LotteryProfile& profile, BallSet& numbers) {
    const auto text = arguments.value(option);
    if (!text) return true;
    std::string error;
    const auto given = numbersOfOption(option, *text, fixed, profile, error);
    if (!given) {
        commandFailed(context, kRulesCommandName, error);
        return false;
    }
    numbers = *given;
    return true;
}

// The rules as Key=Value lines, the numbers as --fix and --exclude take them.
void printRules(std::ostream& out, const PickRules& rules) {
    out << kFixedKey << '=' << ballSetText(rules.fixed, kSpecSeparator) << '\n'
        << kExcludedKey << '=' << ballSetText(rules.excluded, kSpecSeparator) << '\n'
        << kNewLineKey << '=' << (rules.newLine ? kYes : kNo) << '\n';
}

}  // namespace

int runRules(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kRulesCommandName, words, true, {kFixOption, kExcludeOption},
                                             {kNewLineFlag, kAnyLineFlag, kClearFlag});
    if (!arguments) return EXIT_FAILURE;
    CommandSettings settings(context, kRulesCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto profile = settings.lotteryProfile(arguments->positional().front());
    if (!profile) return EXIT_FAILURE;

    const CommandPickRules found = readCommandPickRules(context, kRulesCommandName, *profile);
    PickRules rules = arguments->has(kClearFlag) ? PickRules{} : found.fitting;
    if (!applyNumbers(context, *arguments, kFixOption, true, *profile, rules.fixed) ||
        !applyNumbers(context, *arguments, kExcludeOption, false, *profile, rules.excluded) ||
        !applySwitch(context, kRulesCommandName, *arguments, kNewLineFlag, kAnyLineFlag, rules.newLine)) {
        return EXIT_FAILURE;
    }
    if (const std::string problem = pickRulesProblemText(rules, *profile); !problem.empty()) {
        return commandFailed(context, kRulesCommandName, problem);
    }
    // Rules that could not be read stay as they are until others are given.
    const bool given = arguments->has(kClearFlag) || arguments->value(kFixOption) || arguments->value(kExcludeOption) ||
                       arguments->has(kNewLineFlag) || arguments->has(kAnyLineFlag);
    const bool change = found.stored.damage.empty() ? rules != found.stored.rules : given;
    if (change && !writePickRules(context.profile, profile->name, rules)) {
        const std::string failure = context.profile.failure();
        return commandFailed(context, kRulesCommandName, formatText(kPickRulesNotStoredFormat, failure.c_str()));
    }
    printRules(context.out, rules);
    return EXIT_SUCCESS;
}

}  // namespace numora
