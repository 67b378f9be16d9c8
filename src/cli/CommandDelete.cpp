#include <algorithm>
#include <cstdlib>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"

namespace numora {

namespace {

constexpr std::string_view kNotListed = "no lottery of that name is listed (names are matched exactly): ";
constexpr std::string_view kLastLottery = "the last remaining lottery cannot be deleted";

}  // namespace

int runDelete(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kDeleteCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const std::string& name = arguments->positional().front();
    CommandSettings settings(context, kDeleteCommandName);
    if (!settings.load()) return EXIT_FAILURE;

    const std::vector<std::string> listed = readLotteryList(settings.file());
    if (std::ranges::find(listed, name) == listed.end()) {
        return commandFailed(context, kDeleteCommandName, std::string(kNotListed) + name);
    }
    if (listed.size() < 2) return commandFailed(context, kDeleteCommandName, kLastLottery);
    return settings.reportSave(deleteLottery(settings.file(), name).saved) ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace numora
