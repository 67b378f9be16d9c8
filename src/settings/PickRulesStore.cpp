#include "settings/PickRulesStore.h"

#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "settings/BallRuns.h"

namespace numora {

namespace {

constexpr std::string_view kFixedWord = "fixed";
constexpr std::string_view kExcludedWord = "excluded";
constexpr std::string_view kNewLineWord = "new-line";
constexpr char kWordSeparator = ' ';
constexpr char kDamaged[] =
    "The pick rules of %s cannot be read: \"%s\" in them is no rule or number of a ball. Numora picks "
    "without them and leaves them as they are until new ones are stored.";
// The unreadable word is shown at most this long.
constexpr std::size_t kLongestShownWord = 20;

// Adds the run to the set; false when it holds a number no ball can be.
bool addRun(BallSet& numbers, const BallRun& run) {
    if (run.last >= kBallNumberCount) return false;
    for (int number = run.first; number <= run.last; ++number) numbers.set(number);
    return true;
}

// The rules of a stored value; the word that cannot be read otherwise.
std::string readValue(std::string_view value, PickRules& rules) {
    BallSet* numbers = nullptr;
    while (!value.empty()) {
        const auto end = value.find(kWordSeparator);
        const std::string_view word = value.substr(0, end);
        value.remove_prefix(end == std::string_view::npos ? value.size() : end + 1);
        if (word.empty()) continue;
        if (word == kFixedWord) {
            numbers = &rules.fixed;
        } else if (word == kExcludedWord) {
            numbers = &rules.excluded;
        } else if (word == kNewLineWord) {
            rules.newLine = true;
            numbers = nullptr;
        } else if (const auto run = parseBallRun(word); !run || !numbers || !addRun(*numbers, *run)) {
            return std::string(word);
        }
    }
    return {};
}

void addNumbers(std::string& value, std::string_view word, const BallSet& numbers) {
    if (numbers.none()) return;
    if (!value.empty()) value += kWordSeparator;
    value += word;
    value += kWordSeparator;
    value += ballSetText(numbers, std::string_view(&kWordSeparator, 1));
}

// The stored value of rules; empty when all are off.
std::string pickRulesValue(const PickRules& rules) {
    std::string value;
    addNumbers(value, kFixedWord, rules.fixed);
    addNumbers(value, kExcludedWord, rules.excluded);
    if (rules.newLine) {
        if (!value.empty()) value += kWordSeparator;
        value += kNewLineWord;
    }
    return value;
}

}  // namespace

StoredPickRules readPickRules(const AppProfile& profile, std::string_view lottery) {
    const std::string value = profile.readText(kPickRulesSection, lottery, {});
    StoredPickRules stored;
    if (const std::string bad = readValue(value, stored.rules); !bad.empty()) {
        stored.rules = {};
        stored.damage = formatText(kDamaged, std::string(lottery).c_str(), bad.substr(0, kLongestShownWord).c_str());
    }
    return stored;
}

bool writePickRules(AppProfile& profile, std::string_view lottery, const PickRules& rules) {
    if (rules.none()) return removePickRules(profile, lottery);
    return profile.writeText(kPickRulesSection, lottery, pickRulesValue(rules));
}

bool removePickRules(AppProfile& profile, std::string_view lottery) { return profile.remove(kPickRulesSection, lottery); }

}  // namespace numora
