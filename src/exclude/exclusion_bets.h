#pragma once
// The exclusion searches' bet files: one bet per line, the numbers "%.2d" separated by one blank;
// read back from the two characters at positions 3i+1 and 3i+2 of every line.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exclude/candidate_table.h"
#include "store/problem.h"

namespace pickora {

inline constexpr std::size_t kMaxExclusionFileLines = 1'000'000;
// From this many loaded bets on, the list shows none (the sum, repeat and follow windows).
inline constexpr int kExclusionListLimit = 300'000;

// "01 02 03\r\n" per bet, in order.
std::string exclusionBetText(std::span<const Candidate> bets, int pickCount);

struct ExclusionLoadRules {
    // Sum, repeat, follow: a line equal to the line before it is skipped; blank lines are passed
    // over. Big/odd: reading stops at the first blank line and no line is skipped.
    bool stopAtBlankLine = false;
};

struct ExclusionLoad {
    std::vector<Candidate> bets; // in file order, all kept
    Problem problem;             // the refused line, named; nothing when the file was read
    bool truncated = false;      // more than 1,000,000 lines: the rest were not read
};

ExclusionLoad parseExclusionBets(std::string_view text, int totalNumbers, int pickCount,
                                 ExclusionLoadRules rules);

} // namespace pickora
