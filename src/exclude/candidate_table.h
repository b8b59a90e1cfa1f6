#pragma once
// The exclusion searches' candidates: every set of k distinct numbers of 1..N, ascending, in
// lexicographic order, each with an exclusion flag; and the text of their list rows and files.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

// A set of numbers as bits: bit n for number n.
using NumberMask = std::uint32_t;

struct Candidate {
    std::array<int, kStoredNumbers> numbers{}; // numbers[0..k-1], as built or as loaded
    NumberMask mask = 0;                       // the same numbers as bits
    int excluded = 0;                          // 0 kept, 1 excluded
};

struct CandidateTable {
    int pickCount = 3;
    std::vector<Candidate> entries;

    int keptCount() const;
    // Drops the excluded entries, keeping the order of the others.
    void compact();
};

// The C(N, k) combinations of 1..N in lexicographic order, all kept.
CandidateTable buildCandidateTable(int totalNumbers, int pickCount);

Candidate makeCandidate(const int* numbers, int pickCount);

// `blanks` blanks, then each number "%.2d" followed by one blank: the bet cell of the list.
std::string candidateCell(const Candidate& c, int pickCount, int blanks);
// "01 02 03": the numbers separated by one blank, nothing before or after.
std::string candidateLine(const Candidate& c, int pickCount);

} // namespace pickora
