#pragma once

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

using LineSlots = std::array<int, PickedLine::kSlotCount>;

// The lines already in the pick list, which a new line must not repeat. A
// line is its first Balls numbers, in any order: the slots past Balls and
// the bonus play no part.
class TakenLines {
public:
    // None.
    TakenLines() = default;
    explicit TakenLines(int balls);

    // The pick lines of a pick list's texts, read back as the list reads
    // them; the lines that are no picks are passed over.
    static TakenLines fromListLines(const std::vector<std::string>& lines, const LotteryProfile& profile);

    void add(const LineSlots& slots);
    bool holds(const LineSlots& slots) const;
    bool empty() const { return keys_.empty(); }
    std::size_t size() const { return keys_.size(); }

private:
    // The first Balls numbers and -1 for each slot past them, in ascending
    // order: the same for every order of the same numbers.
    LineSlots keyOf(const LineSlots& slots) const;

    int balls_ = 0;
    std::set<LineSlots> keys_;
};

}  // namespace numora
