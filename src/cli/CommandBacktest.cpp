#include <chrono>
#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LastDrawsOption.h"
#include "LotteryDraws.h"
#include "PickOptionWords.h"
#include "PickRulesWords.h"
#include "analysis/Backtest.h"
#include "analysis/LineCheck.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr int kDefaultLast = 100;

constexpr char kHeading[] = "%s: %d draws tested, each against the analysed pick made from the draws before it";
constexpr char kTableHeading[] = "matched  picks  random lines";
constexpr char kTableRow[] = "%7d  %5d  %12.2f";
constexpr char kBonusRow[] = "  bonus  %5d  %12.2f";
// A second drum's table: the main numbers and the second drum's matched, as Check Picks labels them.
constexpr char kLabelTableHeading[] = "matched  picks  random lines  (main + second drum)";
constexpr char kLabelRow[] = "%7s  %5d  %12.6f";
// The bonus row's note: the picks that had a bonus against a draw with one.
constexpr char kBonusTried[] = "   (of %d)";
constexpr char kProgress[] = "backtest: %d of %d draws\r";
constexpr char kRulesUsed[] = "pick rules: %s";
constexpr char kRulesSeparator[] = "; ";
// Each tested pick is made with an empty pick list.
constexpr char kNewLineUnused[] = " (changes nothing here: each pick is the first of its pick list)";
constexpr char kNothingTested[] = "%s has too few past draws to test: each tested draw needs %d before it";
// Progress shows once a run has taken this long, and then at each percent.
constexpr auto kQuietTime = std::chrono::milliseconds(500);
constexpr std::size_t kProgressSteps = 100;

// The count of picks made, on standard error, for a run that takes a while.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : err_(err), start_(std::chrono::steady_clock::now()) {}

    void operator()(std::size_t done, std::size_t total) {
        const std::size_t step = done * kProgressSteps / total;
        if (step == shownStep_ && done != total) return;
        if (!shown_ && std::chrono::steady_clock::now() - start_ < kQuietTime) return;
        shown_ = true;
        shownStep_ = step;
        err_ << formatText(kProgress, static_cast<int>(done), static_cast<int>(total)) << std::flush;
    }

    // Leaves the last progress line in place.
    ~ProgressLine() {
        if (shown_) err_ << '\n';
    }

private:
    std::ostream& err_;
    std::chrono::steady_clock::time_point start_;
    bool shown_ = false;
    std::size_t shownStep_ = 0;
};

// The rules the picks followed, when any is on.
void writeRules(std::ostream& out, const PickRules& rules) {
    std::string used;
    for (const std::string& line : pickRulesLines(rules)) used += (used.empty() ? "" : kRulesSeparator) + line;
    if (rules.newLine) used += kNewLineUnused;
    if (!used.empty()) out << formatText(kRulesUsed, used.c_str()) << '\n';
}

void writeResult(std::ostream& out, const std::string& lottery, const PickRules& rules,
                 const BacktestResult& result) {
    out << formatText(kHeading, lottery.c_str(), static_cast<int>(result.tested)) << '\n';
    writeRules(out, rules);
    out << kTableHeading << '\n';
    for (std::size_t matches = 0; matches < result.observed.size(); ++matches) {
        out << formatText(kTableRow, static_cast<int>(matches), result.observed[matches], result.expected[matches])
            << '\n';
    }
    for (std::size_t main = 0; main < result.observedLabels.size(); ++main) {
        if (main == 0) out << kLabelTableHeading << '\n';
        for (std::size_t second = 0; second < result.observedLabels[main].size(); ++second) {
            const std::string label =
                formatText(kMatchLabelWithSecondDrum, static_cast<int>(main), static_cast<int>(second));
            out << formatText(kLabelRow, label.c_str(), result.observedLabels[main][second],
                              result.expectedLabels[main][second])
                << '\n';
        }
    }
    if (result.bonusTried > 0) {
        out << formatText(kBonusRow, result.bonusMatched, result.bonusExpected)
            << formatText(kBonusTried, result.bonusTried) << '\n';
    }
    out << backtestVerdict(result) << '\n';
}

}  // namespace

int runBacktest(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kBacktestCommandName, words, true, {kLastOption, kModelOption},
                                             {kPatternFlag, kNoPatternFlag, kWeightFlag, kNoWeightFlag});
    if (!arguments) return EXIT_FAILURE;
    const auto last = lastDrawsFromWords(context, kBacktestCommandName, *arguments, kDefaultLast);
    if (!last) return EXIT_FAILURE;
    const auto options = pickOptionsFromWords(context, kBacktestCommandName, *arguments);
    if (!options) return EXIT_FAILURE;
    const auto lottery = loadWholeLotteryDraws(context, kBacktestCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;

    const PickRules rules = readCommandPickRules(context, kBacktestCommandName, lottery->profile).fitting;
    BacktestResult result;
    {
        ProgressLine progress(context.err);
        result = backtestAnalysedPicks(lottery->draws, lottery->profile, *options, *last, std::ref(progress), rules);
    }
    if (result.refused()) return commandFailed(context, kBacktestCommandName, result.refusal);
    if (result.tested == 0) {
        return commandFailed(
            context, kBacktestCommandName,
            formatText(kNothingTested, lottery->profile.name.c_str(), static_cast<int>(kFewestDrawsBeforeTest)));
    }
    writeResult(context.out, lottery->profile.name, rules, result);
    return EXIT_SUCCESS;
}

}  // namespace numora
