#pragma once
// The follow number ("跟随数"): for small groups of the last draw's numbers, find the latest
// earlier draw holding the whole group and count how many of the current numbers the draw right
// after it holds; the largest count over the groups (0 when no group was ever found).

#include <span>
#include <string_view>
#include <vector>

#include "exclude/candidate_table.h"
#include "store/draw_types.h"

namespace pickora {

// "1" gives 1, "2" gives 2, any other text 3.
int followGroupSize(std::string_view text);

// The mask of a draw's first k numbers.
NumberMask drawMask(const Draw& draw, int pickCount);

// Every subset of `groupSize` numbers of the draw (the whole draw when groupSize >= its size).
std::vector<NumberMask> drawGroups(NumberMask draw, int groupSize);

// For the last draw masks[last] and the earlier draws masks[0 .. last - 1]: for every group of the
// last draw that an earlier draw holds, the draw that followed the latest such draw.
std::vector<NumberMask> followerDraws(std::span<const NumberMask> masks, int last, int groupSize);

// The largest number of `current`'s numbers in one of the followers, or 0.
int followNumber(NumberMask current, std::span<const NumberMask> followers);

// The follow number of every draw t with current = draw t and last = draw t - 1 (draws 0 and 1
// get 0); linear in the number of draws.
std::vector<int> followNumbers(std::span<const NumberMask> masks, int groupSize);

} // namespace pickora
