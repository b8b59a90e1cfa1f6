#include "filter/bet_list.h"

#include <cstdio>

namespace pickora {

std::string betCell(const CandidateEntry& entry, int blanks)
{
    std::string cell(static_cast<std::size_t>(blanks), ' ');
    for (const int x : entry.numbers) {
        char text[8];
        std::snprintf(text, sizeof text, "%.2d ", x);
        cell += text;
    }
    return cell;
}

std::string betLine(const std::array<int, 3>& numbers)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2d %.2d %.2d", numbers[0], numbers[1], numbers[2]);
    return text;
}

std::string copyText(const CombinationSpace& space)
{
    std::string text;
    text.reserve(space.entries.size() * 11);
    for (const CandidateEntry& e : space.entries)
        if (e.excluded == 0)
            text += betCell(e, 0) + "\r\n";
    return text;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

LoadedBets parseBetFile(std::string_view text, int totalNumbers, int pickCount)
{
    LoadedBets result;
    // Split into lines first: whether repeats are collapsed depends on every line's length.
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    // A line ends at CR LF, LF or a lone CR, whichever the file was written with.
    while (start < text.size() && lines.size() < kMaxBetFileLines) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    result.linesRead = lines.size();

    const std::size_t shortest = static_cast<std::size_t>(3 * pickCount - 1);
    bool collapse = true;
    for (const std::string_view line : lines)
        if (!line.empty() && line.size() < shortest)
            collapse = false;

    result.bets.reserve(lines.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (line.empty())
            continue;
        CandidateEntry bet;
        for (int i = 0; i < pickCount; ++i) {
            const std::size_t at = static_cast<std::size_t>(3 * i);
            const bool digits = at + 1 < line.size() && isDigit(line[at]) && isDigit(line[at + 1]);
            const int x = digits ? (line[at] - '0') * 10 + (line[at + 1] - '0') : 0;
            if (!digits || x < 1 || x > totalNumbers) {
                result.bets.clear();
                result.error = "第 " + std::to_string(n + 1) + " 行“" + std::string(line.substr(0, 40))
                               + "”不是投注号码：第 " + std::to_string(i + 1) + " 个号码应为 01 到 "
                               + (totalNumbers < 10 ? "0" : "") + std::to_string(totalNumbers)
                               + " 之间的两位数字。";
                return result;
            }
            bet.numbers[static_cast<std::size_t>(i)] = x;
        }
        if (collapse && !result.bets.empty() && result.bets.back().numbers == bet.numbers)
            continue;
        result.bets.push_back(bet);
    }
    return result;
}

} // namespace pickora
