#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "wheels/Design.h"

namespace numora::wheels {

// How many parts a lotto design's places can be split into so that, whatever
// is drawn, some part holds `match` of the drawn places: with `parts` parts of
// at most match - 1 drawn places each, fewer than ifDrawn are drawn. 0 or 1
// when a split does not help.
int splitParts(const Design& design);

// The covering design ("T if T") for a part of `size` places, numbered from 0.
using PartTickets = std::function<std::vector<PlaceSet>(int size)>;

// The sizes of splitParts(design) parts, about equal, whose covering designs
// together have the fewest tickets; nullopt when the design cannot be split.
std::optional<std::vector<int>> splitSizes(const Design& design, const PartTickets& tickets);

// A lotto design made of covering designs: the places split into runs of
// consecutive places of these sizes, each run covered by its own design.
std::vector<PlaceSet> splitWheel(const Design& design, const std::vector<int>& sizes, const PartTickets& tickets);

// The covering design of a part: none below `match` places, one ticket up to
// a ticket's size, else what `search` makes of {size, ticketSize, match, match}.
std::vector<PlaceSet> partCovering(const Design& design, int size,
                                   const std::function<std::vector<PlaceSet>(const Design&)>& search);

}  // namespace numora::wheels
