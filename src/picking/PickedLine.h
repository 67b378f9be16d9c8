#pragma once

#include <array>
#include <string_view>

namespace numora {

// The numbers of one pick: seven line slots (s1 to s7) and a bonus slot, each
// a ball number or -1 for an empty slot. Only s1 to s(Balls) belong to the
// shown line; an analysed line that was not sorted still holds the rest of its
// candidate in the slots past Balls.
struct PickedLine {
    static constexpr int kSlotCount = 7;
    static constexpr int kEmpty = -1;

    std::array<int, kSlotCount> slots{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
    int bonus = kEmpty;

    friend bool operator==(const PickedLine&, const PickedLine&) = default;
};

// A line, or why the lottery's profile does not allow one. refusal is empty
// when the line was made; it names a constant text, so a refusal allocates
// nothing either.
struct PickResult {
    PickedLine line;
    std::string_view refusal;

    bool refused() const { return !refusal.empty(); }
};

}  // namespace numora
