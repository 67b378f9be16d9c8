#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "wheels/CoverageCount.h"
#include "wheels/SplitWheel.h"
#include "wheels/WheelSearch.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 0};

std::vector<int> numbersUpTo(int last) {
    std::vector<int> numbers(static_cast<std::size_t>(last));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

// Cancels at once, once the search has told of a wheel, or never.
class TestControl : public SearchControl {
public:
    enum class Cancel { Never, AtOnce, AfterAWheel };
    explicit TestControl(Cancel cancel = Cancel::Never) : cancel_(cancel) {}
    bool cancelled() override {
        return cancel_ == Cancel::AtOnce || (cancel_ == Cancel::AfterAWheel && !reports.empty() && reports.back().holds);
    }
    void progress(const SearchProgress& progress) override { reports.push_back(progress); }
    std::vector<SearchProgress> reports;

private:
    Cancel cancel_;
};

SearchLimits steps(std::uint64_t count, std::uint64_t seed = 1) {
    SearchLimits limits;
    limits.steps = count;
    limits.seed = seed;
    return limits;
}

TEST(WheelSearch, theSameSeedAndStepsGiveTheSameCheckedWheel) {
    const WheelRequest request{numbersUpTo(12), {}, {3, 4}, std::nullopt};
    TestControl control;
    const Wheel first = searchWheel(request, kLotto, steps(20000), control);
    const Wheel again = searchWheel(request, kLotto, steps(20000), control);
    ASSERT_FALSE(first.tickets.empty()) << first.refusal;
    EXPECT_EQ(first.tickets, again.tickets);
    EXPECT_TRUE(first.check.holds());
    EXPECT_EQ(first.check.ways, 495u);
    EXPECT_LE(first.tickets.size(), 7u);
    EXPECT_EQ(first.needed, 4u);
    for (const WheelTicket& ticket : first.tickets) {
        EXPECT_EQ(ticket.balls.size(), 6u);
        EXPECT_TRUE(std::is_sorted(ticket.balls.begin(), ticket.balls.end()));
    }
}

TEST(WheelSearch, stopsOnceTheWheelIsAsSmallAsTheBound) {
    // 3 if 3 over 8 numbers with tickets of 4: the Steiner system S(3, 4, 8)
    // has the Schönheim bound's 14 tickets.
    const LotteryProfile fourBalls{"Four", 4, 1, 20, 0};
    const WheelRequest request{numbersUpTo(8), {}, {3, 3}, std::nullopt};
    TestControl control;
    const Wheel wheel = searchWheel(request, fourBalls, steps(2'000'000), control);
    EXPECT_EQ(wheel.needed, 14u);
    EXPECT_EQ(wheel.tickets.size(), 14u);
    EXPECT_TRUE(wheel.check.holds());
    EXPECT_LT(wheel.steps, 2'000'000u);
}

TEST(WheelSearch, aTicketLimitKeepsTheWheelSmallAndCoversWhatItCan) {
    WheelRequest request{numbersUpTo(12), {}, {3, 4}, 3};
    TestControl control;
    const Wheel wheel = searchWheel(request, kLotto, steps(20000), control);
    EXPECT_EQ(wheel.tickets.size(), 3u);
    EXPECT_FALSE(wheel.check.holds());
    EXPECT_GT(wheel.check.waysCovered, 495u / 2);
    EXPECT_EQ(checkTexts(wheel.check, 3, wheel.needed)[1], "At least 4 tickets are needed; this wheel has 3");

    // A limit the smallest wheel fits in changes nothing but the start.
    request.ticketLimit = 100;
    EXPECT_TRUE(searchWheel(request, kLotto, steps(20000), control).check.holds());
}

TEST(WheelSearch, aCancelledSearchGivesItsBestCheckedWheelOrSaysItHasNone) {
    const WheelRequest request{numbersUpTo(15), {}, {3, 3}, std::nullopt};
    TestControl lateCancel(TestControl::Cancel::AfterAWheel);
    const Wheel cancelled = searchWheel(request, kLotto, SearchLimits{}, lateCancel);
    EXPECT_TRUE(cancelled.cancelled);
    ASSERT_FALSE(cancelled.tickets.empty());
    EXPECT_TRUE(cancelled.check.holds());
    EXPECT_EQ(cancelled.tickets.size(), lateCancel.reports.back().tickets);

    TestControl earlyCancel(TestControl::Cancel::AtOnce);
    const Wheel none = searchWheel(request, kLotto, SearchLimits{}, earlyCancel);
    EXPECT_TRUE(none.cancelled);
    EXPECT_TRUE(none.tickets.empty());
    EXPECT_EQ(none.refusal, "Cancelled before a wheel was made.");
}

TEST(WheelSearch, keyNumbersAreInEveryTicketAndSmallMatchesNeedNoSearch) {
    TestControl control;
    const WheelRequest withKeys{numbersUpTo(14), {3, 9}, {4, 5}, std::nullopt};
    const Wheel keyed = searchWheel(withKeys, kLotto, steps(20000), control);
    ASSERT_FALSE(keyed.tickets.empty()) << keyed.refusal;
    for (const WheelTicket& ticket : keyed.tickets) {
        EXPECT_TRUE(std::binary_search(ticket.balls.begin(), ticket.balls.end(), 3));
        EXPECT_TRUE(std::binary_search(ticket.balls.begin(), ticket.balls.end(), 9));
    }
    EXPECT_TRUE(keyed.check.holds());
    EXPECT_EQ(keyed.check.ways, 220u);  // the other 3 drawn among the 12 other numbers
    EXPECT_EQ(checkTexts(keyed.check, keyed.tickets.size(), keyed.needed).front(),
              "Checked: 4 if 5 holds for all 220 ways 5 of your 14 numbers can be drawn with the 2 key numbers");

    // 1 if 6 over 20: tickets side by side leave out at most 5 numbers.
    const Wheel oneIfSix = searchWheel({numbersUpTo(20), {}, {1, 6}, std::nullopt}, kLotto, steps(0), control);
    EXPECT_EQ(oneIfSix.tickets.size(), 3u);
    EXPECT_EQ(oneIfSix.needed, 3u);
    EXPECT_TRUE(oneIfSix.check.holds());
    // Two key numbers and 2 if 3: every ticket holds both.
    const Wheel keysOnly = searchWheel({numbersUpTo(10), {1, 2}, {2, 3}, std::nullopt}, kLotto, steps(0), control);
    EXPECT_EQ(keysOnly.tickets.size(), 1u);
    EXPECT_TRUE(keysOnly.check.holds());
    // As many key numbers as balls: the one ticket is the key numbers.
    const Wheel allKeys =
        searchWheel({numbersUpTo(8), {1, 2, 3, 4, 5, 6}, {3, 4}, std::nullopt}, kLotto, steps(0), control);
    ASSERT_EQ(allKeys.tickets.size(), 1u);
    EXPECT_EQ(allKeys.tickets.front().balls, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(allKeys.check.holds());
}

TEST(WheelSearch, refusesWheelsTooLargeAndFullWheelsAboveTheLimit) {
    TestControl control;
    EXPECT_EQ(searchWheel({numbersUpTo(40), {}, {5, 5}, std::nullopt}, kLotto, steps(0), control).refusal,
              "Match 5 if 5 with these numbers needs at least 109,674 tickets; Numora makes at most 10,000. "
              "Choose fewer numbers, or set Tickets at most.");
    const LotteryProfile sevenBalls{"Seven", 7, 1, 64, 0};
    EXPECT_EQ(searchWheel({numbersUpTo(64), {}, {4, 6}, 50}, sevenBalls, steps(0), control).refusal,
              "Match 4 if 6 with 64 numbers is too large to search; choose fewer numbers.");
    // A greedy start would take minutes.
    EXPECT_EQ(searchWheel({numbersUpTo(49), {}, {4, 6}, std::nullopt}, kLotto, steps(0), control).refusal,
              "Match 4 if 6 with 49 numbers is too large to search; choose fewer numbers.");

    const Wheel full = fullWheel({numbersUpTo(8), {}, {3, 6}, std::nullopt}, kLotto);
    EXPECT_EQ(full.tickets.size(), 28u);
    EXPECT_EQ(std::adjacent_find(full.tickets.begin(), full.tickets.end()), full.tickets.end());
    EXPECT_TRUE(full.check.holds());
    EXPECT_EQ(fullWheel({numbersUpTo(20), {}, {3, 6}, std::nullopt}, kLotto).refusal,
              "A full wheel of these numbers has 38,760 tickets; Numora makes at most 10,000.");
}

TEST(WheelSearch, aSplitPoolIsCoveredPartByPart) {
    // 2 if 4 over 20 places: three parts, one of which holds 2 of any 4 drawn.
    const wheels::Design design{20, 6, 2, 4};
    EXPECT_EQ(wheels::splitParts(design), 3);
    // Every pair of a part, one ticket each: wasteful but sound.
    const auto pairs = [&](const wheels::Design& covering) {
        EXPECT_EQ(covering.match, 2);
        EXPECT_EQ(covering.ifDrawn, 2);
        std::vector<wheels::PlaceSet> tickets;
        wheels::forEachSubset(wheels::firstPlaces(covering.points), 2, [&](wheels::PlaceSet pair) {
            for (int place = 0; wheels::sizeOf(pair) < covering.ticketSize; ++place) pair |= wheels::placeBit(place);
            tickets.push_back(pair);
        });
        return tickets;
    };
    const auto part = [&](int size) { return wheels::partCovering(design, size, pairs); };
    const auto sizes = wheels::splitSizes(design, part);
    ASSERT_TRUE(sizes.has_value());
    EXPECT_EQ(std::accumulate(sizes->begin(), sizes->end(), 0), 20);
    // Parts of 6 need one ticket each, so two of them and a part of 8.
    EXPECT_EQ(*sizes, (std::vector<int>{6, 6, 8}));
    const std::vector<wheels::PlaceSet> tickets = wheels::splitWheel(design, *sizes, part);
    EXPECT_EQ(wheels::coveredSetCounts(20, tickets, 2, 4).back(), wheels::choose(20, 4));
    for (const wheels::PlaceSet ticket : tickets) EXPECT_EQ(wheels::sizeOf(ticket), 6);
    EXPECT_FALSE(wheels::splitSizes({20, 6, 3, 4}, part).has_value());
}

}  // namespace
}  // namespace numora
