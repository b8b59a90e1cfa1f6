#pragma once
// Building the in-memory history from the stored rows of a number table.

#include <span>
#include <stdexcept>
#include <string>

#include "store/draw_types.h"
#include "store/store_error.h"

namespace pickora {

// A stored row that cannot be analysed (an issue that is not a number, a number out of range).
class DrawDataError : public StoreError {
public:
    using StoreError::StoreError;
};

// "20" + yy + "-" + mm + "-" + dd of an issue text yymmddnn.
std::string dateOfIssue(std::string_view issueText);

// The grid texts of one draw: issue as a decimal integer, the numbers "%.2d" joined by one blank.
TrendRow makeTrendRow(std::int32_t issue, std::span<const int> numbers);

// The analysed draws, dates and rows of a stored history, oldest first. Throws DrawDataError
// naming the row when an issue is not a whole number or a number lies outside 1..N.
DrawHistory buildDrawHistory(std::span<const StoredDraw> stored, DrawPosition position,
                             int totalNumbers, int pickCount);

// What a player should check in a history that could be analysed: an issue stored in more than
// one row, a draw with a number repeated among its analysed numbers. A message naming the rows
// (at most `listed` of them, then how many more), or empty when there is nothing to report.
std::string historyWarningText(const DrawHistory& history, std::size_t listed = 10);

// Rebuilds history.rows from other draws of the same length (the transformed ones).
void rebuildRows(DrawHistory& history, std::span<const Draw> shownDraws);

} // namespace pickora
