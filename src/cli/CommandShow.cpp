#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"

namespace numora {

int runShow(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kShowCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const std::string& name = arguments->positional().front();
    CommandSettings settings(context, kShowCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto profile = settings.lotteryProfile(name);
    if (!profile) return EXIT_FAILURE;
    for (const auto& [key, value] : lotteryProfileEntries(*profile)) context.out << key << '=' << value << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
