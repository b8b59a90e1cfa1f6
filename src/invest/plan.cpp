#include "invest/plan.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace pickora {

namespace {

bool within(std::int64_t value, std::int64_t low, std::int64_t high)
{
    return value >= low && value <= high;
}

std::string number(std::int64_t value) { return std::to_string(value); }

// Checked arithmetic: false when the exact result does not fit in 64 bits.
bool add(std::int64_t a, std::int64_t b, std::int64_t& result)
{
    return !__builtin_add_overflow(a, b, &result);
}

bool subtract(std::int64_t a, std::int64_t b, std::int64_t& result)
{
    return !__builtin_sub_overflow(a, b, &result);
}

bool multiply(std::int64_t a, std::int64_t b, std::int64_t& result)
{
    return !__builtin_mul_overflow(a, b, &result);
}

bool isAmount(std::int64_t value) { return within(value, -kMaxPlanAmount, kMaxPlanAmount); }

struct ColumnBounds {
    const char* name;
    std::int64_t low;
    std::int64_t high;
};

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

std::string checkPlanRows(const PlanTable& rows)
{
    static constexpr ColumnBounds fixedColumns[] = {
        {"投注期号", 1, kMaxPeriods},        {"投注倍数", 1, kMaxMultiplier},
        {"当期投注", -kMaxPlanAmount, kMaxPlanAmount}, {"当期总投入", -kMaxPlanAmount, kMaxPlanAmount},
        {"当期中奖", -kMaxPlanAmount, kMaxPlanAmount}, {"当期净利润", -kMaxPlanNet, kMaxPlanNet},
        {"当期利润率(%)", -kMaxPlanRate, kMaxPlanRate}};
    static constexpr ColumnBounds variableColumns[] = {
        {"投注期号", 1, kMaxPeriods},        {"投注倍数", 1, kMaxMultiplier},
        {"当期注数", 1, kMaxBets},
        {"当期投注", -kMaxPlanAmount, kMaxPlanAmount}, {"当期总投入", -kMaxPlanAmount, kMaxPlanAmount},
        {"当期中奖", -kMaxPlanAmount, kMaxPlanAmount}, {"当期净利润", -kMaxPlanNet, kMaxPlanNet},
        {"当期利润率(%)", -kMaxPlanRate, kMaxPlanRate}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const PlanRow& row = rows[r];
        const std::span<const ColumnBounds> bounds
            = row.size() == std::size(variableColumns) ? std::span<const ColumnBounds>(variableColumns)
                                                       : std::span<const ColumnBounds>(fixedColumns);
        if (row.size() != bounds.size())
            return "第 " + number(static_cast<std::int64_t>(r) + 1) + " 期的数据不是 "
                   + number(static_cast<std::int64_t>(bounds.size())) + " 个数。";
        for (std::size_t c = 0; c < row.size(); ++c)
            if (!within(row[c], bounds[c].low, bounds[c].high))
                return "第 " + number(static_cast<std::int64_t>(r) + 1) + " 期的“" + bounds[c].name
                       + "” " + number(row[c]) + " 不在 " + number(bounds[c].low) + " 到 "
                       + number(bounds[c].high) + " 之间。";
    }
    return {};
}

std::optional<std::int64_t> smallestMultiplier(std::int64_t gain, std::int64_t needed)
{
    std::int64_t m = 1;
    if (gain > 0 && needed > gain) {
        // ceil(needed / gain) for positive operands.
        m = needed / gain + (needed % gain != 0 ? 1 : 0);
    }
    if (m > kMaxMultiplier)
        return std::nullopt;
    // With no gain per multiple a larger m never helps: m = 1 is the only candidate. A product
    // past 2^63 can only come from a positive gain, and then it certainly reaches `needed`.
    std::int64_t reached = 0;
    if (multiply(m, gain, reached) && reached < needed)
        return std::nullopt;
    return m;
}

std::optional<PlanRow> planRow(std::int64_t period, std::int64_t m, std::int64_t unitStake,
                               std::int64_t unitPrize, std::int64_t totalBefore)
{
    std::int64_t stake = 0;
    std::int64_t total = 0;
    std::int64_t prize = 0;
    std::int64_t net = 0;
    if (!multiply(m, unitStake, stake) || !add(totalBefore, stake, total)
        || !multiply(m, unitPrize, prize) || !subtract(prize, total, net))
        return std::nullopt;
    if (!isAmount(stake) || !isAmount(total) || !isAmount(prize)
        || !within(net, -kMaxPlanNet, kMaxPlanNet))
        return std::nullopt;
    // |net| <= kMaxPlanNet, so 100 net fits; the rate then lies within kMaxPlanRate.
    const std::int64_t rate = total != 0 ? net * 100 / total : 0;
    return PlanRow{period, m, stake, total, prize, net, rate};
}

PlanResult fixedPlan(const PlanSettings& s)
{
    PlanResult result;
    result.rows.reserve(static_cast<std::size_t>(s.periods));
    std::int64_t total = s.priorLoss;
    for (std::int64_t i = 1; i <= s.periods; ++i) {
        // m B - (T + m U) >= P  <=>  m (B - U) >= P + T
        std::int64_t gain = 0;
        std::int64_t needed = 0;
        if (!subtract(s.unitPrize, s.unitStake, gain) || !add(s.expectedProfit, total, needed)) {
            result.outOfRange = true;
            return result;
        }
        const auto m = smallestMultiplier(gain, needed);
        if (!m) {
            result.tooLarge = true;
            return result;
        }
        auto row = planRow(i, *m, s.unitStake, s.unitPrize, total);
        if (!row) {
            result.outOfRange = true;
            return result;
        }
        total = (*row)[3];
        result.rows.push_back(std::move(*row));
    }
    return result;
}

PlanResult phasedPlan(const PlanSettings& s, std::int64_t stages)
{
    PlanResult result;
    if (stages < 1 || s.periods < 1)
        return result;
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
        std::int64_t stageStake = 0;
        std::int64_t gain = 0;
        std::int64_t needed = 0;
        if (!multiply(q, s.unitStake, stageStake) || !subtract(s.unitPrize, stageStake, gain)
            || !add(s.expectedProfit, total, needed)) {
            result.outOfRange = true;
            return result;
        }
        const auto m = smallestMultiplier(gain, needed);
        if (!m) {
            result.tooLarge = true;
            return result;
        }
        for (std::int64_t j = first; j <= last; ++j) {
            auto row = planRow(j, *m, s.unitStake, s.unitPrize, total);
            if (!row) {
                result.outOfRange = true;
                return result;
            }
            total = (*row)[3];
            result.rows.push_back(std::move(*row));
        }
    }
    return result;
}

PlanResult variablePeriod(const PlanSettings& s, const PlanTable& previous, std::int64_t bets)
{
    PlanResult result;
    std::int64_t unitStake = 0;
    std::int64_t gain = 0;
    std::int64_t needed = 0;
    const std::int64_t totalBefore = previous.empty() ? s.priorLoss : previous.back().at(4);
    if (!multiply(2, bets, unitStake) || !subtract(s.unitPrize, unitStake, gain)
        || !add(s.expectedProfit, totalBefore, needed)) {
        result.outOfRange = true;
        return result;
    }
    const auto m = smallestMultiplier(gain, needed);
    if (!m) {
        result.tooLarge = true;
        return result;
    }
    const auto fixed = planRow(static_cast<std::int64_t>(previous.size()) + 1, *m, unitStake,
                               s.unitPrize, totalBefore);
    if (!fixed) {
        result.outOfRange = true;
        return result;
    }
    const PlanRow& f = *fixed;
    // period, multiplier, bets, stake, total, prize, net, rate
    result.rows.push_back(PlanRow{f[0], f[1], bets, f[2], f[3], f[4], f[5], f[6]});
    return result;
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
