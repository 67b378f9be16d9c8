#pragma once

#include "platform/CrtRandom.h"

namespace numora {

// A draw in [low, high]: rand() mod (high - low + 1) + low, with the
// remainder of the signed division. high must not be below low.
inline int drawBetween(CrtRandom& random, int low, int high) { return random.rand() % (high - low + 1) + low; }

}  // namespace numora
