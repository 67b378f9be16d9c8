#pragma once

#include <array>
#include <cstdint>

namespace numora {

// One past draw: its date (seconds since 1970, from a local calendar date)
// and eight numbers. Balls beyond the lottery's ball count hold 0 when typed
// in, -1 after a CSV import; a bonus of 0 means the draw has no bonus.
struct DrawRecord {
    std::int32_t date = 0;
    std::int32_t ball1 = 0;
    std::int32_t ball2 = 0;
    std::int32_t ball3 = 0;
    std::int32_t ball4 = 0;
    std::int32_t ball5 = 0;
    std::int32_t ball6 = 0;
    std::int32_t ball7 = 0;
    std::int32_t bonus = 0;

    static constexpr int kBallCount = 7;
    // The eight number fields: ball1 to ball7, then bonus (index 0 to 7).
    static constexpr int kNumberCount = 8;

    std::int32_t& number(int index) { return this->*kNumbers[static_cast<std::size_t>(index)]; }
    std::int32_t number(int index) const { return this->*kNumbers[static_cast<std::size_t>(index)]; }
    // Ball n, from 1 to 7.
    std::int32_t& ball(int n) { return number(n - 1); }
    std::int32_t ball(int n) const { return number(n - 1); }

    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;

private:
    static constexpr std::array<std::int32_t DrawRecord::*, kNumberCount> kNumbers = {
        &DrawRecord::ball1, &DrawRecord::ball2, &DrawRecord::ball3, &DrawRecord::ball4,
        &DrawRecord::ball5, &DrawRecord::ball6, &DrawRecord::ball7, &DrawRecord::bonus};
};

}  // namespace numora
