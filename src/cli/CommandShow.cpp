#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"

namespace numora {

namespace {

constexpr std::string_view kUnknownLottery = "no lottery of that name (names are matched exactly): ";

}  // namespace

int runShow(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kShowCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const std::string& name = arguments->positional().front();
    CommandSettings settings(context, kShowCommandName);
    if (!settings.load()) return EXIT_FAILURE;

    const std::vector<std::string> listed = readLotteryList(settings.file());
    if (settings.file().section(name) == nullptr && std::ranges::find(listed, name) == listed.end()) {
        return commandFailed(context, kShowCommandName, std::string(kUnknownLottery) + name);
    }
    // Keys the section lacks show the built-in profile's values.
    LotteryProfile profile;
    readLotteryProfile(settings.file(), name, profile);
    for (const auto& [key, value] : lotteryProfileEntries(profile)) context.out << key << '=' << value << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
