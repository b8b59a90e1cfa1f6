#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "invest/plan.h"
#include "store/random_source.h"

using namespace pickora;

namespace {

// The multiplier as the players' tables have always found it: try 1, 2, ... 10000.
std::optional<std::int64_t> trialMultiplier(std::int64_t B, std::int64_t U, std::int64_t T,
                                            std::int64_t P)
{
    for (std::int64_t m = 1; m <= 10000; ++m)
        if (m * B - (T + m * U) >= P)
            return m;
    return std::nullopt;
}

// The phased plan by trial, stage by stage and period by period.
PlanResult trialPhased(const PlanSettings& s, std::int64_t S)
{
    PlanResult r;
    const std::int64_t n = s.periods / S + (s.periods % S != 0 ? 1 : 0);
    std::int64_t T = s.priorLoss;
    for (std::int64_t stage = 1; stage <= S; ++stage) {
        const std::int64_t start = T;
        bool passed = false;
        for (std::int64_t m = 1; m <= 10000 && !passed; ++m) {
            T = start;
            PlanTable rows;
            bool ok = true;
            bool complete = false;
            for (std::int64_t j = (stage - 1) * n + 1; j <= stage * n; ++j) {
                if (j > s.periods) {
                    complete = true;
                    break;
                }
                const PlanRow row = *planRow(j, m, s.unitStake, s.unitPrize, T);
                if (row[5] < s.expectedProfit) {
                    ok = false;
                    break;
                }
                rows.push_back(row);
                T += m * s.unitStake;
            }
            if (ok) {
                passed = true;
                r.rows.insert(r.rows.end(), rows.begin(), rows.end());
                if (complete)
                    return r;
            }
        }
        if (!passed) {
            r.tooLarge = true;
            return r;
        }
    }
    return r;
}

} // namespace

TEST(FixedPlan, WorkedExampleWithTheDefaults)
{
    const PlanResult plan = fixedPlan({});
    ASSERT_FALSE(plan.tooLarge);
    ASSERT_EQ(plan.rows.size(), 80U);
    EXPECT_EQ(plan.rows[0], (PlanRow{1, 1, 16, 16, 1000, 984, 6150}));
    EXPECT_EQ(plan.rows[60], (PlanRow{61, 1, 16, 976, 1000, 24, 2}));
    EXPECT_EQ(plan.rows[61], (PlanRow{62, 2, 32, 1008, 2000, 992, 98}));
    EXPECT_EQ(plan.rows[79], (PlanRow{80, 2, 32, 1584, 2000, 416, 26}));
    EXPECT_EQ(columnAverage(plan.rows, 5, 80), 551);
    for (std::size_t i = 1; i < plan.rows.size(); ++i)
        EXPECT_GE(plan.rows[i][1], plan.rows[i - 1][1]); // B > U: never falls
}

TEST(FixedPlan, LimitsPriorLossAndRefusals)
{
    PlanSettings low;
    low.unitPrize = 10;
    EXPECT_TRUE(fixedPlan(low).tooLarge);
    EXPECT_TRUE(fixedPlan(low).rows.empty());

    PlanSettings loss;
    loss.priorLoss = 100;
    EXPECT_EQ(fixedPlan(loss).rows[0], (PlanRow{1, 1, 16, 116, 1000, 884, 762}));

    // One unit gained per multiple: the profit needed is the multiplier needed.
    PlanSettings edge;
    edge.unitStake = 1;
    edge.unitPrize = 2;
    edge.periods = 1;
    edge.expectedProfit = 10000;
    ASSERT_FALSE(fixedPlan(edge).tooLarge);
    EXPECT_EQ(fixedPlan(edge).rows[0][1], 10000);
    edge.expectedProfit = 10001;
    EXPECT_TRUE(fixedPlan(edge).tooLarge);

    PlanSettings bad;
    bad.unitStake = 0;
    EXPECT_FALSE(checkPlanSettings(bad).empty());
    bad = {};
    bad.periods = 0;
    EXPECT_FALSE(checkPlanSettings(bad).empty());
    bad = {};
    bad.unitPrize = kMaxUnitAmount + 1;
    EXPECT_FALSE(checkPlanSettings(bad).empty());
    EXPECT_TRUE(checkPlanSettings({}).empty());
    EXPECT_FALSE(checkStageCount(0).empty());
    EXPECT_FALSE(checkStageCount(-1).empty());
    EXPECT_TRUE(checkStageCount(81).empty()); // more stages than periods is a plan too
    EXPECT_FALSE(checkBetCount(0).empty());
}

TEST(FixedPlan, SolvedMultiplierMatchesTheTrialEverywhere)
{
    SeededRandom random(17);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t B = random.uniform(0, 3000);
        const std::int64_t U = random.uniform(1, 3000);
        const std::int64_t T = random.uniform(-5000, 200000);
        const std::int64_t P = random.uniform(-2000, 5000);
        ASSERT_EQ(smallestMultiplier(B - U, P + T), trialMultiplier(B, U, T, P))
            << "B " << B << " U " << U << " T " << T << " P " << P;
    }
}

TEST(FixedPlan, LargestInputsStayInsideSixtyFourBits)
{
    PlanSettings s;
    s.priorLoss = kMaxLossOrProfit;
    s.expectedProfit = -kMaxLossOrProfit;
    s.unitStake = 1;
    s.unitPrize = kMaxUnitAmount;
    s.periods = kMaxPeriods;
    const PlanResult plan = fixedPlan(s);
    ASSERT_FALSE(plan.tooLarge);
    EXPECT_EQ(plan.rows.size(), static_cast<std::size_t>(kMaxPeriods));
    // The nets add up far beyond 2^63 / D on the way, yet the average is exact.
    PlanTable big(3, PlanRow{0, 0, 0, 0, 0, INT64_MAX / 2, 0});
    EXPECT_EQ(columnAverage(big, 5, 3), INT64_MAX / 2);
}

TEST(PhasedPlan, StagesHoldOneMultiplierAndMatchTheTrial)
{
    PlanSettings s;
    const PlanResult ten = phasedPlan(s, 10);
    ASSERT_EQ(ten.rows.size(), 80U);
    for (std::size_t i = 0; i < 80; ++i)
        EXPECT_EQ(ten.rows[i][1], ten.rows[i / 8 * 8][1]) << "period " << i + 1;
    EXPECT_EQ(ten.rows, trialPhased(s, 10).rows);

    const PlanResult thirty = phasedPlan(s, 30); // stages of 3; stage 27 holds 79 and 80
    ASSERT_EQ(thirty.rows.size(), 80U);
    EXPECT_EQ(thirty.rows[78][1], thirty.rows[79][1]);
    EXPECT_EQ(thirty.rows, trialPhased(s, 30).rows);

    SeededRandom random(5);
    for (int i = 0; i < 300; ++i) {
        PlanSettings r;
        r.priorLoss = random.uniform(0, 500);
        r.expectedProfit = random.uniform(-50, 300);
        r.unitStake = random.uniform(1, 40);
        r.unitPrize = random.uniform(0, 1200);
        r.periods = random.uniform(1, 120);
        const std::int64_t stages = random.uniform(1, static_cast<int>(r.periods));
        const PlanResult fast = phasedPlan(r, stages);
        const PlanResult slow = trialPhased(r, stages);
        ASSERT_EQ(fast.tooLarge, slow.tooLarge) << i;
        if (!fast.tooLarge) {
            ASSERT_EQ(fast.rows, slow.rows) << i;
        }
    }
}

TEST(PhasedPlan, MoreStagesThanPeriodsIsTheFixedPlan)
{
    // Stage length D div S rounded up is 1: every period its own stage, as in the fixed plan.
    for (const std::int64_t periods : {1, 5, 9, 80}) {
        PlanSettings s;
        s.periods = periods;
        for (const std::int64_t stages : {periods, periods + 1, std::int64_t{10}, std::int64_t{1000}}) {
            if (stages < periods)
                continue;
            const PlanResult phased = phasedPlan(s, stages);
            ASSERT_FALSE(phased.tooLarge);
            EXPECT_EQ(phased.rows, fixedPlan(s).rows) << periods << " periods, " << stages << " stages";
            EXPECT_EQ(phased.rows.size(), static_cast<std::size_t>(periods));
        }
    }
}

TEST(VariablePlan, RowsFollowTheBetsOfEachPeriod)
{
    PlanSettings s;
    PlanTable table;
    table.push_back(variablePeriod(s, table, 8).rows.at(0));
    EXPECT_EQ(table[0], (PlanRow{1, 1, 8, 16, 16, 1000, 984, 6150}));
    table.push_back(variablePeriod(s, table, 20).rows.at(0));
    EXPECT_EQ(table[1], (PlanRow{2, 1, 20, 40, 56, 1000, 944, 1685}));
    EXPECT_EQ(columnAverage(table, 6, 2), (984 + 944) / 2);
    s.unitPrize = 10;
    const PlanResult refused = variablePeriod(s, table, 8);
    EXPECT_TRUE(refused.tooLarge);
    EXPECT_FALSE(refused.outOfRange);
    EXPECT_TRUE(refused.rows.empty());
}

TEST(PlanArithmetic, ValuesNearTheLimitsAreRefusedNotWrapped)
{
    constexpr std::int64_t top = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t bottom = std::numeric_limits<std::int64_t>::min();
    PlanSettings s;
    // A loaded running total near 2^63: the needed profit itself would overflow.
    PlanTable near = {{1, 1, 8, 16, top - 5, 1000, -1, 0}};
    EXPECT_TRUE(variablePeriod(s, near, 8).outOfRange);
    // A running total far below zero: the net of the next period would pass 2^63.
    near = {{1, 1, 8, 16, bottom + 5, 1000, 0, 0}};
    const PlanResult wrapped = variablePeriod(s, near, 8);
    EXPECT_TRUE(wrapped.outOfRange);
    EXPECT_TRUE(wrapped.rows.empty());
    // A running total at the amount bound: the next stake takes it past and is refused.
    PlanSettings rich = s;
    rich.unitPrize = kMaxPlanAmount / 1000;
    near = {{1, 1, 8, 16, kMaxPlanAmount - 5, 1000, 0, 0}};
    EXPECT_TRUE(variablePeriod(rich, near, 8).outOfRange);
    // Far below zero the next net still fits and is computed exactly.
    near = {{1, 1, 8, 16, -kMaxPlanAmount, 1000, 0, 0}};
    ASSERT_EQ(variablePeriod(s, near, 8).rows.size(), 1U);
    EXPECT_EQ(variablePeriod(s, near, 8).rows[0][6], 1000 - (-kMaxPlanAmount + 16));

    // Settings no window accepts (the logic is checked on its own too).
    PlanSettings wide;
    wide.periods = 3;
    wide.priorLoss = bottom;
    EXPECT_TRUE(fixedPlan(wide).outOfRange);
    wide.priorLoss = 0;
    wide.unitStake = top;
    wide.unitPrize = bottom;
    EXPECT_TRUE(fixedPlan(wide).outOfRange);
    EXPECT_TRUE(phasedPlan(wide, 2).outOfRange);
    wide.unitStake = top / 2;
    wide.unitPrize = 0;
    EXPECT_TRUE(phasedPlan(wide, 1).outOfRange); // 3 periods of U in one stage
    EXPECT_FALSE(planRow(1, 10000, top / 5000, 0, 0).has_value());
    EXPECT_EQ(smallestMultiplier(top, top), 1);
    EXPECT_EQ(smallestMultiplier(top / 2, top), 3);
}

TEST(PlanArithmetic, LoadedRowsAreRangeChecked)
{
    const PlanRow fixedRow = {1, 1, 16, 16, 1000, 984, 6150};
    const PlanRow variableRow = {1, 1, 8, 16, 16, 1000, 984, 6150};
    EXPECT_EQ(checkPlanRows({fixedRow, variableRow}), "");
    struct Case {
        PlanRow row;
        std::string message;
    };
    const std::string amounts = std::to_string(-kMaxPlanAmount) + " 到 " + std::to_string(kMaxPlanAmount);
    const std::string nets = std::to_string(-kMaxPlanNet) + " 到 " + std::to_string(kMaxPlanNet);
    const Case cases[] = {
        {{0, 1, 16, 16, 1000, 984, 6150}, "第 1 期的“投注期号” 0 不在 1 到 100000 之间。"},
        {{1, 10001, 16, 16, 1000, 984, 6150}, "第 1 期的“投注倍数” 10001 不在 1 到 10000 之间。"},
        {{1, 1, 8, 16, 9223372036854774807, 1000, 984, 6150},
         "第 1 期的“当期总投入” 9223372036854774807 不在 " + amounts + " 之间。"},
        {{1, 1, 0, 16, 16, 1000, 984, 6150}, "第 1 期的“当期注数” 0 不在 1 到 5000000 之间。"},
        {{1, 1, 16, 16, 1000, -kMaxPlanNet - 1, 0},
         "第 1 期的“当期净利润” " + std::to_string(-kMaxPlanNet - 1) + " 不在 " + nets + " 之间。"},
        {{1, 1, 16}, "第 1 期的数据不是 7 个数。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkPlanRows({c.row}), c.message);
    // The period named is the row's place in the file.
    EXPECT_EQ(checkPlanRows({fixedRow, {2, 1, 16, 32, kMaxPlanAmount + 1, 968, 3025}}),
              "第 2 期的“当期中奖” " + std::to_string(kMaxPlanAmount + 1) + " 不在 " + amounts + " 之间。");
}
