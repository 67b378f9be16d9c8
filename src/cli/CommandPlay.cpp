#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "DrawDates.h"
#include "GivenLines.h"
#include "LotteryDraws.h"
#include "app/AppState.h"
#include "draws/IsoDateText.h"
#include "platform/FormatText.h"
#include "plays/NextDrawDay.h"
#include "plays/TicketBook.h"

namespace numora {

int runPlay(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseLotteryAndWords(context, kPlayCommandName, words, {kDateOption}, {});
    if (!arguments) return EXIT_FAILURE;
    const std::vector<std::string>& positional = arguments->positional();
    const auto lottery = loadLotteryDraws(context, kPlayCommandName, positional.front());
    if (!lottery) return EXIT_FAILURE;
    CalendarDay day = nextDrawDay(lottery->draws, context.time);
    if (const auto date = arguments->value(kDateOption)) {
        const auto parsed = parseIsoDate(*date);
        if (!parsed) return commandFailed(context, kPlayCommandName, formatText(kNotADateOption, date->c_str()));
        day = {parsed->year, parsed->month, parsed->day};
    }
    const auto given = readGivenLines(context, kPlayCommandName,
                                      std::vector<std::string>(positional.begin() + 1, positional.end()),
                                      lottery->profile);
    if (!given) return EXIT_FAILURE;

    TicketBook book(context.device, context.state.dataFolder, lottery->profile, context.time);
    book.load();
    const TicketBook::Played played = book.play(
        given->lines, day, given->fromPicksFile ? TicketSource::Pick : TicketSource::Typed, lottery->draws);
    if (!played.ok) return commandFailed(context, kPlayCommandName, played.texts.front());
    for (const std::string& text : played.texts) context.out << text << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
