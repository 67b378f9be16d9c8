#pragma once

#include <algorithm>

#include "settings/LotteryProfile.h"
#include "settings/ProfileLimits.h"

namespace numora {

// Which drum the number in a ball slot of a draw or a line comes from. A draw
// record and a picked line have seven ball slots: the lottery's balls fill
// slots 1 to Balls, the numbers of its second drum the slots after them
// (Balls+1 to Balls+Drum2), and the slots past those are not in play.
enum class SlotDrum { Main, Second, NotInPlay };

// The numbers from low to high.
struct NumberRange {
    int low = 0;
    int high = -1;

    bool holds(int number) const { return number >= low && number <= high; }
    int size() const { return high < low ? 0 : high - low + 1; }

    friend bool operator==(const NumberRange&, const NumberRange&) = default;
};

inline bool hasSecondDrum(const LotteryProfile& profile) { return profile.drum2 > 0; }

// The second drum's numbers, 0 for a lottery without one.
inline int secondDrumNumbers(const LotteryProfile& profile) { return hasSecondDrum(profile) ? profile.drum2 : 0; }

// The slots in play: the balls and the second drum's numbers.
inline int slotsInPlay(const LotteryProfile& profile) { return profile.balls + secondDrumNumbers(profile); }

// The drum of ball slot `ball`, counted from 1.
inline SlotDrum slotDrum(const LotteryProfile& profile, int ball) {
    if (ball <= profile.balls) return SlotDrum::Main;
    return ball <= slotsInPlay(profile) ? SlotDrum::Second : SlotDrum::NotInPlay;
}

// The second drum's slots as indexes from 0 (slot Balls+1 has index Balls),
// [first, end), kept within the seven slots whatever a hand-edited profile says.
struct SlotIndexes {
    int first = 0;
    int end = 0;
};

inline SlotIndexes secondDrumIndexes(const LotteryProfile& profile) {
    const int first = std::clamp(profile.balls, 0, kBallSlots);
    return {first, std::clamp(slotsInPlay(profile), first, kBallSlots)};
}

inline NumberRange mainRange(const LotteryProfile& profile) { return {profile.min, profile.max}; }
inline NumberRange secondDrumRange(const LotteryProfile& profile) { return {profile.drum2Min, profile.drum2Max}; }

// The range a slot's number is compared with: the second drum's for its
// slots, the main balls' for every other slot (the slots not in play too, as
// stored draws hold them).
inline NumberRange slotRange(const LotteryProfile& profile, int ball) {
    return slotDrum(profile, ball) == SlotDrum::Second ? secondDrumRange(profile) : mainRange(profile);
}

}  // namespace numora
