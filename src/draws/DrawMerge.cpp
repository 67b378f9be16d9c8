#include "draws/DrawMerge.h"

#include <algorithm>
#include <iterator>

namespace numora {

namespace {

constexpr std::int32_t kEmptyNumber = -1;

std::uint32_t dateKey(const DrawRecord& draw) { return static_cast<std::uint32_t>(draw.date); }

bool sameNumbers(const DrawRecord& a, const DrawRecord& b) {
    for (int index = 0; index < DrawRecord::kNumberCount; ++index) {
        if (a.number(index) != b.number(index)) return false;
    }
    return true;
}

void replaceOutside(DrawRecord& draw, int min, int max, int bonusMax) {
    for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
        if (draw.ball(ball) < min || draw.ball(ball) > max) draw.ball(ball) = kEmptyNumber;
    }
    if (draw.bonus < min || draw.bonus > bonusMax) draw.bonus = kEmptyNumber;
}

}  // namespace

DrawRecord comparedForm(const DrawRecord& draw, const LotteryProfile& profile) {
    DrawRecord compared = draw;
    replaceOutside(compared, profile.min, profile.max, std::max(profile.max, profile.bonus));
    return compared;
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
    : list_(draws),
      blockDraws_(std::max<std::size_t>(blockDraws, 2)),
      min_(profile.min),
      max_(profile.max),
      bonusMax_(std::max(profile.max, profile.bonus)) {
    std::vector<DrawRecord>& stored = list_.records();
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

void DrawMerger::replaceOutOfRange(DrawRecord& draw) const { replaceOutside(draw, min_, max_, bonusMax_); }

void DrawMerger::visitUpTo(Block& block, std::size_t end) const {
    for (; block.visited < end; ++block.visited) replaceOutOfRange(block.draws[block.visited]);
}

void DrawMerger::merge(const DrawRecord& draw, bool dated, ImportCounters& counters) {
    DrawRecord compared = draw;
    replaceOutOfRange(compared);
    const std::uint32_t date = dateKey(draw);

    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        Block& block = blocks_[b];
        if (block.latest < date) {
            visitUpTo(block, block.draws.size());
            continue;
        }
        const auto found = std::find_if(block.draws.begin(), block.draws.end(),
                                        [date](const DrawRecord& stored) { return dateKey(stored) >= date; });
        const Place stop{b, static_cast<std::size_t>(found - block.draws.begin())};
        visitUpTo(block, stop.index + 1);
        const bool sameDate = dateKey(*found) == date;

        if (sameDate && sameNumbers(*found, compared)) {
            ++counters.skipped;
        } else {
            if (sameDate) ++counters.repeats;
            if (dated) {
                insertAt(sameDate ? afterSameDate(stop, date) : stop, draw);
                ++counters.imported;
            }
        }
        if (!dated) {
            append(draw);
            ++counters.imported;
        }
        return;
    }
    append(draw);
    ++counters.imported;
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
