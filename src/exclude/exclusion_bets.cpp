#include "exclude/exclusion_bets.h"

#include <array>

namespace pickora {

std::string exclusionBetText(std::span<const Candidate> bets, int pickCount)
{
    std::string text;
    text.reserve(bets.size() * static_cast<std::size_t>(3 * pickCount + 1));
    for (const Candidate& c : bets)
        text += candidateLine(c, pickCount) + "\r\n";
    return text;
}

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

ExclusionLoad parseExclusionBets(std::string_view text, int totalNumbers, int pickCount,
                                 ExclusionLoadRules rules)
{
    ExclusionLoad result;
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    std::array<int, kStoredNumbers> previous{};
    bool havePrevious = false;
    const auto fail = [&](std::string_view line, const std::string& why) {
        result.bets.clear();
        std::string shown(line.substr(0, 40));
        result.problem = "第 " + std::to_string(lineNumber) + " 行“" + shown + "”" + why;
        return result;
    };
    while (start < text.size()) {
        if (lineNumber == kMaxExclusionFileLines) {
            result.truncated = true;
            break;
        }
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (isBlank(line)) {
            if (rules.stopAtBlankLine)
                break;
            havePrevious = false;
            continue;
        }
        std::array<int, kStoredNumbers> numbers{};
        NumberMask seen = 0;
        for (int i = 0; i < pickCount; ++i) {
            const std::size_t at = static_cast<std::size_t>(3 * i);
            if (at + 1 >= line.size())
                return fail(line,
                            "太短：每行应有 " + std::to_string(pickCount) + " 个两位数字的号码。");
            if (!isDigit(line[at]) || !isDigit(line[at + 1]))
                return fail(line, "的第 " + std::to_string(i + 1) + " 个号码不是两位数字。");
            const int x = (line[at] - '0') * 10 + (line[at + 1] - '0');
            if (x < 1 || x > totalNumbers)
                return fail(line, "的号码 " + twoDigits(x) + " 不在 01 到 "
                                      + twoDigits(totalNumbers) + " 之间。");
            if (seen & (NumberMask{1} << x))
                return fail(line, "的号码 " + twoDigits(x) + " 重复。");
            seen |= NumberMask{1} << x;
            numbers[static_cast<std::size_t>(i)] = x;
        }
        // A line repeating the line just before it adds nothing.
        const bool repeated = havePrevious && numbers == previous;
        previous = numbers;
        havePrevious = true;
        if (repeated && !rules.stopAtBlankLine)
            continue;
        result.bets.push_back(makeCandidate(numbers.data(), pickCount));
    }
    return result;
}

} // namespace pickora
