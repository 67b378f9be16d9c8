#include "draws/DrawStats.h"

#include <algorithm>
#include <array>

#include "settings/ProfileLimits.h"

namespace numora {

namespace {
// The numbers a profile the editor accepts can hold.
constexpr int kLowestCounted = kLowestBallLimits.lowest;
constexpr int kHighestCounted = kHighestBallLimits.highest;
constexpr int kAlwaysCountedBalls = 3;
}  // namespace

DrawStatistics countDrawNumbers(const DrawList& draws, const LotteryProfile& profile) {
    const int low = std::max(profile.min, kLowestCounted);
    const int high = std::min(profile.max, kHighestCounted);
    std::array<std::int32_t, kHighestCounted + 1> counts{};
    const auto count = [&](std::int32_t value) {
        if (value >= low && value <= high) ++counts[static_cast<std::size_t>(value)];
    };

    DrawStatistics statistics;
    for (const DrawRecord& draw : draws) {
        for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
            if (ball <= kAlwaysCountedBalls || profile.balls >= ball) count(draw.ball(ball));
        }
        if (profile.bonus > 0) count(draw.bonus);
        ++statistics.records;
    }
    for (int number = low; number <= high; ++number) {
        statistics.rows.push_back({number, counts[static_cast<std::size_t>(number)]});
    }
    return statistics;
}

}  // namespace numora
