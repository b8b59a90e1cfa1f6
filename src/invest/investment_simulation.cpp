#include "invest/investment_simulation.h"

#include <algorithm>

namespace pickora {

namespace {

__extension__ using Int128 = __int128;

std::string number(std::int64_t value) { return std::to_string(value); }

bool within(std::int64_t value, std::int64_t low, std::int64_t high)
{
    return value >= low && value <= high;
}

std::int64_t rateOf(std::int64_t net, std::int64_t total)
{
    return total != 0 ? net * 100 / total : 0;
}

RunRow makeRow(std::int64_t period, std::int64_t m, const SimulationSettings& s,
               std::int64_t totalBefore)
{
    RunRow row;
    row.period = period;
    row.multiplier = m;
    row.stake = m * s.unitStake;
    row.total = totalBefore + row.stake;
    row.prize = m * s.unitPrize;
    row.net = row.prize - row.total;
    row.rate = rateOf(row.net, row.total);
    return row;
}

bool reachesRate(const SimulationSettings& s, std::int64_t totalBefore, std::int64_t m)
{
    const RunRow row = makeRow(1, m, s, totalBefore);
    return row.rate >= s.profitRate;
}

} // namespace

std::string checkSimulationSettings(const SimulationSettings& s, std::int64_t bets)
{
    if (!within(s.profitRate, -kMaxProfitRate, kMaxProfitRate))
        return "预期利润必须在 " + number(-kMaxProfitRate) + " 到 " + number(kMaxProfitRate)
               + " 之间。";
    if (!within(bets, 1, kMaxSimulationBets))
        return "单倍注数必须在 1 到 " + number(kMaxSimulationBets) + " 之间。";
    if (!within(s.unitPrize, 0, kMaxUnitPrizeAmount))
        return "单注奖金必须在 0 到 " + number(kMaxUnitPrizeAmount) + " 之间。";
    if (!within(s.maxStake, 0, kMaxLimitAmount))
        return "单期最大投入必须在 0 到 " + number(kMaxLimitAmount) + " 之间。";
    if (!within(s.maxTotal, 0, kMaxLimitAmount))
        return "累计最大投入必须在 0 到 " + number(kMaxLimitAmount) + " 之间。";
    if (!within(s.runLength, 1, kMaxRunLength) || !within(s.wait, 0, kMaxWait)
        || !within(s.interval, 1, kMaxObservedInterval)
        || !within(s.intervalCount, 1, kMaxObservedCount))
        return "投资模式设置超出范围。";
    return {};
}

std::optional<std::int64_t> runMultiplier(const SimulationSettings& s, std::int64_t totalBefore)
{
    // With T = c + m U > 0 and x = 100 (m B - T) / T, trunc(x) >= P means x >= P for P >= 1 and
    // x > P - 1 for P <= 0. Both are linear in m: m g >= need.
    const bool positive = s.profitRate >= 1;
    const Int128 q = positive ? Int128{s.profitRate} : Int128{s.profitRate} - 1;
    const Int128 g = Int128{100} * s.unitPrize - (100 + q) * s.unitStake;
    const Int128 need = (100 + q) * totalBefore + (positive ? 0 : 1);
    Int128 m = 1;
    if (need > g) {
        if (g <= 0)
            return std::nullopt; // a larger multiple never gains more
        m = need / g + (need % g != 0 ? 1 : 0);
    }
    if (m > kMaxRunMultiplier)
        return std::nullopt;
    const auto found = static_cast<std::int64_t>(m);
    // The closed form must agree with trying m = 1, 2, ...: m reaches the rate, m - 1 does not.
    if (!reachesRate(s, totalBefore, found) || (found > 1 && reachesRate(s, totalBefore, found - 1)))
        return std::nullopt;
    return found;
}

void extendRunPlan(RunPlan& plan, const SimulationSettings& s, std::int64_t carriedLoss, int rows)
{
    std::int64_t cum = plan.rows.empty() ? carriedLoss : plan.rows.back().total;
    bool affordable = plan.affordable == static_cast<int>(plan.rows.size());
    for (int j = static_cast<int>(plan.rows.size()) + 1; j <= rows && plan.failedRow == 0; ++j) {
        const auto m = runMultiplier(s, cum);
        if (!m) {
            plan.failedRow = j;
            break;
        }
        const RunRow row = makeRow(j, *m, s, cum);
        affordable = affordable && row.stake <= s.maxStake && row.total <= s.maxTotal;
        if (affordable)
            plan.affordable = j;
        plan.rows.push_back(row);
        cum = row.total;
    }
}

RunPlan buildRunPlan(const SimulationSettings& s, std::int64_t carriedLoss, int rows)
{
    RunPlan plan;
    plan.rows.reserve(static_cast<std::size_t>(std::max(rows, 0)));
    extendRunPlan(plan, s, carriedLoss, rows);
    return plan;
}

RunPlanCache::RunPlanCache(const SimulationSettings& settings) : settings_(settings) {}

bool RunPlanCache::sameAmounts(const SimulationSettings& s) const
{
    return s.profitRate == settings_.profitRate && s.unitStake == settings_.unitStake
           && s.unitPrize == settings_.unitPrize && s.maxStake == settings_.maxStake
           && s.maxTotal == settings_.maxTotal;
}

const RunPlan& RunPlanCache::plan(std::int64_t carriedLoss, int rows)
{
    RunPlan& plan = plans_[carriedLoss];
    if (!plan.covers(rows))
        extendRunPlan(plan, settings_, carriedLoss, rows);
    return plan;
}

HitTrack::HitTrack(const HitGapTable& table) : size_(table.size())
{
    next_.assign(static_cast<std::size_t>(size_) + 2, size_ + 1);
    for (int row = size_; row >= 1; --row)
        next_[static_cast<std::size_t>(row)] = table.isHit(row - 1) ? row : next_[static_cast<std::size_t>(row) + 1];
    next_[0] = next_[1];
}

namespace {

// The replay; `keep` receives every result as it is decided.
template <class Keep>
std::int64_t replay(const HitTrack& track, const SimulationSettings& s, RunPlanCache& cache,
                    SimulationStop& stop, Keep keep)
{
    const int D = track.size();
    const int R = s.runLength;
    int r = 1;
    int h = 0;
    int c = 0;
    bool haveLast = false;
    SimulationResultRow last;
    std::int64_t sumAll = 0;
    std::int64_t sumCounted = 0; // wins and losses cut short by S or A
    bool failedPlan = false;
    stop = SimulationStop::Finished;
    bool any = false;

    while (r <= D) {
        // 1. The loss carried from a lost full-length run.
        std::int64_t carried = 0;
        if (s.carry && haveLast && last.row.net < 0 && !last.finalLoss)
            carried = -last.row.net;
        // 2. The run's plan.
        const RunPlan& plan = cache.plan(carried, R);
        if (plan.failedRow == 1) {
            stop = SimulationStop::MultiplierTooBig;
            failedPlan = true;
            break;
        }
        if (plan.affordable == 0) {
            stop = SimulationStop::FirstDayTooBig;
            failedPlan = true;
            break;
        }
        if (plan.failedRow != 0 && plan.failedRow <= R) {
            stop = SimulationStop::MultiplierTooBig;
            failedPlan = true;
            break;
        }
        const int F = std::min(plan.affordable, R);
        // 3. Observation: C successive hit-to-hit intervals of at least I rows.
        bool noHit = false;
        while (c < s.intervalCount) {
            r = track.nextHit(r);
            if (r > D) {
                noHit = true;
                break;
            }
            c = r - h < s.interval ? 0 : c + 1;
            h = r;
            r = r + 1;
        }
        if (noHit)
            break;
        // 4.
        if (r > D)
            break;
        // 5. Waiting: W rows after the latest hit free of hits.
        if (s.wait > 0) {
            for (;;) {
                const int hit = track.nextHit(h + 1);
                if (hit > h + s.wait || hit > D)
                    break;
                h = hit;
            }
        }
        h += s.wait;
        r = h + 1;
        if (r > D)
            break;
        // 6. The run, up to the first hit after h.
        const int hit = track.nextHit(h + 1);
        const int j = hit <= D ? hit - h : D - h + 1;
        SimulationResultRow result;
        result.carried = carried;
        if (j <= F && h + j <= D) {
            result.row = plan.rows[static_cast<std::size_t>(j - 1)];
            result.won = true;
            c = 0;
        } else if (j <= F) {
            break; // the history ends while the run is still affordable
        } else {
            result.row = plan.rows[static_cast<std::size_t>(F - 1)];
            result.row.net = -result.row.total;
            result.finalLoss = F < R;
        }
        any = true;
        sumAll += result.row.net;
        if (result.row.net >= 0 || result.finalLoss)
            sumCounted += result.row.net;
        keep(result);
        h += j;
        r = h + 1;
        if (h >= D)
            break;
        last = result;
        haveLast = true;
    }
    if (!any)
        return 0;
    // 7. With carry, an unmarked loss is paid through the next run's totals, so only wins and
    // losses cut short count; after a failed plan every result counts.
    return s.carry && !failedPlan ? sumCounted : sumAll;
}

} // namespace

std::int64_t simulateBalance(const HitTrack& track, const SimulationSettings& s,
                             RunPlanCache& cache)
{
    SimulationStop stop{};
    return replay(track, s, cache, stop, [](const SimulationResultRow&) {});
}

SimulationResult simulateInvestment(const HitTrack& track, const SimulationSettings& s,
                                    RunPlanCache& cache)
{
    SimulationResult result;
    result.balance = replay(track, s, cache, result.stop,
                            [&](const SimulationResultRow& row) { result.rows.push_back(row); });
    return result;
}

SimulationResult simulateInvestment(const HitGapTable& table, const SimulationSettings& s)
{
    const HitTrack track(table);
    RunPlanCache cache(s);
    return simulateInvestment(track, s, cache);
}

} // namespace pickora
