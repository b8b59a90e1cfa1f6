#include "acquire/feed_draws.h"

namespace pickora {

namespace {

constexpr std::string_view kRow = "<row";
constexpr std::size_t kIssueLength = 8;
constexpr std::size_t kNumbersLength = 14;

// Up to `length` characters from `at`; shorter (or empty) past the end.
std::string_view part(std::string_view text, std::size_t at, std::size_t length)
{
    return at < text.size() ? text.substr(at, length) : std::string_view();
}

} // namespace

std::string joinedFeedLines(std::string_view feed)
{
    std::string joined;
    joined.reserve(feed.size());
    while (!feed.empty()) {
        const std::size_t end = feed.find('\n');
        joined += trimmed(feed.substr(0, end));
        if (end == std::string_view::npos)
            break;
        feed.remove_prefix(end + 1);
    }
    return joined;
}

std::vector<DownloadedDraw> drawsOfFeed(std::string_view feed, int issueOffset, int numbersOffset)
{
    const std::string text = joinedFeedLines(feed);
    const std::string_view s = text;
    std::vector<DownloadedDraw> draws;
    for (std::size_t at = s.find(kRow); at != std::string_view::npos; at = s.find(kRow, at + 1)) {
        const std::string_view issue = part(s, at + static_cast<std::size_t>(issueOffset), kIssueLength);
        const std::string_view numbers =
            part(s, at + static_cast<std::size_t>(numbersOffset), kNumbersLength);
        if (numbers.size() < kNumbersLength)
            continue;
        const std::optional<DownloadedDraw> draw = makeDownloadedDraw(
            issue, {numbers.substr(0, 2), numbers.substr(3, 2), numbers.substr(6, 2),
                    numbers.substr(9, 2), numbers.substr(12, 2)});
        if (draw)
            draws.push_back(*draw);
    }
    return draws;
}

} // namespace pickora
