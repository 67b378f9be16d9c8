#pragma once

#include "draws/DrawList.h"
#include "picking/RandomDraw.h"
#include "platform/CrtRandom.h"

namespace numora::bench {

// Past draws of a 6/49 lottery with a bonus, the same on every run.
inline DrawList pastDraws(int count) {
    CrtRandom random(2024);
    DrawList draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        DrawRecord draw;
        draw.date = i * 86400;
        for (int n = 1; n <= 6; ++n) draw.ball(n) = drawBetween(random, 1, 49);
        draw.bonus = drawBetween(random, 1, 49);
        draws.append(draw);
    }
    return draws;
}

}  // namespace numora::bench
