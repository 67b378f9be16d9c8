#include "CommandWheel.h"

#include <chrono>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <ostream>

#include "CommandSettings.h"
#include "picking/LineText.h"
#include "platform/FormatText.h"
#include "wheels/NumberSpec.h"
#include "wheels/TicketLines.h"
#include "wheels/WheelSearch.h"
#include "wheels/WheelTexts.h"

namespace numora {

namespace {

constexpr const char* kPoolOption = "--pool";
constexpr const char* kMatchOption = "--match";
constexpr const char* kIfOption = "--if";
constexpr const char* kKeyOption = "--key";
constexpr const char* kTicketsOption = "--tickets";
constexpr const char* kSecondsOption = "--seconds";
constexpr const char* kSeedOption = "--seed";
constexpr const char* kFullFlag = "--full";
constexpr const char* kCsvFlag = "--csv";

constexpr char kUsage[] =
    "wheel LOTTERY --pool LIST --match T --if P [--key LIST] [--tickets N] [--seconds S] [--seed N] [--full] [--csv]";
constexpr char kSummary[] = "spread a pool of numbers over tickets with a checked guarantee";
constexpr char kHelp[] =
    "Finds the fewest tickets of the lottery's main balls, drawn from the pool, such\n"
    "that whenever at least P of the drawn main balls are in the pool, at least one\n"
    "ticket holds at least T of them (\"T if P\"). Writes the tickets as pick-list\n"
    "lines, then the check of the guarantee over every way P of the pool's numbers\n"
    "can be drawn, the fewest tickets any such wheel can have, and the share of all\n"
    "draws in which a ticket matches T or more. A LIST is numbers and ranges of the\n"
    "lottery's numbers: 1-12, or 3,7,9-15. Progress goes to standard error on long\n"
    "searches.\n"
    "  --pool LIST    the numbers to play, from the lottery's balls + 1 to 64 of them\n"
    "  --match T      the numbers a ticket matches at least\n"
    "  --if P         when at least this many of the drawn balls are in the pool\n"
    "  --key LIST     key numbers: in every ticket, and assumed drawn\n"
    "  --tickets N    at most N tickets, covering as many ways as they can\n"
    "  --seconds S    search for at most S seconds (default 10)\n"
    "  --seed N       the search's seed (default 1): the same seed makes the same\n"
    "                 search\n"
    "  --full         every ticket the pool can make (at most 10,000)\n"
    "  --csv          only the tickets, one a line, numbers separated by commas";

constexpr std::string_view kNeedsOption = "needs --pool, --match and --if";
constexpr std::string_view kBadSeconds = "--seconds: a number of seconds above 0, up to 3600";
constexpr std::string_view kBadSeed = "--seed: a whole number from 0 up";
constexpr std::string_view kBadTickets = "--tickets: a number of tickets from 1 to 10,000";
constexpr std::string_view kFullWithTickets = "--full and --tickets cannot be used together";
constexpr char kProgress[] = "wheel: %d%% of the time, best so far %d tickets\r";
constexpr char kProgressNone[] = "wheel: %d%% of the time\r";
constexpr char kCsvSeparator = ',';
constexpr double kMostSeconds = 3600.0;
// Progress shows once a search has taken this long.
constexpr auto kQuietTime = std::chrono::milliseconds(500);

// The search's progress on standard error once it takes a while; no cancelling.
class ProgressOnError : public SearchControl {
public:
    explicit ProgressOnError(std::ostream& err) : err_(err), start_(std::chrono::steady_clock::now()) {}
    ProgressOnError(const ProgressOnError&) = delete;
    ProgressOnError& operator=(const ProgressOnError&) = delete;
    // Leaves the last progress line in place.
    ~ProgressOnError() override {
        if (shown_) err_ << '\n';
    }

    bool cancelled() override { return false; }
    void progress(const SearchProgress& progress) override {
        if (!shown_ && std::chrono::steady_clock::now() - start_ < kQuietTime) return;
        const int percent = static_cast<int>(progress.done * 100);
        if (shown_ && percent == shownPercent_ && progress.tickets == shownTickets_) return;
        shown_ = true;
        shownPercent_ = percent;
        shownTickets_ = progress.tickets;
        err_ << (progress.tickets == 0 ? formatText(kProgressNone, percent)
                                       : formatText(kProgress, percent, static_cast<int>(progress.tickets)))
             << std::flush;
    }

private:
    std::ostream& err_;
    std::chrono::steady_clock::time_point start_;
    bool shown_ = false;
    int shownPercent_ = 0;
    std::size_t shownTickets_ = 0;
};

std::optional<double> secondsFrom(const std::optional<std::string>& text) {
    if (!text) return SearchLimits::kDefaultSeconds;
    double seconds = 0;
    const auto [end, problem] = std::from_chars(text->data(), text->data() + text->size(), seconds);
    if (problem != std::errc() || end != text->data() + text->size() || !(seconds > 0) || seconds > kMostSeconds)
        return std::nullopt;
    return seconds;
}

std::optional<std::uint64_t> seedFrom(const std::optional<std::string>& text) {
    if (!text) return SearchLimits{}.seed;
    std::uint64_t seed = 0;
    const auto [end, problem] = std::from_chars(text->data(), text->data() + text->size(), seed);
    if (problem != std::errc() || end != text->data() + text->size()) return std::nullopt;
    return seed;
}

// The request the words make, or nullopt after a message.
std::optional<WheelRequest> requestFrom(CliContext& context, const CliArguments& arguments,
                                        const LotteryProfile& lottery) {
    const auto pool = arguments.value(kPoolOption);
    if (!pool || !arguments.value(kMatchOption) || !arguments.value(kIfOption)) {
        commandFailed(context, kWheelCommandName, kNeedsOption);
        return std::nullopt;
    }
    WheelRequest request;
    std::string error;
    const auto poolNumbers = readNumberSpec(*pool, lottery, error);
    const auto keyNumbers = arguments.value(kKeyOption) ? readNumberSpec(*arguments.value(kKeyOption), lottery, error)
                                                        : std::optional<std::vector<int>>(std::vector<int>{});
    const auto match = arguments.intValue(kMatchOption, 0, error);
    const auto ifDrawn = arguments.intValue(kIfOption, 0, error);
    if (!poolNumbers || !keyNumbers || !match || !ifDrawn) {
        commandFailed(context, kWheelCommandName, error);
        return std::nullopt;
    }
    request.pool = *poolNumbers;
    request.keys = *keyNumbers;
    request.guarantee = {*match, *ifDrawn};
    if (arguments.value(kTicketsOption)) {
        const auto tickets = arguments.intValue(kTicketsOption, 0, error);
        if (!tickets || *tickets < 1 || *tickets > kMostTickets) {
            commandFailed(context, kWheelCommandName, kBadTickets);
            return std::nullopt;
        }
        request.ticketLimit = *tickets;
    }
    return request;
}

void writeCsv(std::ostream& out, const Wheel& wheel) {
    for (const WheelTicket& ticket : wheel.tickets) {
        for (std::size_t at = 0; at < ticket.balls.size(); ++at) {
            if (at > 0) out << kCsvSeparator;
            out << ticket.balls[at];
        }
        out << '\n';
    }
}

}  // namespace

CliCommand wheelCommand() { return {kWheelCommandName, kUsage, kSummary, kHelp, runWheel, CommandAccess::Reads}; }

int runWheel(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments =
        parseCommandWords(context, kWheelCommandName, words, true,
                          {kPoolOption, kMatchOption, kIfOption, kKeyOption, kTicketsOption, kSecondsOption, kSeedOption},
                          {kFullFlag, kCsvFlag});
    if (!arguments) return EXIT_FAILURE;
    if (arguments->has(kFullFlag) && arguments->value(kTicketsOption))
        return commandFailed(context, kWheelCommandName, kFullWithTickets);
    const auto seconds = secondsFrom(arguments->value(kSecondsOption));
    if (!seconds) return commandFailed(context, kWheelCommandName, kBadSeconds);
    const auto seed = seedFrom(arguments->value(kSeedOption));
    if (!seed) return commandFailed(context, kWheelCommandName, kBadSeed);

    CommandSettings settings(context, kWheelCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto lottery = settings.lotteryProfile(arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    const auto request = requestFrom(context, *arguments, *lottery);
    if (!request) return EXIT_FAILURE;

    Wheel wheel;
    if (arguments->has(kFullFlag)) {
        wheel = fullWheel(*request, *lottery);
    } else {
        SearchLimits limits;
        limits.seconds = *seconds;
        limits.seed = *seed;
        ProgressOnError progress(context.err);
        wheel = searchWheel(*request, *lottery, limits, progress);
    }
    if (wheel.tickets.empty()) return commandFailed(context, kWheelCommandName, wheel.refusal);

    if (arguments->has(kCsvFlag)) {
        writeCsv(context.out, wheel);
        return EXIT_SUCCESS;
    }
    // Each ticket gets the bonus an ordinary random pick would, seeded as one is.
    CrtRandom random(static_cast<std::uint32_t>(std::time(nullptr)));
    const TicketLines lines = ticketLines(wheel.tickets, *lottery, random);
    if (!lines.refusal.empty()) return commandFailed(context, kWheelCommandName, lines.refusal);
    for (const PickedLine& line : lines.lines) context.out << makeLineText(line, *lottery) << '\n';
    for (const std::string& text : checkTexts(wheel.check, wheel.tickets.size(), wheel.needed))
        context.out << text << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
