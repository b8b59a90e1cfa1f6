#include "invest/plan_bounds.h"

namespace pickora {

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

std::int64_t magnitude(std::int64_t value)
{
    return value < 0 ? -value : value;
}

} // namespace

std::int64_t largestUnitStake(std::int64_t periods, std::int64_t priorLoss)
{
    if (periods < 1 || magnitude(priorLoss) > kPlanAmountLimit)
        return 0;
    // D periods at the multiplier 10000 stake D * 10000 * U on top of the prior loss.
    return (kPlanAmountLimit - magnitude(priorLoss)) / (periods * kMaxMultiplier);
}

std::string checkPlanInputs(const PlanSettings& s, bool unitStakeUsed)
{
    // The limit is below 2^63 / 200, so the magnitudes below cannot overflow themselves.
    if (s.priorLoss < -kPlanAmountLimit || s.priorLoss > kPlanAmountLimit)
        return "前期亏损必须在 " + number(-kPlanAmountLimit) + " 到 " + number(kPlanAmountLimit)
               + " 之间。";
    if (s.expectedProfit < -kPlanAmountLimit || s.expectedProfit > kPlanAmountLimit)
        return "预期利润必须在 " + number(-kPlanAmountLimit) + " 到 " + number(kPlanAmountLimit)
               + " 之间。";
    if (s.periods < 1 || s.periods > kMaxPeriods)
        return "投注期数必须在 1 到 " + number(kMaxPeriods) + " 之间。";
    const std::int64_t largestPrize = kPlanAmountLimit / kMaxMultiplier;
    if (s.unitPrize < 0 || s.unitPrize > largestPrize)
        return "单注奖金必须在 0 到 " + number(largestPrize) + " 之间。";
    if (unitStakeUsed) {
        const std::int64_t largestStake = largestUnitStake(s.periods, s.priorLoss);
        if (s.unitStake < 1 || s.unitStake > largestStake)
            return "单倍投入必须在 1 到 " + number(largestStake) + " 之间（投注期数为 "
                   + number(s.periods) + " 时）。";
    }
    return {};
}

std::string checkBetInput(std::int64_t bets, const PlanSettings& s)
{
    const std::int64_t largest = largestUnitStake(s.periods, s.priorLoss) / 2;
    if (bets < 1 || bets > largest)
        return "本期注数必须在 1 到 " + number(largest) + " 之间（投注期数为 " + number(s.periods)
               + " 时）。";
    return {};
}

} // namespace pickora
