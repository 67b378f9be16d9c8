#include "draws/DrawMerge.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr std::int32_t kEmptyNumber = -1;
// A file runs newest first when its dates fall at least this often, and more often than they rise.
constexpr int kLeastFalls = 2;

std::uint32_t dateKey(const DrawRecord& draw) { return static_cast<std::uint32_t>(draw.date); }

int highestBonus(const LotteryProfile& profile) { return std::max(profile.max, profile.bonus); }

bool outside(std::int32_t number, int low, int high) { return number < low || number > high; }

}  // namespace

DrawRecord comparedForm(const DrawRecord& draw, const LotteryProfile& profile) {
    DrawRecord compared = draw;
    for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
        if (!slotRange(profile, ball).holds(compared.ball(ball))) compared.ball(ball) = kEmptyNumber;
    }
    if (outside(compared.bonus, profile.min, highestBonus(profile))) compared.bonus = kEmptyNumber;
    return compared;
}

std::vector<std::size_t> mergeOrder(const std::vector<std::optional<std::int32_t>>& dates) {
    std::vector<std::size_t> order(dates.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    int falls = 0;
    int rises = 0;
    std::optional<std::uint32_t> previous;
    for (const auto& date : dates) {
        if (!date) continue;
        const auto key = static_cast<std::uint32_t>(*date);
        if (previous && key != *previous) (key < *previous ? falls : rises) += 1;
        previous = key;
    }
    if (falls < kLeastFalls || falls <= rises) return order;
    for (std::size_t first = 0; first < dates.size();) {
        std::size_t end = first + 1;
        if (dates[first]) {
            while (end < dates.size() && dates[end] == dates[first]) ++end;
        }
        std::reverse(order.begin() + static_cast<std::ptrdiff_t>(first),
                     order.begin() + static_cast<std::ptrdiff_t>(end));
        first = end;
    }
    return order;
}

std::size_t DrawMerger::DrawHash::operator()(const DrawRecord& draw) const {
    std::size_t hash = std::hash<std::int32_t>{}(draw.date);
    for (int index = 0; index < DrawRecord::kNumberCount; ++index) {
        hash = hash * 31 + std::hash<std::int32_t>{}(draw.number(index));
    }
    return hash;
}

void DrawMerger::Block::findDateRange() {
    earliest = std::numeric_limits<std::uint32_t>::max();
    latest = 0;
    for (const DrawRecord& draw : draws) {
        earliest = std::min(earliest, dateKey(draw));
        latest = std::max(latest, dateKey(draw));
    }
}

DrawMerger::DrawMerger(DrawList& draws, const LotteryProfile& profile, std::size_t blockDraws)
    : list_(draws), profile_(profile), blockDraws_(std::max<std::size_t>(blockDraws, 2)) {
    std::vector<DrawRecord>& stored = list_.records();
    known_.reserve(stored.size());
    for (const DrawRecord& draw : stored) known_.insert(comparedForm(draw, profile_));
    for (std::size_t first = 0; first < stored.size(); first += blockDraws_) {
        const auto begin = stored.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = stored.begin() + static_cast<std::ptrdiff_t>(std::min(first + blockDraws_, stored.size()));
        Block block;
        block.draws.assign(begin, end);
        block.findDateRange();
        blocks_.push_back(std::move(block));
    }
    list_.clear();
}

DrawMerger::~DrawMerger() {
    std::vector<DrawRecord>& stored = list_.records();
    std::size_t total = 0;
    for (const Block& block : blocks_) total += block.draws.size();
    stored.reserve(total);
    for (const Block& block : blocks_) stored.insert(stored.end(), block.draws.begin(), block.draws.end());
}

void DrawMerger::clearUnplayed(DrawRecord& draw) const {
    for (int ball = slotsInPlay(profile_) + 1; ball <= DrawRecord::kBallCount; ++ball) {
        if (!slotRange(profile_, ball).holds(draw.ball(ball))) draw.ball(ball) = kEmptyNumber;
    }
    if (profile_.bonus <= 0 && outside(draw.bonus, profile_.min, highestBonus(profile_))) draw.bonus = kEmptyNumber;
}

void DrawMerger::visitUpTo(Block& block, std::size_t end) const {
    for (; block.visited < end; ++block.visited) clearUnplayed(block.draws[block.visited]);
}

// Walks to the first draw dated date or later, visiting every draw up to it;
// false when there is none.
bool DrawMerger::walkTo(std::uint32_t date, Place& stop) {
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        Block& block = blocks_[b];
        if (block.latest < date) {
            visitUpTo(block, block.draws.size());
            continue;
        }
        const auto found = std::find_if(block.draws.begin(), block.draws.end(),
                                        [date](const DrawRecord& stored) { return dateKey(stored) >= date; });
        stop = {b, static_cast<std::size_t>(found - block.draws.begin())};
        visitUpTo(block, stop.index + 1);
        return true;
    }
    return false;
}

bool DrawMerger::merge(const DrawRecord& draw, bool dated, ImportCounters& counters) {
    const DrawRecord compared = comparedForm(draw, profile_);
    const std::uint32_t date = dateKey(draw);
    Place stop{};
    const bool met = walkTo(date, stop);
    const DrawRecord* reached = met ? &blocks_[stop.block].draws[stop.index] : nullptr;
    const bool sameDate = reached && dateKey(*reached) == date;
    // A line without a date is appended whatever the walk met; only the draw
    // it stopped at counts it as skipped.
    const bool known = dated ? known_.count(compared) != 0 : sameDate && comparedForm(*reached, profile_) == compared;
    if (known) {
        ++counters.skipped;
    } else if (sameDate) {
        ++counters.repeats;
    }
    if (dated && known) return false;
    if (!dated || !met) {
        append(draw);
    } else {
        insertAt(sameDate ? afterSameDate(stop, date) : stop, draw);
    }
    ++counters.imported;
    known_.insert(compared);
    return true;
}

// Where a draw of a repeated date goes: after the draw the walk stopped at and
// after the draws of the same date that directly follow it. Whole blocks of
// that date are passed over at once.
DrawMerger::Place DrawMerger::afterSameDate(Place stop, std::uint32_t date) const {
    Place last = stop;
    for (std::size_t b = stop.block; b < blocks_.size(); ++b) {
        const std::vector<DrawRecord>& draws = blocks_[b].draws;
        if (b != stop.block && blocks_[b].allOfDate(date)) {
            last = {b, draws.size() - 1};
            continue;
        }
        for (std::size_t i = b == stop.block ? stop.index + 1 : 0; i < draws.size(); ++i) {
            if (dateKey(draws[i]) != date) return {last.block, last.index + 1};
            last = {b, i};
        }
    }
    return {last.block, last.index + 1};
}

void DrawMerger::insertAt(Place place, const DrawRecord& draw) {
    Block& block = blocks_[place.block];
    block.draws.insert(block.draws.begin() + static_cast<std::ptrdiff_t>(place.index), draw);
    block.earliest = std::min(block.earliest, dateKey(draw));
    block.latest = std::max(block.latest, dateKey(draw));
    if (place.index < block.visited) block.visited = place.index;
    if (block.draws.size() <= blockDraws_) return;

    const std::size_t half = block.draws.size() / 2;
    Block second;
    second.draws.assign(std::make_move_iterator(block.draws.begin() + static_cast<std::ptrdiff_t>(half)),
                        std::make_move_iterator(block.draws.end()));
    block.draws.resize(half);
    second.visited = block.visited > half ? block.visited - half : 0;
    block.visited = std::min(block.visited, half);
    block.findDateRange();
    second.findDateRange();
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(place.block + 1), std::move(second));
}

void DrawMerger::append(const DrawRecord& draw) {
    if (blocks_.empty()) blocks_.emplace_back();
    insertAt({blocks_.size() - 1, blocks_.back().draws.size()}, draw);
}

}  // namespace numora
