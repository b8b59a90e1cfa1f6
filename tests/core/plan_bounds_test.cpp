#include <gtest/gtest.h>

#include "invest/plan.h"
#include "invest/plan_bounds.h"

using namespace pickora;

namespace {

PlanSettings settings(std::int64_t loss, std::int64_t profit, std::int64_t stake,
                      std::int64_t prize, std::int64_t periods)
{
    return PlanSettings{loss, profit, stake, prize, periods};
}

} // namespace

TEST(PlanBounds, OnlyWhatSixtyFourBitsNeedIsRefused)
{
    const std::int64_t top = kPlanAmountLimit;
    const std::int64_t prizeTop = top / kMaxMultiplier;
    struct Case {
        PlanSettings s;
        bool accepted;
    };
    const Case cases[] = {
        {settings(0, 10, 16, 1000, 80), true},
        {settings(0, 10, 16, 10'000'001, 80), true}, // a prize above ten million is fine
        {settings(0, 10, 16, 4'000'000'000'000, 80), true},
        {settings(0, 10, 16, prizeTop, 80), true},
        {settings(0, 10, 16, prizeTop + 1, 80), false}, // 10000 times it would not fit
        {settings(0, 10, 16, -1, 80), false},
        {settings(top, -top, 1, 1000, 1), false}, // no stake left to carry
        {settings(-top, top, 1, 1000, 1), false},
        {settings(top - kMaxMultiplier, 0, 1, 1000, 1), true},
        {settings(top + 1, 10, 16, 1000, 80), false},
        {settings(0, -top - 1, 16, 1000, 80), false},
        {settings(0, 10, 0, 1000, 80), false}, // the rate needs a stake
        {settings(0, 10, largestUnitStake(80, 0), 1000, 80), true},
        {settings(0, 10, largestUnitStake(80, 0) + 1, 1000, 80), false},
        {settings(0, 10, 16, 1000, 0), false},
        {settings(0, 10, 16, 1000, kMaxPeriods), true},
        {settings(0, 10, 16, 1000, kMaxPeriods + 1), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(checkPlanInputs(cases[i].s).empty(), cases[i].accepted)
            << i << ": " << checkPlanInputs(cases[i].s);

    // The variable plan ignores the unit stake box but bounds the bets the same way.
    EXPECT_TRUE(checkPlanInputs(settings(0, 10, 0, 1000, 80), false).empty());
    const PlanSettings variable = settings(0, 10, 0, 1000, 80);
    EXPECT_TRUE(checkBetInput(8, variable).empty());
    EXPECT_TRUE(checkBetInput(largestUnitStake(80, 0) / 2, variable).empty());
    EXPECT_FALSE(checkBetInput(largestUnitStake(80, 0) / 2 + 1, variable).empty());
    EXPECT_FALSE(checkBetInput(0, variable).empty());
}

TEST(PlanBounds, AcceptedExtremesComputeExactly)
{
    // Every extreme the bounds let through: the plan is made, and its amounts add up (the test
    // also runs under UBSan, where an overflow would stop it).
    const std::int64_t prizeTop = kPlanAmountLimit / kMaxMultiplier;
    const PlanSettings extremes[] = {
        settings(0, 10, 16, prizeTop, 80),
        settings(0, prizeTop * 9000, largestUnitStake(80, 0), prizeTop, 80),
        settings(-kPlanAmountLimit / 2, 10, 1, prizeTop, kMaxPeriods),
        settings(kPlanAmountLimit / 2, -kPlanAmountLimit, 1, prizeTop, 10),
    };
    for (const PlanSettings& s : extremes) {
        ASSERT_TRUE(checkPlanInputs(s).empty()) << checkPlanInputs(s);
        for (const PlanResult& plan : {fixedPlan(s), phasedPlan(s, 3)}) {
            if (plan.tooLarge)
                continue;
            ASSERT_EQ(plan.rows.size(), static_cast<std::size_t>(s.periods));
            std::int64_t total = s.priorLoss;
            for (const PlanRow& row : plan.rows) {
                EXPECT_EQ(row[2], row[1] * s.unitStake);
                total += row[2];
                EXPECT_EQ(row[3], total);
                EXPECT_EQ(row[5], row[4] - row[3]);
            }
        }
    }
    // A prize of a hundred million per unit: the plan is the defaults' at multiplier 1 throughout.
    const PlanResult rich = fixedPlan(settings(0, 10, 16, 100'000'000, 80));
    ASSERT_FALSE(rich.tooLarge);
    EXPECT_EQ(rich.rows.back(), (PlanRow{80, 1, 16, 1280, 100'000'000, 99'998'720, 7'812'400}));
}
