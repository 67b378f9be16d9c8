#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/LotteryProfile.h"

namespace numora {

// The eight numbers typed into the Past Draws window: balls 1 to 7 at index
// 0 to 6, the bonus or PowerBall number at index 7 (the order of
// DrawRecord::number).
using EnteredDraw = std::array<std::int32_t, 8>;

inline constexpr int kBonusBox = 7;

// Why an entered draw was refused: the message to show, the box (an index of
// EnteredDraw) that gets the focus, and whether that box is set back to 0.
struct DrawCheckFailure {
    std::string message;
    int box = 0;
    bool resetBox = true;

    friend bool operator==(const DrawCheckFailure&, const DrawCheckFailure&) = default;
};

// Checks a draw against the lottery's profile before it is added or
// inserted; nullopt when the draw is accepted, otherwise the first check that
// failed. The lower checks compare with the profile's lowest ball; the order
// and repeated-bonus checks apply only to a lottery that sorts its numbers and
// does not allow repeats. The boxes of a second drum's numbers (after the
// balls) are checked after the balls and the bonus: each within the second
// drum's range and none twice, whatever the flags; they take no part in the
// balls' checks.
std::optional<DrawCheckFailure> checkEnteredDraw(const EnteredDraw& numbers, const LotteryProfile& profile);

}  // namespace numora
