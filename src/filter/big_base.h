#pragma once
// The big-base tab: bets found in up to eight pasted lists, with a tolerance of lists a bet may be
// missing from, and the prize check of a drawn result against the result list.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/combination_space.h"

namespace pickora {

// The lines of a memo, a last empty line not counted; an empty memo has none.
int memoLineCount(const std::string& text);

// Every bet of the full space (in its order) missing from at least `least` and at most `most` of
// the non-empty memos; a memo holds a bet when its text contains "01 02 03" as written.
std::vector<std::array<int, 3>> intersectBases(const std::vector<std::string>& memos,
                                               int totalNumbers, int least, int most);

// The result memo's text: each number "%.2d" and a blank, CR LF after every bet.
std::string resultText(const std::vector<std::array<int, 3>>& bets);

struct PrizeCheck {
    bool won = false;
    std::string error; // a draw or a line with fewer than k numbers
};

// The first k numbers of the draw against each result line, position by position.
PrizeCheck checkPrize(const std::string& drawText, const std::string& resultMemo, int pickCount);

// Tokens split at blanks, blanks and commas before a token skipped, read as integers; nothing
// when one is not a number.
std::optional<std::vector<int>> parseNumberTokens(const std::string& text);
// The same for the first `count` tokens only (fewer when the text holds fewer).
std::optional<std::vector<int>> parseFirstNumberTokens(const std::string& text, int count);

} // namespace pickora
