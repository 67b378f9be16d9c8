#pragma once

#include <time.h>

#include <functional>

namespace numora::bench {

// The processor time the work takes on this thread: on a machine shared with
// other work, wall time would measure the others too.
inline double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double secondsOf(const std::function<void()>& work) {
    const double start = threadSeconds();
    work();
    return threadSeconds() - start;
}

}  // namespace numora::bench
