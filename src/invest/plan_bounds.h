#pragma once
// What the plan windows accept as settings: only the bounds that keep every amount of a plan,
// and 100 times a net profit, exact in 64 bits. A unit prize of a hundred million is fine; a
// unit prize whose 10000-fold no longer fits is not.

#include <cstdint>
#include <limits>
#include <string>

#include "invest/plan.h"

namespace pickora {

// The largest amount a setting may lead to: a total, a prize or a loss. A net profit is the
// difference of two of them, and 100 times that still fits.
inline constexpr std::int64_t kPlanAmountLimit = std::numeric_limits<std::int64_t>::max() / 200;

// The largest stake per multiple (U, or 2n in the variable plan) that D periods at the top
// multiplier can carry after a prior loss L0; 0 when none can.
std::int64_t largestUnitStake(std::int64_t periods, std::int64_t priorLoss);

// What is wrong with the five settings, in a sentence for the player; empty when they are
// usable. `unitStakeUsed` is false for the variable plan, whose stake follows from the bets.
std::string checkPlanInputs(const PlanSettings& settings, bool unitStakeUsed = true);
// The variable plan's bet count n: at least 1, and 2n within largestUnitStake.
std::string checkBetInput(std::int64_t bets, const PlanSettings& settings);

} // namespace pickora
