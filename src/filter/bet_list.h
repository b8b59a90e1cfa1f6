#pragma once
// Bet lists as text: the list rows, the clipboard copy, and the bet files read back.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/combination_space.h"

namespace pickora {

// "01 02 03 " with CR LF: one line per kept entry, in table order.
std::string copyText(const CombinationSpace& space);
// The bet cell of the list: `blanks` blanks, then each number "%.2d" and a blank.
std::string betCell(const CandidateEntry& entry, int blanks);
// "01 02 03": the bet as the big-base memos are searched for it.
std::string betLine(const std::array<int, 3>& numbers);

inline constexpr std::size_t kMaxBetFileLines = 1'000'000;
inline constexpr int kMaxListedBets = 299'999;

struct LoadedBets {
    std::vector<CandidateEntry> bets; // in file order, all kept
    std::string error;                // empty when the file read completely
    std::size_t linesRead = 0;
};

// Reads at most 1,000,000 lines; number i of a line is the two characters at positions 3i+1 and
// 3i+2 (counted from 1), so "01 02 03" and the copied lines both read. A line repeating the bet
// accepted just before it is dropped, but only when no line is shorter than 3k - 1 characters.
// Empty lines are passed over. A field that is not a number 1..N stops the load with a message
// naming the line, and nothing is returned.
LoadedBets parseBetFile(std::string_view text, int totalNumbers, int pickCount);

} // namespace pickora
