#include "wheels/WheelRequest.h"

#include <algorithm>

#include "settings/ProfileLimits.h"
#include "wheels/WheelTexts.h"

namespace numora {

namespace {

bool within(int value, ProfileFieldLimits limits) { return value >= limits.lowest && value <= limits.highest; }

std::string guaranteeProblem(const Guarantee& guarantee, int balls) {
    using namespace wheeltexts;
    const int match = guarantee.match;
    const int ifDrawn = guarantee.ifDrawn;
    const std::string matchText = numberText(guarantee.match);
    const std::string ifText = numberText(guarantee.ifDrawn);
    if (match < 1) return fillIn(kMatchTooSmall, {matchText, ifText});
    if (match > ifDrawn) return fillIn(kMatchAboveIf, {matchText, ifText});
    if (ifDrawn > balls) return fillIn(kIfAboveBalls, {matchText, ifText, numberText(balls)});
    return {};
}

}  // namespace

std::string wheelRequestProblem(const WheelRequest& request, const LotteryProfile& lottery) {
    using namespace wheeltexts;
    if (lottery.repeat) return kRepeatingLottery;
    if (!within(lottery.balls, kBallsLimits) || !within(lottery.min, kLowestBallLimits) ||
        !within(lottery.max, kHighestBallLimits) || lottery.max - lottery.min + 1 <= lottery.balls) {
        return kProfileOutOfRange;
    }
    for (const int number : request.pool) {
        if (number < lottery.min || number > lottery.max)
            return fillIn(kNumberOutOfRange, {numberText(number), numberText(lottery.min), numberText(lottery.max)});
    }
    const int poolSize = static_cast<int>(request.pool.size());
    if (poolSize < lottery.balls + 1)
        return fillIn(kPoolTooSmall, {numberText(lottery.balls + 1), numberText(lottery.balls), numberText(poolSize)});
    if (poolSize > kMostPoolNumbers) return fillIn(kPoolTooLarge, {numberText(kMostPoolNumbers), numberText(poolSize)});
    for (const int key : request.keys) {
        if (!std::binary_search(request.pool.begin(), request.pool.end(), key))
            return fillIn(kKeyNotInPool, {numberText(key)});
    }
    const int keyCount = static_cast<int>(request.keys.size());
    if (keyCount > lottery.balls)
        return fillIn(kTooManyKeys, {numberText(lottery.balls), numberText(lottery.balls), numberText(keyCount)});
    if (std::string problem = guaranteeProblem(request.guarantee, lottery.balls); !problem.empty()) return problem;
    if (request.ticketLimit && (*request.ticketLimit < 1 || *request.ticketLimit > kMostTickets))
        return fillIn(kTicketLimitOutOfRange, {countText(kMostTickets)});
    return {};
}

}  // namespace numora
