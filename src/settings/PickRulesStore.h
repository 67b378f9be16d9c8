#pragma once

#include <string>
#include <string_view>

#include "settings/PickRules.h"

namespace numora {

class AppProfile;

// Each lottery's pick rules, kept in the per-user AppProfile beside the
// options: section "PickRules", one value a lottery under the lottery's name,
// its rules in words and runs of numbers:
//   [PickRules]
//   Lotto 6 49=fixed 3 7 12 excluded 1-5 40 new-line
// A lottery without rules has no value, so a store that never met them holds
// nothing new.
inline constexpr std::string_view kPickRulesSection = "PickRules";

// What the store holds for a lottery.
struct StoredPickRules {
    PickRules rules;
    // Why the stored value cannot be read; the rules are then none, and the
    // value stays as it is until new rules are stored in its place.
    std::string damage;
};

StoredPickRules readPickRules(const AppProfile& profile, std::string_view lottery);

// Stores the lottery's rules; rules that are all off remove its value. False
// when they were not stored (the store's failure says why).
bool writePickRules(AppProfile& profile, std::string_view lottery, const PickRules& rules);

// Removes the lottery's rules, as the lottery itself goes.
bool removePickRules(AppProfile& profile, std::string_view lottery);

// What is told when the rules cannot be stored or removed; %s is the store's
// failure, which follows "Numora".
inline constexpr char kPickRulesNotStoredFormat[] = "The pick rules were not stored: Numora %s.";
inline constexpr char kPickRulesNotRemovedFormat[] = "The pick rules of %s were not removed: Numora %s.";

}  // namespace numora
