#pragma once

#include <initializer_list>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora::testing {

// A lottery without Repeat and Sort; the bonus flags as given.
inline LotteryProfile lotteryProfile(int balls, int min, int max, int bonus = 0, bool powerBall = false,
                                     bool showBonus = false) {
    return {"", balls, min, max, bonus, false, false, powerBall, showBonus};
}

// A draw on a date with its balls (ball1 onwards) and bonus.
inline DrawRecord drawOf(std::int32_t date, std::initializer_list<int> balls, int bonus = 0) {
    DrawRecord draw{date};
    int ball = 1;
    for (const int number : balls) draw.ball(ball++) = number;
    draw.bonus = bonus;
    return draw;
}

// Past draws of six balls from 1 to 49 and a bonus, spread over the range.
// Only the draws at positions 2 and 3 hold a pair of consecutive numbers, so
// with pattern prediction a candidate line with a step gains much.
inline DrawList sampleDraws(int count) {
    DrawList draws;
    for (int i = 0; i < count; ++i) {
        DrawRecord draw;
        for (int n = 1; n <= 6; ++n) draw.ball(n) = (i * 7 + n * 5) % 49 + 1;
        if (i == 2 || i == 3) draw.ball2 = draw.ball1 + 1;
        draw.bonus = i % 49 + 1;
        draws.append(draw);
    }
    return draws;
}

}  // namespace numora::testing
