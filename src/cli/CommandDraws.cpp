#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr char kDrawLineFormat[] = "%04d-%02d-%02d,%d,%d,%d,%d,%d,%d,%d,%d";

std::string drawLine(const DrawRecord& draw, const LocalTime& time) {
    const CalendarTime date = time.fromSeconds(draw.date);
    return formatText(kDrawLineFormat, date.year, date.month, date.day, draw.ball1, draw.ball2, draw.ball3,
                      draw.ball4, draw.ball5, draw.ball6, draw.ball7, draw.bonus);
}

}  // namespace

int runDraws(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kDrawsCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const auto lottery = loadLotteryDraws(context, kDrawsCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    for (const DrawRecord& draw : lottery->draws) context.out << drawLine(draw, context.time) << '\n';
    if (lottery->loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kDrawsCommandName, lottery->loaded.message);
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
