#pragma once
// The newest-results feed as the quick download reads it: its lines trimmed and joined, and at
// every "<row" an eight-character issue and five two-digit numbers at the source's offsets.

#include <string>
#include <string_view>
#include <vector>

#include "acquire/downloaded_draws.h"

namespace pickora {

// The feed's lines (LF or CR LF), each trimmed, joined without separators.
std::string joinedFeedLines(std::string_view feed);

// The draws of a feed, in the order of its rows. `issueOffset` and `numbersOffset` count from
// the "<" of "<row"; the numbers are 14 characters, five two-digit numbers separated by single
// characters. Rows that do not hold an issue and five distinct numbers 1..11 are left out.
std::vector<DownloadedDraw> drawsOfFeed(std::string_view feed, int issueOffset, int numbersOffset);

} // namespace pickora
