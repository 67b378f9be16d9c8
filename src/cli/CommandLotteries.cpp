#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "platform/PrintableText.h"
#include "settings/LotteryStore.h"

namespace numora {

int runLotteries(CliContext& context, const std::vector<std::string>& words) {
    if (!parseCommandWords(context, kLotteriesCommandName, words, false)) return EXIT_FAILURE;
    CommandSettings settings(context, kLotteriesCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    // A hand-edited settings file may hold any text in a name.
    for (const std::string& name : readLotteryList(settings.file())) context.out << printableText(name) << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
