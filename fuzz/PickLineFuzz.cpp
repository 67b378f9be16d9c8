// A pick-list line is read back from any text; a line of ball numbers (0 to
// 99), a second drum's numbers among them, written as the pick list writes it
// reads back as the same numbers.

#include "FuzzCheck.h"
#include "picking/LineText.h"
#include "settings/BallSlots.h"

namespace {

constexpr int kHighestBall = 99;

bool isBall(int number) { return number >= 0 && number <= kHighestBall; }

// Every kind of lottery, chosen by the input's length so that the text itself
// stays as the corpus holds it.
numora::LotteryProfile profileFor(std::size_t size) {
    numora::LotteryProfile profile;
    profile.balls = 3 + static_cast<int>(size % 5);
    profile.powerBall = (size / 5) % 2 == 1;
    profile.showBonus = (size / 10) % 2 == 1;
    profile.drum2 = std::min(static_cast<int>((size / 20) % 3), numora::kBallSlots - profile.balls);
    profile.drum2Min = 0;
    return profile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    const LotteryProfile profile = profileFor(size);
    const auto read = readLineText(fuzz::bytesOf(data, size), profile);
    if (!read) return 0;

    PickedLine line = *read;
    const bool showsBonus = profile.powerBall || profile.showBonus;
    for (int slot = 0; slot < slotsInPlay(profile); ++slot) {
        if (!isBall(line.slots[static_cast<std::size_t>(slot)])) return 0;
    }
    if (showsBonus && !isBall(line.bonus)) return 0;
    const auto again = readLineText(makeLineText(line, profile), profile);
    fuzz::check(again.has_value(), "a written pick line is a pick");
    fuzz::check(*again == line, "a written pick line reads back as the same numbers");
    return 0;
}
