#include "wheels/SearchClock.h"

#include <algorithm>

namespace numora::wheels {

namespace {
constexpr auto kReportEvery = std::chrono::milliseconds(50);
}  // namespace

SearchClock::SearchClock(const SearchLimits& limits, SearchControl& control)
    : limits_(limits), control_(control), start_(std::chrono::steady_clock::now()), lastReport_(start_) {}

bool SearchClock::cancelled() {
    if (!cancelled_) cancelled_ = control_.cancelled();
    return cancelled_;
}

bool SearchClock::mustStop() { return cancelled() || (!limits_.steps && elapsedSeconds() >= limits_.seconds); }

double SearchClock::elapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

double SearchClock::done(std::uint64_t steps) const {
    if (limits_.steps) return *limits_.steps == 0 ? 1.0 : static_cast<double>(steps) / static_cast<double>(*limits_.steps);
    return limits_.seconds <= 0 ? 1.0 : elapsedSeconds() / limits_.seconds;
}

void SearchClock::report(std::uint64_t steps, std::size_t tickets, bool holds) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastReport_ < kReportEvery) return;
    lastReport_ = now;
    control_.progress({std::clamp(done(steps), 0.0, 1.0), tickets, holds});
}

}  // namespace numora::wheels
