#include "acquire/list_page_items.h"

namespace pickora {

namespace {

constexpr std::string_view kBallSpan = "span class=\"ball";
constexpr std::string_view kBall = "ball";
// The ball's text stands this many characters after the "b" of "ball" (`ball_r">05`).
constexpr std::size_t kBallTextOffset = 8;
constexpr std::size_t kNumbersLength = 2 * kStoredNumbers;

} // namespace

void ListPageItems::addLine(std::string_view line)
{
    line = trimmed(line);
    if (line.size() == static_cast<std::size_t>(issueWidth_) && issueValue(line)) {
        text_ += '*';
        text_ += line;
    }
    if (line.find(kBallSpan) == std::string_view::npos)
        return;
    for (std::size_t at = line.find(kBall); at != std::string_view::npos;
         at = line.find(kBall, at + 1)) {
        if (at + kBallTextOffset < line.size())
            text_ += line.substr(at + kBallTextOffset, 2);
    }
}

void ListPageItems::addPage(std::string_view page)
{
    while (!page.empty()) {
        const std::size_t end = page.find('\n');
        addLine(page.substr(0, end));
        if (end == std::string_view::npos)
            break;
        page.remove_prefix(end + 1);
    }
}

std::vector<std::string_view> splitItems(std::string_view itemText)
{
    std::vector<std::string_view> items;
    while (true) {
        const std::size_t star = itemText.find('*');
        const std::string_view item = trimmed(itemText.substr(0, star));
        if (!item.empty())
            items.push_back(item);
        if (star == std::string_view::npos)
            return items;
        itemText.remove_prefix(star + 1);
    }
}

std::vector<DownloadedDraw> drawsOfItems(std::string_view itemText, int issueWidth)
{
    const std::vector<std::string_view> items = splitItems(itemText);
    const std::size_t width = static_cast<std::size_t>(issueWidth);
    const std::size_t century = width > 8 ? width - 8 : 0;
    std::vector<DownloadedDraw> draws;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        const std::string_view item = *it;
        if (item.size() < width + kNumbersLength)
            continue;
        const std::string_view numbers = item.substr(width, kNumbersLength);
        const std::optional<DownloadedDraw> draw = makeDownloadedDraw(
            item.substr(century, width - century),
            {numbers.substr(0, 2), numbers.substr(2, 2), numbers.substr(4, 2), numbers.substr(6, 2),
             numbers.substr(8, 2)});
        if (draw)
            draws.push_back(*draw);
    }
    return draws;
}

} // namespace pickora
