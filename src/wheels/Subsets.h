#pragma once

#include <bit>
#include <cstdint>

namespace numora::wheels {

// A set of pool places 0 to 63 as the bits of a word: a ticket, a drawn set.
using PlaceSet = std::uint64_t;

inline constexpr int kMostPlaces = 64;
// The largest subset size the tables count; a ticket has at most 7 numbers.
inline constexpr int kLargestSubset = 8;
inline constexpr int kLargestCounted = 128;

inline int sizeOf(PlaceSet set) { return std::popcount(set); }
inline PlaceSet placeBit(int place) { return PlaceSet{1} << place; }
// The places above `place`.
inline PlaceSet placesAbove(int place) { return place >= kMostPlaces - 1 ? 0 : ~PlaceSet{0} << (place + 1); }
// Places 0 to count - 1.
inline PlaceSet firstPlaces(int count) { return count >= kMostPlaces ? ~PlaceSet{0} : placeBit(count) - 1; }

// C(n, r), exact for n up to 128 and r up to 8; 0 when r < 0 or r > n.
std::uint64_t choose(int n, int r);

// The place of a set among all sets of its size, counted in colex order:
// the sum of C(e_i, i + 1) over its places e_0 < e_1 < ...
std::uint64_t subsetRank(PlaceSet set);
// The set of `size` places with this rank.
PlaceSet subsetOfRank(std::uint64_t rank, int size);

// Calls visit(subset) for every subset of `size` places of `from`.
template <typename Visit>
void forEachSubset(PlaceSet from, int size, Visit&& visit) {
    if (size == 0) {
        visit(PlaceSet{0});
        return;
    }
    if (sizeOf(from) < size) return;
    int places[kMostPlaces];
    int count = 0;
    for (PlaceSet rest = from; rest != 0; rest &= rest - 1) places[count++] = std::countr_zero(rest);
    // Indexes into places, kept ascending; the last moves fastest.
    int chosen[kMostPlaces];
    for (int i = 0; i < size; ++i) chosen[i] = i;
    for (;;) {
        PlaceSet subset = 0;
        for (int i = 0; i < size; ++i) subset |= placeBit(places[chosen[i]]);
        visit(subset);
        int i = size - 1;
        while (i >= 0 && chosen[i] == count - size + i) --i;
        if (i < 0) return;
        ++chosen[i];
        for (int j = i + 1; j < size; ++j) chosen[j] = chosen[j - 1] + 1;
    }
}

}  // namespace numora::wheels
