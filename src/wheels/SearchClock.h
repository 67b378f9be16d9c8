#pragma once

#include <chrono>
#include <cstdint>

#include "wheels/WheelSearch.h"

namespace numora::wheels {

// A search's time, step limit and cancelling, and its progress reports.
class SearchClock {
public:
    SearchClock(const SearchLimits& limits, SearchControl& control);

    // Whether the user cancelled; once true, it stays true.
    bool cancelled();
    // Whether the search must stop now: cancelled, or out of time when it
    // has no step limit.
    bool mustStop();
    double elapsedSeconds() const;
    // Reports progress, at most every so often.
    void report(std::uint64_t steps, std::size_t tickets, bool holds);

private:
    double done(std::uint64_t steps) const;

    const SearchLimits& limits_;
    SearchControl& control_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastReport_;
    bool cancelled_ = false;
};

}  // namespace numora::wheels
