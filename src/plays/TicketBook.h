#pragma once

#include <string>
#include <vector>

#include "draws/DrawList.h"
#include "plays/TicketsFile.h"
#include "settings/LotteryProfile.h"

namespace numora {

class DevicePaths;
class LocalTime;

inline constexpr char kPlayedText[] = "Played %d tickets for %s: tickets %d to %d.";
inline constexpr char kPlayedOneText[] = "Played ticket %d for %s.";
inline constexpr char kNoTicketText[] = "There is no ticket %d.";
inline constexpr char kNotCheckedText[] = "%s\nThe tickets were not checked against the new draws.";
// More days than a message box shows are summed up after the first ones.
inline constexpr std::size_t kDaysInOneMessage = 8;
inline constexpr char kMoreDaysText[] = "... and %d more days: the Tickets window shows every ticket.";

// A lottery's tickets as a window or a command works with them: read from the
// tickets file, changed, checked against the draws and saved back at once. A
// file that is there but was not read whole is never saved over: every change
// is then refused with the load's message.
class TicketBook {
public:
    TicketBook(const DevicePaths& device, std::string dataFolder, LotteryProfile lottery, const LocalTime& time);

    // Reads the tickets file.
    const TicketsFileResult& load();
    const TicketsFileResult& loaded() const { return loaded_; }
    const TicketList& tickets() const { return tickets_; }
    const LotteryProfile& lottery() const { return lottery_; }

    // Plays a ticket for each line for the draw of the day, checks them at
    // once when that day already has draws, and saves. The texts to tell:
    // what was played and how the day's tickets did, or why nothing was.
    struct Played {
        bool ok = false;
        std::vector<int> numbers;
        std::vector<std::string> texts;
    };
    Played play(const std::vector<PickedLine>& lines, const CalendarDay& day, TicketSource source,
                const DrawList& draws);
    // Deletes a ticket and saves; the text telling why not, empty when done.
    std::string remove(int number);
    // Checks the tickets against the draws and saves the results that changed.
    struct Checked {
        // What to tell, one text a day whose results changed.
        std::vector<std::string> results;
        // Why the results were not checked or not saved; empty when they were.
        std::string problem;
    };
    Checked check(const DrawList& draws);

private:
    // Saves, or puts the tickets back as they were when the save fails; the
    // save's failure text, empty when it was saved.
    std::string saveOr(const TicketList& before);

    const DevicePaths& device_;
    std::string dataFolder_;
    LotteryProfile lottery_;
    const LocalTime& time_;
    TicketsFileResult loaded_;
    TicketList tickets_;
};

// Checks a lottery's tickets against its draws after draws were added to
// them, and saves the results: nothing to tell when no ticket was waiting for
// those draws.
TicketBook::Checked checkTicketsOnArrival(const DevicePaths& device, const std::string& dataFolder,
                                               const LotteryProfile& lottery, const DrawList& draws,
                                               const LocalTime& time);

// What a check tells as one message: why it failed, then the first days'
// results and how many more days there are; empty when there is nothing to tell.
std::string oneMessage(const TicketBook::Checked& checked);

}  // namespace numora
