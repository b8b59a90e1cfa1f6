#pragma once
// Replaying a betting strategy over a list's hit gaps: watch the wins, start a run of raising
// multipliers when the observed pattern occurs, stop at the first win or when the run's limits are
// reached, and add up what every run won or lost. Signed 64-bit money throughout; the settings are
// bounded (checkSimulationSettings) so that no amount can overflow.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "invest/investment_mode.h"

namespace pickora {

inline constexpr std::int64_t kMaxRunMultiplier = 100000;
inline constexpr int kMaxRunLength = 50;       // R: items "1" .. "50"
inline constexpr int kMaxWait = 50;            // W: items "0" .. "50"
inline constexpr int kMaxObservedInterval = 100; // I: items "1" .. "100"
inline constexpr int kMaxObservedCount = 10;   // C: items "1" .. "10"

struct SimulationSettings {
    std::int64_t profitRate = 10;     // P, percent
    std::int64_t unitStake = 200;     // U = 2 per bet
    std::int64_t unitPrize = 1000;    // B
    std::int64_t maxStake = 1000000;  // S, one draw
    std::int64_t maxTotal = 1000000;  // A, one run
    int runLength = 1;                // R
    int interval = 1;                 // I
    int intervalCount = 1;            // C
    int wait = 0;                     // W
    bool carry = true;
};

// The limits of the amounts the player types, so that every sum and product fits 64 bits.
inline constexpr std::int64_t kMaxProfitRate = 1'000'000;          // |P|
inline constexpr std::int64_t kMaxSimulationBets = 1000;           // U <= 2000
inline constexpr std::int64_t kMaxUnitPrizeAmount = 1'000'000'000; // B
inline constexpr std::int64_t kMaxLimitAmount = 1'000'000'000'000'000; // S, A

// What is wrong with the settings, in a sentence for the player; empty when they are usable.
// `bets` is the bet count the stake is made of.
std::string checkSimulationSettings(const SimulationSettings& settings, std::int64_t bets);

// One row of a run's plan or one result: period j, multiplier, stake, total invested, prize,
// net profit and rate (net * 100 / total).
struct RunRow {
    std::int64_t period = 0;
    std::int64_t multiplier = 0;
    std::int64_t stake = 0;
    std::int64_t total = 0;
    std::int64_t prize = 0;
    std::int64_t net = 0;
    std::int64_t rate = 0;
    friend bool operator==(const RunRow&, const RunRow&) = default;
};

// The smallest m in 1..100000 at which a win after `totalBefore` already invested reaches the
// profit rate (net * 100 / total, truncated toward zero, at least P); nothing when none does.
std::optional<std::int64_t> runMultiplier(const SimulationSettings& settings,
                                          std::int64_t totalBefore);

// A run's plan for a carried loss: its rows (up to the run length asked for), where the
// multiplier search first failed (0: not among the rows built), and how many leading rows are
// affordable (stake <= S and total <= A). A plan of R rows is the first R rows of a longer one.
struct RunPlan {
    std::vector<RunRow> rows;
    int failedRow = 0;
    int affordable = 0;

    // Whether rows 1 .. count are decided (built, or cut off by a failed row).
    bool covers(int count) const
    {
        return failedRow != 0 || static_cast<int>(rows.size()) >= count;
    }
};

RunPlan buildRunPlan(const SimulationSettings& settings, std::int64_t carriedLoss,
                     int rows = kMaxRunLength);
// Adds rows to `plan` (built for `carriedLoss`) until it covers `rows`.
void extendRunPlan(RunPlan& plan, const SimulationSettings& settings, std::int64_t carriedLoss,
                   int rows);

// The plans already built for the carried losses met so far: a run's plan depends only on its
// carried loss and on P, U, B, S and A, so a search sweeping R, W and C reuses them.
class RunPlanCache {
public:
    explicit RunPlanCache(const SimulationSettings& settings);
    // The plan for `carriedLoss`, covering at least `rows` rows.
    const RunPlan& plan(std::int64_t carriedLoss, int rows);
    bool sameAmounts(const SimulationSettings& settings) const;

private:
    SimulationSettings settings_;
    std::unordered_map<std::int64_t, RunPlan> plans_; // node-based: references stay valid
};

enum class SimulationStop {
    Finished,       // the history ran out
    FirstDayTooBig, // a run's first draw already exceeds S or A
    MultiplierTooBig, // no multiplier up to 100000 reaches P
};

struct SimulationResultRow {
    RunRow row;
    bool finalLoss = false; // lost after being cut short by S or A
    bool won = false;
    std::int64_t carried = 0; // the loss carried into this run (part of its total)
    friend bool operator==(const SimulationResultRow&, const SimulationResultRow&) = default;
};

struct SimulationResult {
    std::vector<SimulationResultRow> rows;
    std::int64_t balance = 0;
    SimulationStop stop = SimulationStop::Finished;
};

// The whole replay over the gap table. An empty table gives no rows and balance 0.
SimulationResult simulateInvestment(const HitGapTable& table, const SimulationSettings& settings);

// The hit rows of a table prepared once for many replays: for every row the next hit at or after
// it. Rows are numbered 1 .. D as the replay counts them.
class HitTrack {
public:
    explicit HitTrack(const HitGapTable& table);
    int size() const { return size_; }
    // The first hit row >= row, or size() + 1 when there is none.
    int nextHit(int row) const { return next_[static_cast<std::size_t>(row)]; }

private:
    int size_ = 0;
    std::vector<int> next_; // 1 .. size + 1
};

// The replay's overall balance alone, with the plans taken from (and added to) `cache`, whose
// amounts must be those of `settings`. This is what the strategy search runs.
std::int64_t simulateBalance(const HitTrack& track, const SimulationSettings& settings,
                             RunPlanCache& cache);
SimulationResult simulateInvestment(const HitTrack& track, const SimulationSettings& settings,
                                    RunPlanCache& cache);

} // namespace pickora
