#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr char kDrawLineFormat[] = "%04d-%02d-%02d,%d,%d,%d,%d,%d,%d,%d,%d";

std::string drawLine(const DrawRecord& draw, const LocalTime& time) {
    const CalendarTime date = time.fromSeconds(draw.date);
    char line[160];
    std::snprintf(line, sizeof line, kDrawLineFormat, date.year, date.month, date.day, draw.ball1, draw.ball2,
                  draw.ball3, draw.ball4, draw.ball5, draw.ball6, draw.ball7, draw.bonus);
    return line;
}

}  // namespace

int runDraws(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kDrawsCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    CommandSettings settings(context, kDrawsCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto profile = settings.lotteryProfile(arguments->positional().front());
    if (!profile) return EXIT_FAILURE;

    DrawList draws;
    const DrawFileResult result = DrawFile::load(context.device, context.state.dataFolder, profile->name, draws);
    for (const DrawRecord& draw : draws) context.out << drawLine(draw, context.time) << '\n';
    if (result.status == DrawFileResult::Status::Damaged) return commandFailed(context, kDrawsCommandName, result.message);
    return EXIT_SUCCESS;
}

}  // namespace numora
