// Writes the tickets file of a device root's lottery "Lotto" as playing does,
// with tickets made from a seed: the writer that scripts/kill-test kills
// half-way.
//
//   numora_tickets_writer ROOT SEED

#include <iostream>
#include <string>
#include <vector>

#include "KilledWriter.h"
#include "picking/RandomDraw.h"
#include "plays/TicketsFile.h"
#include "settings/OptionKeys.h"

namespace {

constexpr char kUsage[] = "usage: numora_tickets_writer ROOT SEED";
constexpr char kLottery[] = "Lotto";
constexpr int kTickets = 20000;

}  // namespace

int main(int argc, char** argv) {
    return numora::runWriter(argc, argv, kUsage, [](const numora::DevicePaths& device, numora::CrtRandom& random) {
        numora::TicketList tickets;
        for (int i = 0; i < kTickets; ++i) {
            numora::PickedLine line;
            for (int ball = 0; ball < 6; ++ball)
                line.slots[static_cast<std::size_t>(ball)] = numora::drawBetween(random, 1, 49);
            line.bonus = numora::drawBetween(random, 1, 49);
            const numora::CalendarDay day{numora::drawBetween(random, 1980, 2037), numora::drawBetween(random, 1, 12),
                                          numora::drawBetween(random, 1, 28)};
            numora::addTickets(tickets, {line}, day, numora::TicketSource::Pick);
            if (i % 3 == 0) tickets.back().result = std::to_string(numora::drawBetween(random, 0, 6));
        }
        const numora::TicketsFileResult saved =
            numora::TicketsFile::save(device, numora::kDefaultDataFolder, kLottery, tickets);
        if (!saved.ok()) std::cerr << saved.message << '\n';
        return saved.ok();
    });
}
