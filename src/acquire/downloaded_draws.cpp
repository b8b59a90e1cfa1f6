#include "acquire/downloaded_draws.h"

#include <algorithm>
#include <set>

#include "store/draw_history.h"

namespace pickora {

namespace {

constexpr int kIssueLength = 8;
constexpr int kHighestNumber = 11;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "01".."11" (two digits), or 0 for anything else.
int numberValue(std::string_view text)
{
    if (text.size() != 2 || !isDigit(text[0]) || !isDigit(text[1]))
        return 0;
    const int value = (text[0] - '0') * 10 + (text[1] - '0');
    return value <= kHighestNumber ? value : 0;
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::int64_t> issueValue(std::string_view text)
{
    // 18 digits always fit in 63 bits.
    if (text.empty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

std::optional<DownloadedDraw> makeDownloadedDraw(
    std::string_view issue, const std::array<std::string_view, kStoredNumbers>& numbers)
{
    if (issue.size() != kIssueLength || !issueValue(issue))
        return std::nullopt;
    DownloadedDraw draw;
    draw.issue = std::string(issue);
    unsigned seen = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int n = numberValue(numbers[i]);
        if (n == 0 || (seen >> n) & 1U)
            return std::nullopt;
        seen |= 1U << n;
        draw.numbers[i] = n;
    }
    draw.date = dateOfIssue(draw.issue);
    return draw;
}

std::vector<DownloadedDraw> newDraws(const std::vector<DownloadedDraw>& candidates,
                                     std::int64_t lastIssue)
{
    std::vector<DownloadedDraw> draws;
    std::set<std::int64_t> met;
    for (const DownloadedDraw& d : candidates) {
        const std::optional<std::int64_t> issue = issueValue(d.issue);
        if (issue && *issue > lastIssue && met.insert(*issue).second)
            draws.push_back(d);
    }
    std::stable_sort(draws.begin(), draws.end(), [](const DownloadedDraw& a, const DownloadedDraw& b) {
        return *issueValue(a.issue) < *issueValue(b.issue);
    });
    return draws;
}

} // namespace pickora
