#include "wheels/CoverageCount.h"

#include <algorithm>
#include <map>

namespace numora::wheels {

namespace {

// For the tickets that need `match` places: the places that complete a
// (match - 1)-subset of such a ticket to a whole match, that is the union of
// the tickets that hold the subset. An open-addressed table keyed by the
// subset's bits.
class CompletionTable {
public:
    CompletionTable(const std::vector<PlaceSet>& tickets, int match) : match_(match) {
        std::size_t entries = 0;
        for (const PlaceSet ticket : tickets) entries += choose(sizeOf(ticket), match - 1);
        std::size_t capacity = 16;
        while (capacity < entries * 2) capacity *= 2;
        keys_.assign(capacity, 0);
        unions_.assign(capacity, 0);
        mask_ = capacity - 1;
        for (const PlaceSet ticket : tickets) {
            forEachSubset(ticket, match - 1, [&](PlaceSet subset) { unions_[slotOf(subset)] |= ticket; });
        }
    }

    int match() const { return match_; }

    // The union of the tickets that hold the subset; none when no ticket does.
    PlaceSet completions(PlaceSet subset) const {
        for (std::size_t slot = hash(subset);; slot = (slot + 1) & mask_) {
            if (keys_[slot] == subset) return unions_[slot];
            if (keys_[slot] == 0) return 0;
        }
    }

private:
    std::size_t hash(PlaceSet subset) const {
        return static_cast<std::size_t>((subset * 0x9E3779B97F4A7C15u) >> 32) & mask_;
    }

    std::size_t slotOf(PlaceSet subset) {
        std::size_t slot = hash(subset);
        while (keys_[slot] != 0 && keys_[slot] != subset) slot = (slot + 1) & mask_;
        keys_[slot] = subset;
        return slot;
    }

    int match_;
    std::vector<PlaceSet> keys_;
    std::vector<PlaceSet> unions_;
    std::size_t mask_ = 0;
};

class SetWalk {
public:
    // Every ticket needs 2 places or more.
    SetWalk(int points, const std::map<int, std::vector<PlaceSet>>& ticketsByMatch, PlaceSet completingAny,
            int maxSize)
        : points_(points), maxSize_(maxSize), completingAny_(completingAny), covered_(static_cast<std::size_t>(maxSize) + 1) {
        for (const auto& [match, tickets] : ticketsByMatch) tables_.emplace_back(tickets, match);
    }

    std::vector<std::uint64_t> run() {
        visit(0, -1, 0, completingAny_);
        return covered_;
    }

private:
    // The set holds `size` places, the highest `last`; `completing` are the
    // places that would make a ticket cover it.
    void visit(int size, int last, PlaceSet set, PlaceSet completing) {
        const PlaceSet later = placesAbove(last) & firstPlaces(points_);
        if (size + 1 == maxSize_) {
            covered_[static_cast<std::size_t>(maxSize_)] += static_cast<std::uint64_t>(sizeOf(later & completing));
            return;
        }
        for (PlaceSet rest = later; rest != 0; rest &= rest - 1) {
            const int place = std::countr_zero(rest);
            if (completing & placeBit(place)) {
                // Every extension of the set with this place is covered.
                const int after = points_ - 1 - place;
                for (int grown = size + 1; grown <= maxSize_; ++grown)
                    covered_[static_cast<std::size_t>(grown)] += choose(after, grown - size - 1);
                continue;
            }
            PlaceSet next = completing;
            for (const CompletionTable& table : tables_) {
                if (size < table.match() - 2) continue;
                forEachSubset(set, table.match() - 2,
                              [&](PlaceSet part) { next |= table.completions(part | placeBit(place)); });
            }
            visit(size + 1, place, set | placeBit(place), next);
        }
    }

    int points_;
    int maxSize_;
    PlaceSet completingAny_;
    std::vector<CompletionTable> tables_;
    std::vector<std::uint64_t> covered_;
};

}  // namespace

std::vector<std::uint64_t> coveredSetCounts(int points, const std::vector<CheckedTicket>& tickets, int maxSize) {
    std::vector<std::uint64_t> covered(static_cast<std::size_t>(maxSize) + 1, 0);
    const bool anyCovers = std::any_of(tickets.begin(), tickets.end(),
                                       [](const CheckedTicket& ticket) { return ticket.match <= 0; });
    if (anyCovers) {
        for (int size = 0; size <= maxSize; ++size) covered[static_cast<std::size_t>(size)] = choose(points, size);
        return covered;
    }
    // A ticket that needs one place covers every set that holds any of its places.
    PlaceSet completingAny = 0;
    std::map<int, std::vector<PlaceSet>> ticketsByMatch;
    for (const CheckedTicket& ticket : tickets) {
        if (ticket.match == 1) {
            completingAny |= ticket.places;
        } else if (ticket.match <= maxSize && sizeOf(ticket.places) >= ticket.match) {
            ticketsByMatch[ticket.match].push_back(ticket.places);
        }
    }
    if (maxSize == 0 || (completingAny == 0 && ticketsByMatch.empty())) return covered;
    return SetWalk(points, ticketsByMatch, completingAny, maxSize).run();
}

std::vector<std::uint64_t> coveredSetCounts(int points, const std::vector<PlaceSet>& tickets, int match,
                                            int maxSize) {
    std::vector<CheckedTicket> checked;
    checked.reserve(tickets.size());
    for (const PlaceSet ticket : tickets) checked.push_back({ticket, match});
    return coveredSetCounts(points, checked, maxSize);
}

}  // namespace numora::wheels
