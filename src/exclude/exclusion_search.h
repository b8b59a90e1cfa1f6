#pragma once
// The search loop of the exclusion windows: pass after pass, the member prepares its statistics
// and tests every kept candidate in table order, until the count of kept candidates reaches the
// target (checked after every exclusion), the number of passes has run, or the caller stops it.

#include <functional>

#include "exclude/candidate_table.h"
#include "exclude/exclusion_members.h"
#include "store/random_source.h"

namespace pickora {

struct ExclusionStopRule {
    bool countMode = true; // stop when at most `target` candidates remain
    int target = 10000;    // L
    int passes = 10000;    // R (pass-count mode)
};

enum class ExclusionEnd { Finished, Stopped };

struct ExclusionHooks {
    // Called once per candidate; false stops the search at once (no finish).
    std::function<bool()> keepGoing = [] { return true; };
    // The progress position: exclusions so far (count mode) or passes begun (pass-count mode).
    std::function<void(int)> progress = [](int) {};
    // Called when pass r begins.
    std::function<void(long long)> passBegun = [](long long) {};
};

struct ExclusionOutcome {
    ExclusionEnd end = ExclusionEnd::Finished;
    long long passes = 0; // passes begun
    int remaining = 0;    // kept candidates
};

// The progress bar's maximum: entries - L in count mode (never below 0), R in pass-count mode.
int progressMaximum(const CandidateTable& table, const ExclusionStopRule& rule);

// Runs passes on `table` (exclusion flags only; the caller compacts it on a finish).
ExclusionOutcome runExclusionSearch(CandidateTable& table, ExclusionMember& member,
                                    const ExclusionStopRule& rule, RandomSource& random,
                                    const ExclusionHooks& hooks);

} // namespace pickora
