#include <cstdlib>

#include "CommandSettings.h"
#include "Commands.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "settings/LotteryStore.h"
#include "settings/PickRulesStore.h"

namespace numora {

namespace {

constexpr std::string_view kNotListed = "no lottery of that name is listed (names are matched exactly): ";

}  // namespace

int runDelete(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kDeleteCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const std::string& name = arguments->positional().front();
    CommandSettings settings(context, kDeleteCommandName);
    if (!settings.load()) return EXIT_FAILURE;

    const LotteryDeletion deletion = deleteLottery(settings.file(), name);
    if (!deletion.listed) return commandFailed(context, kDeleteCommandName, std::string(kNotListed) + name);
    if (!deletion.refusal.empty()) return commandFailed(context, kDeleteCommandName, deletion.refusal);
    if (!settings.reportSave(deletion.saved)) return EXIT_FAILURE;
    // The lottery's pick rules go with it.
    if (!removePickRules(context.profile, name)) {
        const std::string failure = context.profile.failure();
        return commandFailed(context, kDeleteCommandName,
                             formatText(kPickRulesNotRemovedFormat, name.c_str(), failure.c_str()));
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
