#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "wheels/CoverageCount.h"
#include "wheels/WheelCheck.h"

namespace numora {
namespace {

using wheels::PlaceSet;

// Counted one set at a time, over every set of places.
std::vector<std::uint64_t> bruteForceCounts(int points, const std::vector<wheels::CheckedTicket>& tickets,
                                            int maxSize) {
    std::vector<std::uint64_t> covered(static_cast<std::size_t>(maxSize) + 1, 0);
    for (PlaceSet set = 0; set < (PlaceSet{1} << points); ++set) {
        const int size = std::popcount(set);
        if (size > maxSize) continue;
        for (const auto& ticket : tickets) {
            if (std::popcount(set & ticket.places) >= ticket.match) {
                ++covered[static_cast<std::size_t>(size)];
                break;
            }
        }
    }
    return covered;
}

TEST(WheelCheck, countsAsABruteForceCountDoesOnRandomTickets) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int points = 4 + static_cast<int>(random() % 13);
        const int ticketSize = 1 + static_cast<int>(random() % std::min(points - 1, 7));
        const int maxSize = static_cast<int>(random() % 8);
        std::vector<wheels::CheckedTicket> tickets(random() % 12);
        for (auto& ticket : tickets) {
            while (std::popcount(ticket.places) < ticketSize) ticket.places |= PlaceSet{1} << (random() % points);
            // Some tickets hold key numbers, so need fewer places.
            ticket.match = static_cast<int>(random() % 5) - (round % 7 == 0 ? 1 : 0);
        }
        ASSERT_EQ(wheels::coveredSetCounts(points, tickets, maxSize), bruteForceCounts(points, tickets, maxSize))
            << "round " << round;
    }
}

TEST(WheelCheck, countsTheWaysWithTheKeysAndEveryDrawOfTheLottery) {
    // 5 balls from 1 to 12; a pool of 8 with key number 2; 2 if 3.
    const LotteryProfile lottery{"Small", 5, 1, 12, 0};
    const WheelRequest request{{1, 2, 3, 4, 5, 6, 7, 8}, {2}, {2, 3}, std::nullopt};
    const std::vector<WheelTicket> tickets{{{1, 2, 3, 4, 5}}, {{2, 5, 6, 7, 8}}};
    const WheelCheck check = checkWheel(request, lottery, tickets);

    // Key 2 drawn with 2 of the other 7: each ticket matches the key, and one
    // more in it makes 2. Uncovered: two drawn numbers outside both tickets,
    // but 1, 3, 4 are in one and 6, 7, 8 in the other, and 5 in both.
    EXPECT_EQ(check.ways, 21u);
    EXPECT_EQ(check.waysCovered, 21u);
    EXPECT_TRUE(check.holds());

    // Every draw of 5 from 12, counted by hand: a draw matches a ticket in 2
    // unless it holds at most 1 number of each ticket.
    std::uint64_t matched = 0, draws = 0;
    for (PlaceSet draw = 0; draw < (PlaceSet{1} << 12); ++draw) {
        if (std::popcount(draw) != 5) continue;
        ++draws;
        const auto held = [&](const WheelTicket& ticket) {
            int count = 0;
            for (const int number : ticket.balls) count += (draw >> (number - 1)) & 1;
            return count;
        };
        matched += held(tickets[0]) >= 2 || held(tickets[1]) >= 2;
    }
    EXPECT_EQ(check.draws, draws);
    EXPECT_EQ(check.drawsMatched, matched);
}

TEST(WheelCheck, catchesABrokenWheelAndSaysHowMuchItMisses) {
    const LotteryProfile lottery{"Lotto", 6, 1, 49, 0};
    // 3 if 3 over 1 to 7: each ticket leaves one number out, and a drawn
    // triple is missed only when it holds every number some ticket leaves out.
    const WheelRequest request{{1, 2, 3, 4, 5, 6, 7}, {}, {3, 3}, std::nullopt};
    std::vector<WheelTicket> tickets{{{1, 2, 3, 4, 5, 6}}, {{1, 2, 3, 4, 5, 7}}, {{1, 2, 3, 4, 6, 7}},
                                     {{1, 2, 3, 5, 6, 7}}};
    const WheelCheck sound = checkWheel(request, lottery, tickets);
    EXPECT_TRUE(sound.holds());
    EXPECT_EQ(checkTexts(sound, tickets.size(), 4),
              (std::vector<std::string>{"Checked: 3 if 3 holds for all 35 ways 3 of your 7 numbers can be drawn",
                                        "At least 4 tickets are needed; this wheel has 4",
                                        "A ticket matches 3 or more in 432,824 of all 13,983,816 draws (3.0%)"}));

    // A number outside the pool matches nothing: the last ticket now leaves
    // out 4 and 7, and 5 6 7 is missed.
    tickets.back() = {{1, 2, 3, 5, 6, 40}};
    const WheelCheck broken = checkWheel(request, lottery, tickets);
    EXPECT_FALSE(broken.holds());
    EXPECT_EQ(broken.waysCovered, 34u);
    EXPECT_EQ(checkTexts(broken, tickets.size(), 4).front(),
              "Checked: 3 if 3 holds for 34 of the 35 ways 3 of your 7 numbers can be drawn (97.1%)");
}

}  // namespace
}  // namespace numora
