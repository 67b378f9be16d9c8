#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "wheels/Design.h"

namespace numora::wheels {

// The tickets of a covering design ("T if T") of `points` places, as a
// search makes them.
using CoveringSearch = std::function<std::vector<PlaceSet>(const Design& covering)>;

// How many parts a lotto design's places can be split into so that, whatever
// is drawn, some part holds `match` of the drawn places: with `parts` parts of
// at most match - 1 drawn places each, fewer than ifDrawn are drawn. 0 or 1
// when a split does not help.
int splitParts(const Design& design);

// A lotto design made of covering designs: the places split into
// splitParts(design) runs of consecutive places, each run covered by a
// covering design ("T if T") of its own, the sizes of the runs chosen so that
// the tickets are fewest. nullopt when the design cannot be split.
std::optional<std::vector<PlaceSet>> splitWheel(const Design& design, const CoveringSearch& search);

}  // namespace numora::wheels
