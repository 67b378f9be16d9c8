// Wheels: the search for the designs of the covering-design literature, each
// beside the greedy construction it starts from, and the exhaustive check of
// 6/49 wheels over all 13,983,816 draws beside a plain count of every draw.
#include <benchmark/benchmark.h>

#include <bit>
#include <limits>
#include <numeric>
#include <random>

#include "wheels/CoverState.h"
#include "wheels/GreedyWheel.h"
#include "wheels/SplitWheel.h"
#include "wheels/Subsets.h"
#include "wheels/WheelSearch.h"

namespace {

using namespace numora;

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 0};

// A covering or lotto design, and the most tickets its search may give.
struct Target {
    int pool;
    int match;
    int ifDrawn;
    int mostTickets;
    double seconds;
};

// C(v, 6, t) from the literature's tables of best known sizes, and 2 if 6
// over all 49 numbers.
constexpr Target kTargets[] = {
    {10, 4, 4, 20, 10}, {12, 3, 3, 15, 10}, {13, 3, 3, 21, 10},  {15, 3, 3, 31, 10}, {12, 4, 4, 41, 10},
    {9, 5, 5, 30, 10},  {10, 5, 5, 50, 10}, {12, 5, 5, 132, 10}, {49, 2, 6, 19, 60},
};

WheelRequest requestFor(const Target& target) {
    WheelRequest request;
    request.pool.resize(static_cast<std::size_t>(target.pool));
    std::iota(request.pool.begin(), request.pool.end(), 1);
    request.guarantee = {target.match, target.ifDrawn};
    return request;
}

class Quiet : public SearchControl {
public:
    bool cancelled() override { return false; }
    void progress(const SearchProgress&) override {}
};

// The search with its default time (60 s for 2 if 6 over 49) and seed.
void wheelSearch(benchmark::State& state, Target target) {
    Quiet quiet;
    SearchLimits limits;
    limits.seconds = target.seconds;
    Wheel wheel;
    for (auto _ : state) wheel = searchWheel(requestFor(target), kLotto, limits, quiet);
    state.counters["tickets"] = static_cast<double>(wheel.tickets.size());
    state.counters["target"] = target.mostTickets;
    state.counters["bound"] = static_cast<double>(wheel.needed);
    state.counters["holds"] = wheel.check.holds();
    state.counters["seconds_to_best"] = wheel.secondsToBest;
    if (wheel.tickets.size() > static_cast<std::size_t>(target.mostTickets) || !wheel.check.holds())
        state.SkipWithError("more tickets than the best known");
}

std::vector<wheels::PlaceSet> greedyTickets(const wheels::Design& design) {
    wheels::CoverState cover(design);
    wheels::addGreedyTickets(cover, std::numeric_limits<std::size_t>::max(), [] { return false; });
    return cover.tickets();
}

// Its baseline: the greedy construction of the same set. A design too large
// for a greedy search of its own (2 if 6 over 49) is split as the search
// splits it, with a greedy covering design for each part.
void wheelGreedy(benchmark::State& state, Target target) {
    const wheels::Design design{target.pool, kLotto.balls, target.match, target.ifDrawn};
    std::size_t tickets = 0;
    for (auto _ : state) {
        if (wheels::CoverState::fits(design)) {
            tickets = greedyTickets(design).size();
            continue;
        }
        const auto part = [&](int size) { return wheels::partCovering(design, size, greedyTickets); };
        tickets = wheels::splitWheel(design, wheels::splitSizes(design, part).value(), part).size();
    }
    state.counters["tickets"] = static_cast<double>(tickets);
    state.counters["target"] = target.mostTickets;
}

void registerSearches() {
    for (const Target& target : kTargets) {
        const std::string name = std::to_string(target.pool) + "_" + std::to_string(target.match) + "if" +
                                 std::to_string(target.ifDrawn);
        benchmark::RegisterBenchmark(("wheelSearch/" + name).c_str(), wheelSearch, target)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("wheelGreedy/" + name).c_str(), wheelGreedy, target)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

// 6/49 wheels to check: the 2 if 6 wheel the search makes, and 500 tickets
// of a random pool-wide wheel checked for 5 if 6, where hardly any draw is
// covered, so that almost nothing is counted at once.
std::vector<WheelTicket> randomTickets(int count) {
    std::mt19937 random(1);
    std::vector<WheelTicket> tickets;
    for (int made = 0; made < count; ++made) {
        std::vector<int> numbers(49);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        numbers.resize(6);
        std::sort(numbers.begin(), numbers.end());
        tickets.push_back({numbers});
    }
    return tickets;
}

struct CheckCase {
    Guarantee guarantee;
    std::vector<WheelTicket> tickets;
};

CheckCase checkCase(int which) {
    if (which == 0) {
        Quiet quiet;
        SearchLimits limits;
        limits.seconds = 60;
        return {{2, 6}, searchWheel(requestFor(kTargets[8]), kLotto, limits, quiet).tickets};
    }
    return {{5, 6}, randomTickets(500)};
}

void wheelCheck(benchmark::State& state) {
    const CheckCase checked = checkCase(static_cast<int>(state.range(0)));
    WheelRequest request = requestFor(kTargets[8]);
    request.guarantee = checked.guarantee;
    WheelCheck check;
    for (auto _ : state) check = checkWheel(request, kLotto, checked.tickets);
    state.counters["draws"] = static_cast<double>(check.draws);
    state.counters["matched"] = static_cast<double>(check.drawsMatched);
}
BENCHMARK(wheelCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Its baseline: every draw of 6 from 49 against every ticket.
void wheelCheckEveryDraw(benchmark::State& state) {
    const CheckCase checked = checkCase(static_cast<int>(state.range(0)));
    std::vector<wheels::PlaceSet> tickets;
    for (const WheelTicket& ticket : checked.tickets) {
        wheels::PlaceSet set = 0;
        for (const int number : ticket.balls) set |= wheels::placeBit(number - 1);
        tickets.push_back(set);
    }
    std::uint64_t matched = 0;
    for (auto _ : state) {
        matched = 0;
        wheels::forEachSubset(wheels::firstPlaces(49), 6, [&](wheels::PlaceSet draw) {
            for (const wheels::PlaceSet ticket : tickets) {
                if (std::popcount(draw & ticket) >= checked.guarantee.match) {
                    ++matched;
                    return;
                }
            }
        });
    }
    state.counters["matched"] = static_cast<double>(matched);
}
BENCHMARK(wheelCheckEveryDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

const bool kRegistered = (registerSearches(), true);

}  // namespace
