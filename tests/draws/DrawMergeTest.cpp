#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "draws/DrawMerge.h"

namespace numora {

namespace {

struct Line {
    DrawRecord draw;
    bool dated;
};

// The merge walk step by step over the whole list, as the import describes
// it: a line equal to any stored draw of its date is skipped, and a visited
// draw loses only the numbers of the slots the lottery does not play.
ImportCounters mergeByPlainWalk(std::vector<DrawRecord>& stored, const std::vector<Line>& lines,
                                const LotteryProfile& profile) {
    const auto outside = [&](const DrawRecord& draw, int i) {
        const int high = i == DrawRecord::kBallCount ? std::max(profile.max, profile.bonus) : profile.max;
        return draw.number(i) < profile.min || draw.number(i) > high;
    };
    const auto copyOf = [&](DrawRecord draw) {
        for (int i = 0; i < DrawRecord::kNumberCount; ++i) {
            if (outside(draw, i)) draw.number(i) = -1;
        }
        return draw;
    };
    const auto clearUnplayed = [&](DrawRecord& draw) {
        for (int i = 0; i < DrawRecord::kNumberCount; ++i) {
            const bool played = i == DrawRecord::kBallCount ? profile.bonus > 0 : i < profile.balls;
            if (!played && outside(draw, i)) draw.number(i) = -1;
        }
    };
    const auto key = [](const DrawRecord& draw) { return static_cast<std::uint32_t>(draw.date); };
    ImportCounters counters;
    for (const Line& line : lines) {
        const DrawRecord copy = copyOf(line.draw);
        std::size_t stop = 0;
        for (; stop < stored.size(); ++stop) {
            clearUnplayed(stored[stop]);
            if (key(stored[stop]) >= key(copy)) break;
        }
        const bool sameDate = stop < stored.size() && key(stored[stop]) == key(copy);
        const bool known = line.dated ? std::any_of(stored.begin(), stored.end(),
                                                    [&](const DrawRecord& draw) { return copyOf(draw) == copy; })
                                      : sameDate && copyOf(stored[stop]) == copy;
        if (known) {
            ++counters.skipped;
        } else if (sameDate) {
            ++counters.repeats;
        }
        if (line.dated && known) continue;
        if (!line.dated || stop == stored.size()) {
            stored.push_back(line.draw);
        } else {
            while (sameDate && stop < stored.size() && key(stored[stop]) == key(copy)) ++stop;
            stored.insert(stored.begin() + static_cast<std::ptrdiff_t>(stop), line.draw);
        }
        ++counters.imported;
    }
    return counters;
}

// Dates from a span of days, now and then before 1970 (later than every
// other date when compared unsigned); numbers around a small lottery's range.
DrawRecord randomDraw(std::mt19937& random, std::uint32_t days) {
    DrawRecord draw{random() % 50 == 0 ? -86400 : static_cast<std::int32_t>(random() % days) * 86400};
    for (int i = 0; i < DrawRecord::kNumberCount; ++i) draw.number(i) = static_cast<std::int32_t>(random() % 6) + 8;
    return draw;
}

void expectTheResultOfThePlainWalk(std::vector<DrawRecord> stored, const std::vector<Line>& lines,
                                   const LotteryProfile& profile, std::size_t blockDraws) {
    DrawList merged;
    merged.records() = stored;
    const ImportCounters expectedCounts = mergeByPlainWalk(stored, lines, profile);
    ImportCounters counts;
    {
        DrawMerger merger(merged, profile, blockDraws);
        for (const Line& line : lines) merger.merge(line.draw, line.dated, counts);
    }
    EXPECT_EQ(counts, expectedCounts);
    EXPECT_EQ(merged.records(), stored);
}

}  // namespace

TEST(DrawMerger, givesExactlyTheListAndCountsOfThePlainWalk) {
    std::mt19937 random(20260);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        LotteryProfile profile;
        profile.balls = static_cast<int>(random() % 5) + 3;
        profile.min = static_cast<int>(random() % 2) + 8;
        profile.max = 11;
        profile.bonus = static_cast<int>(random() % 4) * 4;  // 0 (none), below, at or above the highest ball
        const std::size_t limit = round < 16 ? 60 : 1400;
        // Now and then only a few dates, so that long runs of one date fill whole blocks.
        const std::size_t dateLimit = round % 4 == 2 ? 3 : limit;
        const std::uint32_t days = static_cast<std::uint32_t>(random() % dateLimit) + 1;
        // Mostly in date order, as kept draws are, with a few out of place.
        std::vector<DrawRecord> stored(random() % limit);
        for (DrawRecord& draw : stored) draw = randomDraw(random, days);
        std::sort(stored.begin(), stored.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
        for (std::size_t swaps = stored.size() / 20; swaps > 0; --swaps)
            std::swap(stored[random() % stored.size()], stored[random() % stored.size()]);
        std::vector<Line> lines;
        for (std::size_t i = random() % limit; i > 0; --i) {
            const bool dated = random() % 5 != 0;
            const bool again = !stored.empty() && random() % 4 == 0;
            DrawRecord draw = again ? stored[random() % stored.size()] : randomDraw(random, days);
            if (!dated) draw.date = static_cast<std::int32_t>(days / 2) * 86400;
            lines.push_back({draw, dated});
        }
        if (round % 2 == 1) {  // newest first, as many published files are
            std::stable_sort(lines.begin(), lines.end(),
                             [](const Line& a, const Line& b) { return a.draw.date > b.draw.date; });
        }
        expectTheResultOfThePlainWalk(stored, lines, profile, round % 3 == 0 ? DrawMerger::kBlockDraws : 2 + round % 7);
    }

    // A line without a date appended after whole blocks of a later date: the
    // next line of that date goes before it, at the end of the run.
    const DrawRecord later{2 * 86400, 8, 9, 10};
    std::vector<DrawRecord> stored(5, later);
    stored.front().date = 0;
    expectTheResultOfThePlainWalk(stored, {{{86400, 8}, false}, {{2 * 86400, 11}, true}}, LotteryProfile{}, 3);
}

}  // namespace numora
