#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "settings/LotteryStore.h"

namespace numora {

int runLotteries(CliContext& context, const std::vector<std::string>& words) {
    if (!parseCommandWords(context, kLotteriesCommandName, words, false)) return EXIT_FAILURE;
    CommandSettings settings(context, kLotteriesCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    for (const std::string& name : readLotteryList(settings.file())) context.out << name << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
