#pragma once

#include <string>

namespace numora {

// One lottery game. The defaults are the built-in profile, in force until a
// lottery's keys are read: 6 balls from 1 to 49, bonus up to 49, no flags, no
// second drum.
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
    // A second drum (EuroMillions' stars, 6aus49's Superzahl): drum2 numbers
    // drawn without repeats from drum2Min to drum2Max, held in the ball slots
    // after the balls (see BallSlots.h). 0: the lottery has none, and the range
    // is the one a new second drum starts with.
    int drum2 = 0;
    int drum2Min = 1;
    int drum2Max = 12;

    friend bool operator==(const LotteryProfile&, const LotteryProfile&) = default;
};

}  // namespace numora
