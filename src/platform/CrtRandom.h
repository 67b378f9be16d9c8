#pragma once

#include <cstdint>

namespace numora {

// The classic C-runtime generator, so the same seed gives the same picks on
// every platform: state = state * 214013 + 2531011 (mod 2^32), and each draw
// is bits 16 to 30 of the new state (0 to 32767).
class CrtRandom {
public:
    static constexpr int kMax = 0x7FFF;

    explicit CrtRandom(std::uint32_t seed = 1) : state_(seed) {}
    void srand(std::uint32_t seed) { state_ = seed; }
    int rand() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

}  // namespace numora
