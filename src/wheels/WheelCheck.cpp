#include "wheels/WheelCheck.h"

#include <algorithm>

#include "wheels/CoverageCount.h"
#include "wheels/Design.h"
#include "wheels/WheelTexts.h"

namespace numora {

namespace {

using wheels::CheckedTicket;
using wheels::PlaceSet;
using wheels::placeBit;

// The ticket's numbers that are among `places`, as place bits.
PlaceSet placesOf(const WheelTicket& ticket, const std::vector<int>& places) {
    PlaceSet set = 0;
    for (const int number : ticket.balls) {
        const auto found = std::lower_bound(places.begin(), places.end(), number);
        if (found != places.end() && *found == number) set |= placeBit(static_cast<int>(found - places.begin()));
    }
    return set;
}

int keysHeld(const WheelTicket& ticket, const std::vector<int>& keys) {
    return static_cast<int>(std::count_if(ticket.balls.begin(), ticket.balls.end(), [&](int number) {
        return std::binary_search(keys.begin(), keys.end(), number);
    }));
}

}  // namespace

WheelCheck checkWheel(const WheelRequest& request, const LotteryProfile& lottery,
                      const std::vector<WheelTicket>& tickets) {
    const Guarantee& guarantee = request.guarantee;
    WheelCheck check{guarantee, static_cast<int>(request.pool.size()), static_cast<int>(request.keys.size())};

    // The ways the guarantee counts: the key numbers are drawn, so a ticket
    // needs as many fewer of the other numbers as it holds key numbers.
    const std::vector<int> places = wheels::placeNumbers(request);
    const int drawnBesideKeys = std::max(guarantee.ifDrawn - check.keyNumbers, 0);
    std::vector<CheckedTicket> checked;
    for (const WheelTicket& ticket : tickets)
        checked.push_back({placesOf(ticket, places), guarantee.match - keysHeld(ticket, request.keys)});
    const int placeCount = static_cast<int>(places.size());
    check.ways = wheels::choose(placeCount, drawnBesideKeys);
    check.waysCovered = wheels::coveredSetCounts(placeCount, checked, drawnBesideKeys).back();

    // Every draw: its pool numbers decide, whatever else is drawn.
    const int numbers = lottery.max - lottery.min + 1;
    const int poolSize = check.poolNumbers;
    std::vector<PlaceSet> poolTickets;
    for (const WheelTicket& ticket : tickets) poolTickets.push_back(placesOf(ticket, request.pool));
    const int drawnFromPool = std::min(lottery.balls, poolSize);
    const std::vector<std::uint64_t> covered =
        wheels::coveredSetCounts(poolSize, poolTickets, guarantee.match, drawnFromPool);
    check.draws = wheels::choose(numbers, lottery.balls);
    for (int fromPool = 0; fromPool <= drawnFromPool; ++fromPool) {
        check.drawsMatched += covered[static_cast<std::size_t>(fromPool)] *
                              wheels::choose(numbers - poolSize, lottery.balls - fromPool);
    }
    return check;
}

std::uint64_t ticketsNeeded(const WheelRequest& request, const LotteryProfile& lottery) {
    return wheels::lowerBound(wheels::designOf(request, lottery.balls));
}

std::vector<std::string> checkTexts(const WheelCheck& check, std::size_t tickets, std::uint64_t needed) {
    using namespace wheeltexts;
    const std::string match = numberText(check.guarantee.match);
    const std::string ifDrawn = numberText(check.guarantee.ifDrawn);
    const std::string pool = numberText(check.poolNumbers);
    const std::string keys = check.keyNumbers == 0   ? std::string()
                             : check.keyNumbers == 1 ? std::string(kWithKey)
                                                     : fillIn(kWithKeys, {numberText(check.keyNumbers)});
    const std::string checked =
        check.holds() ? fillIn(kHoldsForAll, {match, ifDrawn, countText(check.ways), ifDrawn, pool, keys})
                      : fillIn(kHoldsForSome, {match, ifDrawn, countText(check.waysCovered), countText(check.ways),
                                               ifDrawn, pool, keys, shareText(check.waysCovered, check.ways)});
    return {checked, fillIn(kTicketsNeeded, {countText(needed), countText(tickets)}),
            fillIn(kDrawsMatched, {match, countText(check.drawsMatched), countText(check.draws),
                                   shareText(check.drawsMatched, check.draws)})};
}

}  // namespace numora
