#include <gtest/gtest.h>

#include "platform/CrtRandom.h"

namespace numora {

TEST(CrtRandom, seedOneGivesTheClassicSequence) {
    CrtRandom random;
    random.srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(random.rand(), value);
}

}  // namespace numora
