#include "wheels/SplitWheel.h"

#include <limits>
#include <map>

namespace numora::wheels {

namespace {

// Part sizes tried around an even split.
constexpr int kSizeSpread = 4;

// The tickets that cover every `match`-set of a part of `size` places,
// numbered from 0.
std::vector<PlaceSet> partTickets(const Design& design, int size, const CoveringSearch& search) {
    if (size < design.match) return {};
    if (size <= design.ticketSize) return {firstPlaces(size)};
    return search({size, design.ticketSize, design.match, design.match});
}

// A ticket of a part with fewer places than a ticket holds is filled up with
// the lowest places outside the part.
PlaceSet filledUp(PlaceSet ticket, int ticketSize, int points) {
    for (int place = 0; place < points && sizeOf(ticket) < ticketSize; ++place) ticket |= placeBit(place);
    return ticket;
}

}  // namespace

int splitParts(const Design& design) {
    if (design.match < 2 || design.ifDrawn <= design.match) return 0;
    return (design.ifDrawn - 1) / (design.match - 1);
}

std::optional<std::vector<PlaceSet>> splitWheel(const Design& design, const CoveringSearch& search) {
    const int parts = splitParts(design);
    if (parts < 2 || parts > design.points) return std::nullopt;
    const int even = design.points / parts;
    const int smallest = std::max(1, even - kSizeSpread);
    const int largest = std::min(design.points, even + 1 + kSizeSpread);
    std::map<int, std::vector<PlaceSet>> bySize;
    for (int size = smallest; size <= largest; ++size) bySize[size] = partTickets(design, size, search);

    // fewest[p][n]: the fewest tickets for n places in p parts; sizeOf[p][n]
    // the size of the last part.
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    const auto rows = static_cast<std::size_t>(parts) + 1;
    const auto columns = static_cast<std::size_t>(design.points) + 1;
    std::vector<std::vector<std::size_t>> fewest(rows, std::vector<std::size_t>(columns, kNone));
    std::vector<std::vector<int>> lastSize(rows, std::vector<int>(columns, 0));
    fewest[0][0] = 0;
    for (std::size_t part = 1; part < rows; ++part) {
        for (std::size_t placed = 0; placed < columns; ++placed) {
            for (const auto& [size, tickets] : bySize) {
                const auto before = placed - static_cast<std::size_t>(size);
                if (static_cast<std::size_t>(size) > placed || fewest[part - 1][before] == kNone) continue;
                const std::size_t total = fewest[part - 1][before] + tickets.size();
                if (total < fewest[part][placed]) {
                    fewest[part][placed] = total;
                    lastSize[part][placed] = size;
                }
            }
        }
    }
    if (fewest[rows - 1][columns - 1] == kNone) return std::nullopt;

    std::vector<PlaceSet> wheel;
    int first = design.points;
    for (std::size_t part = rows - 1, placed = columns - 1; part > 0; --part) {
        const int size = lastSize[part][placed];
        first -= size;
        for (const PlaceSet ticket : bySize[size])
            wheel.push_back(filledUp(ticket << first, design.ticketSize, design.points));
        placed -= static_cast<std::size_t>(size);
    }
    return wheel;
}

}  // namespace numora::wheels
