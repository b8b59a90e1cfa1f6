#pragma once
// The total filter's table of every ordered bet of three distinct numbers.

#include <array>
#include <vector>

namespace pickora {

struct CandidateEntry {
    std::array<int, 3> numbers{}; // in bet order
    int excluded = 0;             // 0 kept, 1 excluded
};

struct CombinationSpace {
    std::vector<CandidateEntry> entries;
};

// All N(N-1)(N-2) ordered triples, first number outermost, each position ascending, all kept.
CombinationSpace buildCombinationSpace(int totalNumbers);

} // namespace pickora
