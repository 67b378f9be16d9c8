#pragma once

#include <cstdint>

namespace numora::wheels {

// The search's own generator (xoshiro256**, seeded through splitmix64): the
// same seed gives the same numbers on every platform, so the same seed and
// the same number of steps give the same wheel.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15u;
            std::uint64_t mixed = seed;
            mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
            mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
            word = mixed ^ (mixed >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotate(state_[3], 45);
        return result;
    }

    // A whole number from 0 to count - 1 (count from 1 to 2^32).
    std::uint32_t below(std::uint64_t count) {
        return static_cast<std::uint32_t>(((next() >> 32) * count) >> 32);
    }

    // A number from 0 up to 1, not 1.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t rotate(std::uint64_t word, int by) { return (word << by) | (word >> (64 - by)); }

    std::uint64_t state_[4];
};

}  // namespace numora::wheels
