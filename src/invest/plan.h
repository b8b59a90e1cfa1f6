#pragma once
// Multiplier plans: for every period the smallest multiplier (1..10000) at which a win in that
// period recovers everything staked so far, the prior loss included, and still leaves the
// expected profit. Signed 64-bit money throughout; every product and sum is checked, so no input
// (typed or loaded from a plan file) can overflow: a value past the bounds below is refused.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace pickora {

inline constexpr std::int64_t kMaxMultiplier = 10000;

// One row of a plan as the grid shows it: 7 values for the fixed and phased plans (period,
// multiplier, stake, total, prize, net, rate), 8 for the variable plan (bets after multiplier).
using PlanRow = std::vector<std::int64_t>;
using PlanTable = std::vector<PlanRow>;

struct PlanSettings {
    std::int64_t priorLoss = 0;      // L0
    std::int64_t expectedProfit = 10; // P
    std::int64_t unitStake = 16;     // U
    std::int64_t unitPrize = 1000;   // B
    std::int64_t periods = 80;       // D
};

// The bounds that keep every product and sum of a plan inside 64 bits.
inline constexpr std::int64_t kMaxLossOrProfit = 1'000'000'000'000; // |L0|, |P|
inline constexpr std::int64_t kMaxUnitAmount = 10'000'000;          // U, B, 2n
inline constexpr std::int64_t kMaxPeriods = 100'000;                // D, S
inline constexpr std::int64_t kMaxBets = kMaxUnitAmount / 2;        // n
// The largest amount a plan row may hold (stake, total, prize, net). Bounded settings stay far
// below it (the multiplier cap keeps a total within about 10^11 + |L0|); a plan file may not,
// and 100 times it still fits in 64 bits, so the rate of any accepted row can be computed.
inline constexpr std::int64_t kMaxPlanAmount = std::numeric_limits<std::int64_t>::max() / 200;
// A net is a prize less a total: at most twice an amount; a rate is 100 net / total.
inline constexpr std::int64_t kMaxPlanNet = 2 * kMaxPlanAmount;
inline constexpr std::int64_t kMaxPlanRate = 100 * kMaxPlanNet;

// The message for a row whose amounts leave the bounds above.
inline constexpr const char* kPlanOutOfRange = "计划的金额超出了可以计算的范围，无法投注！";

// What is wrong with the settings, in a sentence for the player; empty when they are usable.
std::string checkPlanSettings(const PlanSettings& settings);
std::string checkStageCount(std::int64_t stages);
std::string checkBetCount(std::int64_t bets);
// What is wrong with rows read from a plan file (7 values a row, or 8 for the variable plan):
// the first value outside its column's bounds, named by period and column; empty when none.
std::string checkPlanRows(const PlanTable& rows);

// The smallest m in 1..10000 with m * gainPerMultiple >= needed, as trying m = 1, 2, ... would
// find it; nothing when no such m exists.
std::optional<std::int64_t> smallestMultiplier(std::int64_t gainPerMultiple, std::int64_t needed);

// The 7 values of a period at multiplier m after `totalBefore` has been invested; nothing when a
// value would leave the plan bounds (kMaxPlanAmount, kMaxPlanRate).
std::optional<PlanRow> planRow(std::int64_t period, std::int64_t multiplier,
                               std::int64_t unitStake, std::int64_t unitPrize,
                               std::int64_t totalBefore);

struct PlanResult {
    PlanTable rows;
    bool tooLarge = false;   // some period needs more than 10000: "所需倍数太大，无法投注！"
    bool outOfRange = false; // some amount leaves the plan bounds: kPlanOutOfRange
};

PlanResult fixedPlan(const PlanSettings& settings);
// The periods cut into `stages` stages of D div S (rounded up) periods, one multiplier a stage.
PlanResult phasedPlan(const PlanSettings& settings, std::int64_t stages);

// The variable plan's next period with n bets (stake 2n per multiple) after `previous` rows
// (8 values each): one row, or none with tooLarge or outOfRange set.
PlanResult variablePeriod(const PlanSettings& settings, const PlanTable& previous,
                          std::int64_t bets);

// The average of one column over `divisor` rows, truncated toward zero (rows missing from the
// table count as 0). A sum of many large nets may pass 64 bits, so it is added in 128 bits.
std::int64_t columnAverage(const PlanTable& rows, std::size_t column, std::int64_t divisor);

} // namespace pickora
