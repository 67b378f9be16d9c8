#include "analysis/ChanceOdds.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "analysis/CheckedNumbers.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// A line of `balls` different numbers out of `range` against `different`
// different drawn numbers.
std::vector<double> hypergeometricOdds(int range, int different, int balls) {
    std::vector<double> odds(static_cast<std::size_t>(balls) + 1, 0.0);
    const double lines = binomial(range, balls);
    if (lines == 0.0) return odds;  // the range is too small for a line
    for (int matches = 0; matches <= balls; ++matches) {
        odds[static_cast<std::size_t>(matches)] =
            binomial(different, matches) * binomial(range - different, balls - matches) / lines;
    }
    return odds;
}

// A line of `balls` numbers each drawn alone out of `range`. The line holds
// a[i] copies of the i-th different drawn number (held b[i] times by the
// draw) and the rest among the other numbers; it matches sum min(a[i], b[i]).
// Every way of choosing the a[i] is walked, weighted by its multinomial chance.
class RepeatingLineOdds {
public:
    RepeatingLineOdds(int range, int balls, std::vector<int> drawnCounts)
        : range_(range),
          balls_(balls),
          drawnCounts_(std::move(drawnCounts)),
          odds_(static_cast<std::size_t>(balls) + 1) {}

    std::vector<double> walk() {
        visit(0, 0, 0, std::tgamma(balls_ + 1));
        return odds_;
    }

private:
    // weight: balls! / (a[0]! ... a[index-1]!).
    void visit(std::size_t index, int used, int matches, double weight) {
        if (index == drawnCounts_.size()) {
            const int rest = balls_ - used;
            const double others = static_cast<double>(range_) - static_cast<double>(drawnCounts_.size());
            const double chance =
                weight / std::tgamma(rest + 1) * std::pow(1.0 / range_, used) * std::pow(others / range_, rest);
            odds_[static_cast<std::size_t>(matches)] += chance;
            return;
        }
        for (int copies = 0; used + copies <= balls_; ++copies) {
            visit(index + 1, used + copies, matches + std::min(copies, drawnCounts_[index]),
                  weight / std::tgamma(copies + 1));
        }
    }

    int range_;
    int balls_;
    std::vector<int> drawnCounts_;
    std::vector<double> odds_;
};

}  // namespace

double binomial(int n, int k) {
    if (k < 0 || k > n) return 0.0;
    double value = 1.0;
    for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
    return value;
}

std::vector<double> randomLineMatchOdds(const LotteryProfile& profile, const std::vector<int>& drawn) {
    const int range = profile.max - profile.min + 1;
    const int balls = ballsInPlay(profile);
    std::map<int, int> counts;
    for (const int number : drawn) ++counts[number];
    if (!profile.repeat) return hypergeometricOdds(range, static_cast<int>(counts.size()), balls);
    std::vector<int> drawnCounts;
    for (const auto& [number, count] : counts) drawnCounts.push_back(count);
    return RepeatingLineOdds(range, balls, std::move(drawnCounts)).walk();
}

std::vector<std::vector<double>> randomLineLabelOdds(const LotteryProfile& profile, const std::vector<int>& drawnMain,
                                                     const std::vector<int>& drawnSecondDrum) {
    const std::vector<double> main = randomLineMatchOdds(profile, drawnMain);
    const std::set<int> different(drawnSecondDrum.begin(), drawnSecondDrum.end());
    const std::vector<double> drum = hypergeometricOdds(
        secondDrumRange(profile).size(), static_cast<int>(different.size()), secondDrumNumbers(profile));
    std::vector<std::vector<double>> odds(main.size(), std::vector<double>(drum.size()));
    for (std::size_t m = 0; m < main.size(); ++m) {
        for (std::size_t s = 0; s < drum.size(); ++s) odds[m][s] = main[m] * drum[s];
    }
    return odds;
}

}  // namespace numora
