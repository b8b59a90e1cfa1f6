#pragma once
// The search behind the wheel generator: a greedy start, then simulated annealing at one size
// after another, each size a little smaller than the last design found.

#include <chrono>
#include <optional>
#include <cstdint>
#include <random>
#include <vector>

#include "recommend/wheel_design.h"

namespace pickora::wheels {

// The design as a set-cover problem: every possible bet and every drawn set, with which bets
// serve which drawn sets.
struct WheelInstance {
    explicit WheelInstance(const WheelParams& p);
    bool serves(int bet, int drawnSet) const;

    WheelParams params;
    std::vector<WheelBet> bets;                   // every m-subset of the b positions
    std::vector<WheelBet> drawnSets;              // every r-subset
    std::vector<std::vector<std::uint16_t>> served; // per bet: the drawn sets it serves
    std::vector<std::vector<std::uint16_t>> servers; // per drawn set: the bets serving it
};

// Bets ordered as their position lists read: "1 2 3" before "1 2 4" before "1 3 4".
bool lexicographicLess(WheelBet a, WheelBet b);

using Clock = std::chrono::steady_clock;

// The greedy design: always the bet serving most drawn sets not yet served (ties at random).
std::vector<WheelBet> greedyWheel(const WheelInstance& instance, std::mt19937_64& random);

// Simulated annealing on designs of exactly `size` bets, starting from `start` (cut or padded at
// random); a complete design when one is found before `deadline`.
bool annealToSize(const WheelInstance& instance, std::vector<WheelBet> start, int size,
                  Clock::time_point deadline, std::mt19937_64& random,
                  std::vector<WheelBet>& found);

// Whether a design of `size` bets exists, by exhaustive search: the first bet is 1 … m and the
// second one of the few bets that differ from it up to renaming; then, as long as some drawn set
// is served by none, every bet serving the first such set in turn. Gives nothing when the search
// needs more than `nodeLimit` steps.
std::optional<bool> designExists(const WheelInstance& instance, int size, std::uint64_t nodeLimit);

// The lower bound of wheelLowerBound, raised to `size` when an exhaustive search shows that no
// design of size - 1 exists.
int provenLowerBound(const WheelParams& p, int size, std::uint64_t nodeLimit);

struct SearchResult {
    std::vector<WheelBet> best;
    int greedySize = 0;
};
// Greedy, then one size less than the best design after another until `target` is reached or
// the time is up; `known` (may be empty) is a verified design to improve on.
SearchResult searchWheel(const WheelParams& p, const std::vector<WheelBet>& known, int target,
                         double seconds, std::uint64_t seed);

} // namespace pickora::wheels
