#pragma once

#include <string>

namespace numora {

// One lottery game. The defaults are the built-in profile, in force until a
// lottery's keys are read: 6 balls from 1 to 49, bonus up to 49, no flags.
struct LotteryProfile {
    std::string name;
    int balls = 6;
    int min = 1;
    int max = 49;
    int bonus = 49;  // highest bonus or PowerBall number; 0: the lottery has no bonus
    bool repeat = false;
    bool sort = false;
    bool powerBall = false;
    bool showBonus = false;

    friend bool operator==(const LotteryProfile&, const LotteryProfile&) = default;
};

}  // namespace numora
