#include "wheels/SplitWheel.h"

#include <limits>

namespace numora::wheels {

namespace {

// Part sizes tried around an even split.
constexpr int kSizeSpread = 4;

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

std::vector<PlaceSet> partCovering(const Design& design, int size,
                                   const std::function<std::vector<PlaceSet>(const Design&)>& search) {
    if (size < design.match) return {};
    if (size <= design.ticketSize) return {firstPlaces(size)};
    return search({size, design.ticketSize, design.match, design.match});
}

std::optional<std::vector<int>> splitSizes(const Design& design, const PartTickets& tickets) {
    const int parts = splitParts(design);
    if (parts < 2 || parts > design.points) return std::nullopt;
    const int even = design.points / parts;
    const int smallest = std::max(1, even - kSizeSpread);
    const int largest = std::min(design.points, even + 1 + kSizeSpread);
    std::vector<std::size_t> ticketsOfSize(static_cast<std::size_t>(largest) + 1);
    for (int size = smallest; size <= largest; ++size) ticketsOfSize[static_cast<std::size_t>(size)] = tickets(size).size();

    // fewest[p][n]: the fewest tickets for n places in p parts, the last of
    // lastSize[p][n] places.
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    const auto rows = static_cast<std::size_t>(parts) + 1;
    const auto columns = static_cast<std::size_t>(design.points) + 1;
    std::vector<std::vector<std::size_t>> fewest(rows, std::vector<std::size_t>(columns, kNone));
    std::vector<std::vector<int>> lastSize(rows, std::vector<int>(columns, 0));
    fewest[0][0] = 0;
    for (std::size_t part = 1; part < rows; ++part) {
        for (std::size_t placed = 0; placed < columns; ++placed) {
            for (int size = smallest; size <= largest; ++size) {
                const auto taken = static_cast<std::size_t>(size);
                if (taken > placed || fewest[part - 1][placed - taken] == kNone) continue;
                const std::size_t total = fewest[part - 1][placed - taken] + ticketsOfSize[taken];
                if (total < fewest[part][placed]) {
                    fewest[part][placed] = total;
                    lastSize[part][placed] = size;
                }
            }
        }
    }
    if (fewest[rows - 1][columns - 1] == kNone) return std::nullopt;
    std::vector<int> sizes;
    for (std::size_t part = rows - 1, placed = columns - 1; part > 0; --part) {
        sizes.push_back(lastSize[part][placed]);
        placed -= static_cast<std::size_t>(sizes.back());
    }
    return sizes;
}

std::vector<PlaceSet> splitWheel(const Design& design, const std::vector<int>& sizes, const PartTickets& tickets) {
    std::vector<PlaceSet> wheel;
    int first = 0;
    for (const int size : sizes) {
        for (const PlaceSet ticket : tickets(size))
            wheel.push_back(filledUp(ticket << first, design.ticketSize, design.points));
        first += size;
    }
    return wheel;
}

}  // namespace numora::wheels
