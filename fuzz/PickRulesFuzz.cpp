// Pick rules are read from any stored value: one that reads is written back
// as the same rules, and rules fitted to any lottery have no problem left.
// The runs of the terminal's rules command are read from any text too.

#include "FuzzCheck.h"
#include "platform/AppProfile.h"
#include "settings/BallRuns.h"
#include "settings/PickRulesStore.h"

namespace {

constexpr char kLottery[] = "Lotto";

// Every shape of lottery, chosen by the input's length so that the text
// itself stays as the corpus holds it.
numora::LotteryProfile profileFor(std::size_t size) {
    numora::LotteryProfile profile;
    profile.name = kLottery;
    profile.balls = 3 + static_cast<int>(size % 5);
    profile.min = static_cast<int>((size / 5) % 2);
    profile.max = 3 + static_cast<int>((size / 10) % 97);
    return profile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    const std::string_view text = fuzz::bytesOf(data, size);
    std::string bad;
    if (const auto runs = parseBallRuns(text, bad)) {
        for (const BallRun& run : *runs) fuzz::check(run.first >= 0 && run.first <= run.last, "runs never go down");
    }

    InMemoryAppProfile options;
    options.writeText(kPickRulesSection, kLottery, text);
    const StoredPickRules stored = readPickRules(options, kLottery);
    if (!stored.damage.empty()) {
        fuzz::check(stored.rules == PickRules{}, "rules that cannot be read are none");
        return 0;
    }
    writePickRules(options, kLottery, stored.rules);
    fuzz::check(readPickRules(options, kLottery).rules == stored.rules, "rules read back as they were written");

    const LotteryProfile profile = profileFor(size);
    const FittedPickRules fitted = fitPickRules(stored.rules, profile);
    fuzz::check(pickRulesProblem(fitted.rules, profile) == PickRulesProblem::None, "fitted rules have no problem");
    fuzz::check(fitted.dropped.empty() == (fitted.rules == stored.rules), "what is dropped is told");
    return 0;
}
