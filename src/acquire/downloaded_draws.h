#pragma once
// Draws read from the results services, and which of them a number table receives.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

struct DownloadedDraw {
    std::string issue; // yymmddnn
    std::array<int, kStoredNumbers> numbers{};
    std::string date;  // "20yy-mm-dd", from the issue

    friend bool operator==(const DownloadedDraw&, const DownloadedDraw&) = default;
};

// Blanks and control characters removed from both ends.
std::string_view trimmed(std::string_view text);

// A text of decimal digits only, as a 64-bit integer; nullopt otherwise (also when empty or
// too long).
std::optional<std::int64_t> issueValue(std::string_view text);

// The draw of an eight-character issue text and five two-character number texts; nullopt when
// the issue is not eight digits or the numbers are not five distinct whole numbers 1..11.
std::optional<DownloadedDraw> makeDownloadedDraw(std::string_view issue,
                                                 const std::array<std::string_view, kStoredNumbers>& numbers);

// The draws a table whose newest stored issue is `lastIssue` receives: those after it, each
// issue once (the first met), oldest first.
std::vector<DownloadedDraw> newDraws(const std::vector<DownloadedDraw>& candidates,
                                     std::int64_t lastIssue);

} // namespace pickora
