#include "filter/big_base.h"

#include <algorithm>
#include <cstdio>

#include "filter/total_filter.h"

namespace pickora {

int memoLineCount(const std::string& text)
{
    if (text.empty())
        return 0;
    int lines = 1;
    for (const char c : text)
        lines += c == '\n';
    if (text.back() == '\n')
        --lines;
    return lines;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool blankOrBreak(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Every bet "dd dd dd" that stands somewhere in the text, as a bit per full-space triple.
std::vector<bool> betsInText(const std::string& text, int n)
{
    std::vector<bool> found(static_cast<std::size_t>((n + 1) * (n + 1) * (n + 1)), false);
    for (std::size_t i = 0; i + 8 <= text.size(); ++i) {
        const char* s = text.data() + i;
        if (!(isDigit(s[0]) && isDigit(s[1]) && s[2] == ' ' && isDigit(s[3]) && isDigit(s[4])
              && s[5] == ' ' && isDigit(s[6]) && isDigit(s[7])))
            continue;
        const int a = (s[0] - '0') * 10 + (s[1] - '0');
        const int b = (s[3] - '0') * 10 + (s[4] - '0');
        const int c = (s[6] - '0') * 10 + (s[7] - '0');
        if (a >= 1 && a <= n && b >= 1 && b <= n && c >= 1 && c <= n)
            found[static_cast<std::size_t>((a * (n + 1) + b) * (n + 1) + c)] = true;
    }
    return found;
}

} // namespace

std::vector<std::array<int, 3>> intersectBases(const std::vector<std::string>& memos, int n,
                                               int least, int most)
{
    std::vector<std::vector<bool>> present;
    for (const std::string& memo : memos) {
        const bool empty = std::all_of(memo.begin(), memo.end(), blankOrBreak);
        if (!empty)
            present.push_back(betsInText(memo, n));
    }
    std::vector<std::array<int, 3>> result;
    for (const CandidateEntry& e : buildCombinationSpace(n).entries) {
        const auto index = static_cast<std::size_t>((e.numbers[0] * (n + 1) + e.numbers[1]) * (n + 1) + e.numbers[2]);
        int missing = 0;
        for (const std::vector<bool>& memo : present)
            missing += !memo[index];
        if (missing >= least && missing <= most)
            result.push_back(e.numbers);
    }
    return result;
}

std::string resultText(const std::vector<std::array<int, 3>>& bets)
{
    std::string text;
    text.reserve(bets.size() * 11);
    for (const auto& b : bets) {
        char line[32];
        std::snprintf(line, sizeof line, "%.2d %.2d %.2d \r\n", b[0], b[1], b[2]);
        text += line;
    }
    return text;
}

std::optional<std::vector<int>> parseNumberTokens(const std::string& text)
{
    return parseDanNumbers(text);
}

std::optional<std::vector<int>> parseFirstNumberTokens(const std::string& text, int count)
{
    // Only the first `count` tokens are read: whatever follows them (a note, more numbers)
    // does not matter.
    std::string head;
    std::size_t i = 0;
    for (int taken = 0; taken < count && i < text.size(); ++taken) {
        while (i < text.size() && (text[i] == ' ' || text[i] == ','))
            ++i;
        const std::size_t end = std::min(text.find(' ', i), text.size());
        head += text.substr(i, end - i) + ' ';
        i = end;
    }
    return parseDanNumbers(head);
}

PrizeCheck checkPrize(const std::string& drawText, const std::string& resultMemo, int k)
{
    PrizeCheck check;
    const auto draw = parseFirstNumberTokens(drawText, k);
    if (!draw || static_cast<int>(draw->size()) < k) {
        check.error = "开奖号码“" + drawText + "”应为 " + std::to_string(k) + " 个整数，用空格隔开。";
        return check;
    }
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < resultMemo.size()) {
        std::size_t end = resultMemo.find('\n', start);
        if (end == std::string::npos)
            end = resultMemo.size();
        std::string line = resultMemo.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (std::all_of(line.begin(), line.end(), blankOrBreak))
            continue; // blank lines hold no bet
        const auto bet = parseFirstNumberTokens(line, k);
        if (!bet || static_cast<int>(bet->size()) < k) {
            check.error = "最终交集第 " + std::to_string(lineNumber) + " 行“" + line + "”不是 "
                          + std::to_string(k) + " 个号码。";
            return check;
        }
        if (std::equal(draw->begin(), draw->begin() + k, bet->begin())) {
            check.won = true;
            return check;
        }
    }
    return check;
}

} // namespace pickora
