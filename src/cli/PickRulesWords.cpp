#include "PickRulesWords.h"

#include "CommandSettings.h"

namespace numora {

CommandPickRules readCommandPickRules(CliContext& context, std::string_view command, const LotteryProfile& profile) {
    CommandPickRules rules{readPickRules(context.profile, profile.name), {}};
    if (!rules.stored.damage.empty()) commandFailed(context, command, rules.stored.damage);
    const FittedPickRules fitted = fitPickRules(rules.stored.rules, profile);
    if (!fitted.dropped.empty()) commandFailed(context, command, fitted.dropped);
    rules.fitting = fitted.rules;
    return rules;
}

}  // namespace numora
