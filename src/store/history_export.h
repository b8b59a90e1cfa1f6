#pragma once
// The line format of an exported draw history ("…历史号码.txt"): every value of a stored row but
// the draw date, as a whole number with a leading "0" below 10, each followed by one blank.

#include <span>
#include <string>

namespace pickora {

// "9123101 05 11 02 08 01 " for the issue 09123101 and the numbers 5, 11, 2, 8, 1 (no line end).
std::string historyExportLine(std::span<const int> values);

} // namespace pickora
