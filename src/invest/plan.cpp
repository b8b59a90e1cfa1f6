#include "invest/plan.h"

#include <algorithm>

namespace pickora {

namespace {

bool within(std::int64_t value, std::int64_t low, std::int64_t high)
{
    return value >= low && value <= high;
}

std::string number(std::int64_t value) { return std::to_string(value); }

} // namespace

std::string checkPlanSettings(const PlanSettings& s)
{
    if (!within(s.priorLoss, -kMaxLossOrProfit, kMaxLossOrProfit))
        return "前期亏损必须在 " + number(-kMaxLossOrProfit) + " 到 " + number(kMaxLossOrProfit)
               + " 之间。";
    if (!within(s.expectedProfit, -kMaxLossOrProfit, kMaxLossOrProfit))
        return "预期利润必须在 " + number(-kMaxLossOrProfit) + " 到 " + number(kMaxLossOrProfit)
               + " 之间。";
    if (!within(s.unitStake, 1, kMaxUnitAmount))
        return "单倍投入必须在 1 到 " + number(kMaxUnitAmount) + " 之间。";
    if (!within(s.unitPrize, 0, kMaxUnitAmount))
        return "单注奖金必须在 0 到 " + number(kMaxUnitAmount) + " 之间。";
    if (!within(s.periods, 1, kMaxPeriods))
        return "投注期数必须在 1 到 " + number(kMaxPeriods) + " 之间。";
    return {};
}

std::string checkStageCount(std::int64_t stages)
{
    // More stages than periods still make a plan: stages of one period each.
    if (stages < 1)
        return "阶段次数必须大于 0！";
    return {};
}

std::string checkBetCount(std::int64_t bets)
{
    if (!within(bets, 1, kMaxBets))
        return "本期注数必须在 1 到 " + number(kMaxBets) + " 之间。";
    return {};
}

std::optional<std::int64_t> smallestMultiplier(std::int64_t gain, std::int64_t needed)
{
    std::int64_t m = 1;
    if (gain > 0 && needed > gain) {
        // ceil(needed / gain) for positive operands.
        m = needed / gain + (needed % gain != 0 ? 1 : 0);
    }
    // With no gain per multiple a larger m never helps: m = 1 is the only candidate.
    if (m > kMaxMultiplier || m * gain < needed)
        return std::nullopt;
    return m;
}

PlanRow planRow(std::int64_t period, std::int64_t m, std::int64_t unitStake,
                std::int64_t unitPrize, std::int64_t totalBefore)
{
    const std::int64_t stake = m * unitStake;
    const std::int64_t total = totalBefore + stake;
    const std::int64_t prize = m * unitPrize;
    const std::int64_t net = prize - total;
    const std::int64_t rate = total != 0 ? net * 100 / total : 0;
    return {period, m, stake, total, prize, net, rate};
}

PlanResult fixedPlan(const PlanSettings& s)
{
    PlanResult result;
    result.rows.reserve(static_cast<std::size_t>(s.periods));
    std::int64_t total = s.priorLoss;
    for (std::int64_t i = 1; i <= s.periods; ++i) {
        // m B - (T + m U) >= P  <=>  m (B - U) >= P + T
        const auto m = smallestMultiplier(s.unitPrize - s.unitStake, s.expectedProfit + total);
        if (!m) {
            result.tooLarge = true;
            return result;
        }
        result.rows.push_back(planRow(i, *m, s.unitStake, s.unitPrize, total));
        total += *m * s.unitStake;
    }
    return result;
}

PlanResult phasedPlan(const PlanSettings& s, std::int64_t stages)
{
    PlanResult result;
    const std::int64_t length = s.periods / stages + (s.periods % stages != 0 ? 1 : 0);
    std::int64_t total = s.priorLoss;
    for (std::int64_t stage = 1; stage <= stages; ++stage) {
        const std::int64_t first = (stage - 1) * length + 1;
        if (first > s.periods)
            break;
        const std::int64_t last = std::min(stage * length, s.periods);
        // The stage's last period has the largest total, so the multiplier that carries it
        // carries every earlier period of the stage: m (B - q U) >= P + T, q periods into it.
        const std::int64_t q = last - first + 1;
        const auto m
            = smallestMultiplier(s.unitPrize - q * s.unitStake, s.expectedProfit + total);
        if (!m) {
            result.tooLarge = true;
            return result;
        }
        for (std::int64_t j = first; j <= last; ++j) {
            result.rows.push_back(planRow(j, *m, s.unitStake, s.unitPrize, total));
            total += *m * s.unitStake;
        }
    }
    return result;
}

std::optional<PlanRow> variablePeriod(const PlanSettings& s, const PlanTable& previous,
                                      std::int64_t bets)
{
    const std::int64_t unitStake = 2 * bets;
    const std::int64_t totalBefore = previous.empty() ? s.priorLoss : previous.back().at(4);
    const auto m = smallestMultiplier(s.unitPrize - unitStake, s.expectedProfit + totalBefore);
    if (!m)
        return std::nullopt;
    const PlanRow fixed = planRow(static_cast<std::int64_t>(previous.size()) + 1, *m, unitStake,
                                  s.unitPrize, totalBefore);
    // period, multiplier, bets, stake, total, prize, net, rate
    return PlanRow{fixed[0], fixed[1], bets, fixed[2], fixed[3], fixed[4], fixed[5], fixed[6]};
}

std::int64_t columnAverage(const PlanTable& rows, std::size_t column, std::int64_t divisor)
{
    if (divisor <= 0)
        return 0;
    __extension__ using Int128 = __int128;
    Int128 sum = 0;
    for (std::int64_t i = 0; i < divisor && i < static_cast<std::int64_t>(rows.size()); ++i) {
        const PlanRow& row = rows[static_cast<std::size_t>(i)];
        if (column < row.size())
            sum += row[column];
    }
    return static_cast<std::int64_t>(sum / divisor);
}

} // namespace pickora
