#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "app/AppState.h"
#include "draws/IsoDateText.h"
#include "platform/DeviceLock.h"
#include "platform/FormatText.h"
#include "plays/TicketBook.h"

namespace numora {

namespace {

constexpr const char* kPendingFlag = "--pending";
constexpr const char* kCheckedFlag = "--checked";
constexpr const char* kCsvFlag = "--csv";
constexpr const char* kDeleteOption = "--delete";
constexpr char kTicketLine[] = "%d   %s   %s   %s";
constexpr char kTicketCsvLine[] = "%d,%s,%s,%s";
constexpr char kPendingWord[] = "pending";
constexpr char kDeleted[] = "Deleted ticket %d.";
constexpr std::string_view kPendingOrChecked = "--pending and --checked cannot be used together";
constexpr std::string_view kDeleteAlone = "--delete cannot be used with --pending, --checked or --csv";
constexpr char kLockHolder[] = "numora-cli tickets --delete";

int deleteTicket(CliContext& context, TicketBook& book, const CliArguments& arguments) {
    std::string error;
    const auto number = arguments.intValue(kDeleteOption, 0, error);
    if (!number) return commandFailed(context, kTicketsCommandName, error);
    // Deleting writes: one writer at a time, as for every writing command.
    const DeviceLock lock = DeviceLock::take(context.device, context.state.dataFolder, kLockHolder);
    if (lock.refused()) return commandFailed(context, kTicketsCommandName, lock.message());
    book.load();
    if (const std::string failure = book.remove(*number); !failure.empty()) {
        return commandFailed(context, kTicketsCommandName, failure);
    }
    context.out << formatText(kDeleted, *number) << '\n';
    return EXIT_SUCCESS;
}

}  // namespace

int runTickets(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kTicketsCommandName, words, true, {kDeleteOption},
                                             {kPendingFlag, kCheckedFlag, kCsvFlag});
    if (!arguments) return EXIT_FAILURE;
    const bool pendingOnly = arguments->has(kPendingFlag);
    const bool checkedOnly = arguments->has(kCheckedFlag);
    const bool csv = arguments->has(kCsvFlag);
    if (pendingOnly && checkedOnly) return commandFailed(context, kTicketsCommandName, kPendingOrChecked);
    const bool deleting = arguments->value(kDeleteOption).has_value();
    if (deleting && (pendingOnly || checkedOnly || csv)) {
        return commandFailed(context, kTicketsCommandName, kDeleteAlone);
    }
    CommandSettings settings(context, kTicketsCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto lottery = settings.lotteryProfile(arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    TicketBook book(context.device, context.state.dataFolder, *lottery, context.time);
    if (deleting) return deleteTicket(context, book, *arguments);

    const TicketsFileResult& loaded = book.load();
    if (loaded.status == TicketsFileResult::Status::Unreadable) {
        return commandFailed(context, kTicketsCommandName, loaded.message);
    }
    for (const Ticket& ticket : newestFirst(book.tickets())) {
        if ((pendingOnly && !ticket.pending()) || (checkedOnly && ticket.pending())) continue;
        const std::string day = isoDayText(ticket.day.year, ticket.day.month, ticket.day.day);
        const std::string line = ticketLineText(ticket, *lottery);
        context.out << (csv ? formatText(kTicketCsvLine, ticket.number, day.c_str(), line.c_str(), ticket.result.c_str())
                            : formatText(kTicketLine, ticket.number, day.c_str(), line.c_str(),
                                         ticket.pending() ? kPendingWord : ticket.result.c_str()))
                    << '\n';
    }
    if (loaded.status == TicketsFileResult::Status::Damaged) {
        return commandFailed(context, kTicketsCommandName, loaded.message);
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
