#include "wheels/Subsets.h"

#include <array>

namespace numora::wheels {

namespace {

using ChooseTable = std::array<std::array<std::uint64_t, kLargestSubset + 1>, kLargestCounted + 1>;

ChooseTable makeChooseTable() {
    ChooseTable table{};
    for (int n = 0; n <= kLargestCounted; ++n) {
        table[static_cast<std::size_t>(n)][0] = 1;
        for (int r = 1; r <= kLargestSubset && r <= n; ++r) {
            table[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] =
                table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(r - 1)] +
                table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(r)];
        }
    }
    return table;
}

const ChooseTable& chooseTable() {
    static const ChooseTable table = makeChooseTable();
    return table;
}

}  // namespace

std::uint64_t choose(int n, int r) {
    if (r < 0 || n < 0 || r > n) return 0;
    if (r > n - r && n - r <= kLargestSubset) r = n - r;
    if (n > kLargestCounted || r > kLargestSubset) return 0;
    return chooseTable()[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
}

std::uint64_t subsetRank(PlaceSet set) {
    const ChooseTable& table = chooseTable();
    std::uint64_t rank = 0;
    std::size_t index = 1;
    for (; set != 0; set &= set - 1, ++index) rank += table[static_cast<std::size_t>(std::countr_zero(set))][index];
    return rank;
}

PlaceSet subsetOfRank(std::uint64_t rank, int size) {
    PlaceSet set = 0;
    int place = kMostPlaces;
    for (int index = size; index >= 1; --index) {
        do {
            --place;
        } while (choose(place, index) > rank);
        rank -= choose(place, index);
        set |= placeBit(place);
    }
    return set;
}

}  // namespace numora::wheels
