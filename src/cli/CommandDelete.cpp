#include <cstdlib>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"

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
    return settings.reportSave(deletion.saved) ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace numora
