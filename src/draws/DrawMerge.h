#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_set>
#include <vector>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora {

// The counts of one CSV import run.
struct ImportCounters {
    std::int32_t imported = 0;  // lines stored, repeated dates included
    std::int32_t repeats = 0;   // lines dated like a stored draw but with other numbers
    std::int32_t skipped = 0;   // lines equal to a stored draw: same date, same numbers

    friend bool operator==(const ImportCounters&, const ImportCounters&) = default;
};

// A draw as the merge walk compares it: each number outside the lottery's
// range replaced by -1 (balls against Min..Max, the slots of a second drum
// against its own range, so that a Superzahl of 0 stays 0; the bonus against
// Min up to the larger of Max and Bonus).
DrawRecord comparedForm(const DrawRecord& draw, const LotteryProfile& profile);

// The order in which a file's draws are merged, given the date of each draw in
// file order (nullopt for a draw without a date): the file's order, except in
// a file that runs newest first (its dates fall from one draw to the next at
// least twice, and more often than they rise), where each run of draws of one
// date is taken in reverse, so that the draws of a day end up oldest first as
// well.
std::vector<std::size_t> mergeOrder(const std::vector<std::optional<std::int32_t>>& dates);

// Merges imported draws into the stored draws by date.
//
// Each new draw walks the stored draws from the first. The walk ends at the
// first draw whose date is not earlier than the new one (dates compare as
// unsigned 32-bit values):
//   - a new draw equal to any stored draw of its date (both in their compared
//     form) is skipped, wherever that draw stands;
//   - same date, other numbers: a repeated date, stored right after that draw
//     and the draws of the same date that directly follow it;
//   - a later date: stored just before that draw.
// A walk that meets no such draw appends. A draw without a date is always
// appended, once, whatever its walk found and counted (it counts as skipped
// when the draw the walk stopped at equals it).
//
// Every draw the walk visits has the numbers of the slots the lottery does not
// play (balls after its ball count and its second drum's numbers, the bonus of
// a lottery without one) that
// lie outside its range replaced by -1, as stored files hold them. The numbers
// it plays are only compared, never changed: a profile whose range was
// narrowed hides them, and widening it again shows them as they were.
//
// The walk visits the draws in order, but the draws are kept in blocks that
// know their earliest and latest date and how far they have been visited, so
// a line costs a step per block and a scan of at most two blocks rather than
// a step per draw, however many stored draws share its date.
//
// The merger holds the draws while it works: the list is empty from
// construction until the merger is destroyed, which puts the merged draws back.
class DrawMerger {
public:
    // A block holds at most blockDraws draws before it is split in two.
    static constexpr std::size_t kBlockDraws = 512;

    DrawMerger(DrawList& draws, const LotteryProfile& profile, std::size_t blockDraws = kBlockDraws);
    ~DrawMerger();
    DrawMerger(const DrawMerger&) = delete;
    DrawMerger& operator=(const DrawMerger&) = delete;

    // Whether the draw was stored.
    bool merge(const DrawRecord& draw, bool dated, ImportCounters& counters);

private:
    struct Block {
        std::vector<DrawRecord> draws;
        // The earliest and latest date in the block, as unsigned.
        std::uint32_t earliest = std::numeric_limits<std::uint32_t>::max();
        std::uint32_t latest = 0;
        std::size_t visited = 0;  // draws [0, visited) already had their unplayed slots cleared

        void findDateRange();
        bool allOfDate(std::uint32_t date) const { return earliest == date && latest == date; }
    };
    struct Place {
        std::size_t block;
        std::size_t index;
    };
    struct DrawHash {
        std::size_t operator()(const DrawRecord& draw) const;
    };

    void clearUnplayed(DrawRecord& draw) const;
    void visitUpTo(Block& block, std::size_t end) const;
    bool walkTo(std::uint32_t date, Place& stop);
    void insertAt(Place place, const DrawRecord& draw);
    void append(const DrawRecord& draw);
    Place afterSameDate(Place stop, std::uint32_t date) const;

    DrawList& list_;
    LotteryProfile profile_;
    std::size_t blockDraws_;
    std::vector<Block> blocks_;
    std::unordered_set<DrawRecord, DrawHash> known_;  // every draw, dated, in its compared form
};

}  // namespace numora
