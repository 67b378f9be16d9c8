#include "draws/DrawStats.h"

#include <algorithm>
#include <array>

#include "settings/BallSlots.h"
#include "settings/ProfileLimits.h"

namespace numora {

namespace {
// The numbers a profile the editor accepts can hold.
constexpr int kLowestCounted = kLowestBallLimits.lowest;
constexpr int kHighestCounted = kHighestBallLimits.highest;
constexpr int kAlwaysCountedBalls = 3;

// How often each number of a range was counted; only numbers 0 to 99 count.
class FrequencyTable {
public:
    explicit FrequencyTable(NumberRange range)
        : low_(std::max(range.low, kLowestCounted)), high_(std::min(range.high, kHighestCounted)) {}

    void count(std::int32_t value) {
        if (value >= low_ && value <= high_) ++counts_[static_cast<std::size_t>(value)];
    }

    std::vector<NumberFrequency> rows() const {
        std::vector<NumberFrequency> rows;
        for (int number = low_; number <= high_; ++number) {
            rows.push_back({number, counts_[static_cast<std::size_t>(number)]});
        }
        return rows;
    }

private:
    int low_;
    int high_;
    std::array<std::int32_t, kHighestCounted + 1> counts_{};
};

}  // namespace

DrawStatistics countDrawNumbers(const DrawList& draws, const LotteryProfile& profile) {
    FrequencyTable main(mainRange(profile));
    FrequencyTable second(secondDrumRange(profile));
    DrawStatistics statistics;
    for (const DrawRecord& draw : draws) {
        for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
            if (ball <= kAlwaysCountedBalls || profile.balls >= ball) {
                main.count(draw.ball(ball));
            } else if (slotDrum(profile, ball) == SlotDrum::Second) {
                second.count(draw.ball(ball));
            }
        }
        if (profile.bonus > 0) main.count(draw.bonus);
        ++statistics.records;
    }
    statistics.rows = main.rows();
    if (hasSecondDrum(profile)) statistics.secondDrum = second.rows();
    return statistics;
}

}  // namespace numora
