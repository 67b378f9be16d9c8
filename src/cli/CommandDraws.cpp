#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"

namespace numora {

int runDraws(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kDrawsCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const auto lottery = loadLotteryDraws(context, kDrawsCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    for (const DrawRecord& draw : lottery->draws) context.out << drawsLine(draw, context.time) << '\n';
    if (lottery->loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kDrawsCommandName, lottery->loaded.message);
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
