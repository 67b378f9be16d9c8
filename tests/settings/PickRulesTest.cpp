#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/AppProfile.h"
#include "settings/BallRuns.h"
#include "settings/PickRules.h"
#include "settings/PickRulesStore.h"
#include "support/FailingAppProfile.h"
#include "support/BallSets.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, false, false, false};

using testing::ballsOf;

BallSet ballsFrom(int first, int last) {
    BallSet set;
    for (int number = first; number <= last; ++number) set.set(static_cast<std::size_t>(number));
    return set;
}

TEST(BallRuns, runsReadWithSpacesAndWriteThreeOrMoreInARowAsARun) {
    std::string bad;
    EXPECT_EQ(parseBallRuns("3,7, 9-15 ,1 - 2", bad), (std::vector<BallRun>{{3, 3}, {7, 7}, {9, 15}, {1, 2}}));
    EXPECT_EQ(parseBallRuns("  ", bad), std::vector<BallRun>{});
    for (const std::string_view wrong : {"3,,7", "12-3", "-4", "4-", "1-2-3", "x", "0--0", "+5", "99999999999"}) {
        EXPECT_EQ(parseBallRuns(wrong, bad), std::nullopt) << wrong;
    }
    parseBallRuns("3, 12-3 ,7", bad);
    EXPECT_EQ(bad, "12-3");

    EXPECT_EQ(ballSetText(ballsOf({1, 2, 3, 4, 5, 9, 10, 40, 99}), ", "), "1-5, 9, 10, 40, 99");
    EXPECT_EQ(ballSetText(ballsOf({0}), " "), "0");
    EXPECT_EQ(ballSetText(BallSet{}, ","), "");
}

TEST(PickRules, problemsAreNamedInOrderAndAllowTheLastLinesThatRemain) {
    const auto problem = [](const PickRules& rules) { return pickRulesProblemText(rules, kLotto); };
    EXPECT_EQ(problem({}), "");
    EXPECT_EQ(problem({ballsOf({0, 3}), {}, false}),
              "Fixed number 0 is out of range: the balls of Lotto run from 1 to 49.");
    EXPECT_EQ(problem({{}, ballsOf({50}), false}),
              "Excluded number 50 is out of range: the balls of Lotto run from 1 to 49.");
    EXPECT_EQ(problem({ballsOf({4, 7}), ballsOf({7}), false}), "7 cannot be both fixed and excluded.");
    EXPECT_EQ(problem({ballsFrom(1, 6), {}, false}),
              "Too many fixed numbers for Lotto: 6 are fixed, and a line of 6 balls can fix at most 5, so that "
              "one ball at least is picked.");
    EXPECT_EQ(problem({ballsFrom(1, 5), {}, false}), "");

    // Every number excluded but Balls - 1 leaves no line; but Balls, one.
    EXPECT_EQ(problem({{}, ballsFrom(6, 49), false}),
              "Too many excluded numbers for Lotto: 44 of the numbers from 1 to 49 are excluded, which leaves 5 "
              "where a line needs 6.");
    EXPECT_EQ(pickRulesProblem({ballsOf({1}), ballsFrom(7, 49), false}, kLotto), PickRulesProblem::None);

    // Numbers that may repeat need Balls numbers left only once some are excluded.
    LotteryProfile tiny{"Tiny", 7, 1, 4, 0, true, false, false, false};
    EXPECT_EQ(pickRulesProblem({ballsOf({2}), {}, true}, tiny), PickRulesProblem::None);
    EXPECT_EQ(pickRulesProblem({{}, ballsOf({2}), false}, tiny), PickRulesProblem::TooFewLeft);
}

TEST(PickRules, aProfileChangeDropsWhatItNoLongerAllowsAndKeepsTheRest) {
    const PickRules rules{ballsOf({3, 7, 12, 45}), ballsFrom(40, 49) | ballsOf({3}), true};
    EXPECT_EQ(fitPickRules(rules, {"Lotto", 6, 1, 49, 49}).dropped, "The pick rules of Lotto no longer fit its "
                                                                     "profile (6 balls from 1 to 49), so Numora "
                                                                     "dropped from them: excluded 3, 45.");

    // Max lowered under a fixed number and Balls lowered under the fixed count.
    const FittedPickRules fitted = fitPickRules(rules, {"Lotto", 3, 1, 42, 0});
    EXPECT_EQ(fitted.rules, (PickRules{ballsOf({3, 7}), ballsOf({40, 41, 42}), true}));
    EXPECT_EQ(fitted.dropped,
              "The pick rules of Lotto no longer fit its profile (3 balls from 1 to 42), so Numora dropped from "
              "them: fixed 12, 45; excluded 3, 43-49.");
    EXPECT_EQ(pickRulesProblem(fitted.rules, {"Lotto", 3, 1, 42, 0}), PickRulesProblem::None);

    // Too few numbers left: the highest excluded go until a line fits.
    const FittedPickRules narrowed = fitPickRules({{}, ballsFrom(1, 10), false}, {"Small", 5, 1, 12, 0});
    EXPECT_EQ(narrowed.rules.excluded, ballsFrom(1, 7));

    // Rules that fit, and those of a profile out of the editor's limits, stay.
    EXPECT_EQ(fitPickRules(rules, {"Wide", 6, 1, 200, 0}).rules, rules);
    EXPECT_EQ(fitPickRules({ballsOf({1}), {}, false}, kLotto).dropped, "");
}

TEST(PickRulesStore, rulesAreKeptByLotteryNameAndAllOffLeaveNoValue) {
    InMemoryAppProfile profile;
    const PickRules rules{ballsOf({3, 7, 12}), ballsFrom(1, 2) | ballsFrom(20, 25), true};
    ASSERT_TRUE(writePickRules(profile, "Lotto 6 49", rules));
    EXPECT_EQ(profile.readText("PickRules", "Lotto 6 49", ""), "fixed 3 7 12 excluded 1 2 20-25 new-line");
    EXPECT_EQ(readPickRules(profile, "Lotto 6 49").rules, rules);
    EXPECT_EQ(readPickRules(profile, "Daily").rules, PickRules{});

    ASSERT_TRUE(writePickRules(profile, "Lotto 6 49", {{}, {}, true}));
    EXPECT_EQ(profile.readText("PickRules", "Lotto 6 49", ""), "new-line");
    ASSERT_TRUE(writePickRules(profile, "Lotto 6 49", {}));
    EXPECT_FALSE(profile.contains("PickRules", "Lotto 6 49"));
    ASSERT_TRUE(writePickRules(profile, "Daily", rules));
    ASSERT_TRUE(removePickRules(profile, "Daily"));
    EXPECT_FALSE(profile.contains("PickRules", "Daily"));
}

TEST(PickRulesStore, aValueThatCannotBeReadIsToldAndGivesNoRulesAndAFailedWriteSaysSo) {
    InMemoryAppProfile profile;
    // Written by hand: runs and extra spaces read; anything else does not.
    profile.writeText("PickRules", "Lotto", "  excluded 1-3  fixed 9 ");
    EXPECT_EQ(readPickRules(profile, "Lotto").rules, (PickRules{ballsOf({9}), ballsFrom(1, 3), false}));
    for (const std::string_view damaged : {"fixed 3 seven", "3 7", "fixed 100", "excluded 9-2", "fixed 3,7"}) {
        profile.writeText("PickRules", "Lotto", damaged);
        const StoredPickRules stored = readPickRules(profile, "Lotto");
        EXPECT_EQ(stored.rules, PickRules{}) << damaged;
        EXPECT_NE(stored.damage, "") << damaged;
    }
    EXPECT_EQ(readPickRules(profile, "Lotto").damage,
              "The pick rules of Lotto cannot be read: \"3,7\" in them is no rule or number of a ball. Numora picks "
              "without them and leaves them as they are until new ones are stored.");
    EXPECT_EQ(profile.readText("PickRules", "Lotto", ""), "fixed 3,7");

    testing::FailingAppProfile failing;
    EXPECT_FALSE(writePickRules(failing, "Lotto", {ballsOf({1}), {}, false}));
    EXPECT_FALSE(removePickRules(failing, "Lotto"));
    EXPECT_EQ(failing.failure(), testing::FailingAppProfile::kFailure);
}

}  // namespace
}  // namespace numora
