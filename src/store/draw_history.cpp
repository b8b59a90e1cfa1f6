#include "store/draw_history.h"

#include <charconv>
#include <unordered_map>
#include <vector>

namespace pickora {

std::string_view positionText(DrawPosition p)
{
    switch (p) {
    case DrawPosition::Front: return "前三";
    case DrawPosition::Middle: return "中三";
    case DrawPosition::Back: return "后三";
    }
    return {};
}

std::string_view DrawHistory::rowText(int i, int column) const
{
    const TrendRow& row = rows[i];
    if (column == 0)
        return row.issueText;
    if (column == 1)
        return row.numbersText;
    if (column == 2)
        return "0";
    return ((row.presence >> (column - 2)) & 1U) ? "1" : "0";
}

void DrawHistory::clear()
{
    draws.clear();
    dates.clear();
    rows.clear();
}

std::string dateOfIssue(std::string_view issueText)
{
    std::string date = "20";
    date.append(issueText.substr(0, 2));
    date += '-';
    date.append(issueText.substr(std::min<std::size_t>(2, issueText.size()), 2));
    date += '-';
    date.append(issueText.substr(std::min<std::size_t>(4, issueText.size()), 2));
    return date;
}

TrendRow makeTrendRow(std::int32_t issue, std::span<const int> numbers)
{
    TrendRow row;
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, issue);
    (void)ec; // an int32 always fits
    row.issueText.assign(buffer, end);
    row.numbersText.reserve(numbers.size() * 3);
    for (std::size_t j = 0; j < numbers.size(); ++j) {
        if (j > 0)
            row.numbersText += ' ';
        const int n = numbers[j];
        row.numbersText += static_cast<char>('0' + (n / 10) % 10);
        row.numbersText += static_cast<char>('0' + n % 10);
        row.presence |= 1U << n;
    }
    return row;
}

namespace {

std::int32_t issueAsInteger(const std::string& text, int rowIndex)
{
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc{} || ptr != last || value < 0)
        throw DrawDataError("第 " + std::to_string(rowIndex + 1) + " 行的记录期号“" + text
                            + "”不是有效的期号。");
    return value;
}

} // namespace

DrawHistory buildDrawHistory(std::span<const StoredDraw> stored, DrawPosition position,
                             int totalNumbers, int pickCount)
{
    DrawHistory history;
    history.totalNumbers = totalNumbers;
    history.pickCount = pickCount;
    history.draws.reserve(stored.size());
    history.dates.reserve(stored.size());
    history.rows.reserve(stored.size());
    const int first = firstColumn(position) - 1;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const StoredDraw& s = stored[i];
        Draw draw;
        draw.issue = issueAsInteger(s.issueText, static_cast<int>(i));
        for (int j = 0; j < pickCount; ++j) {
            const int n = s.numbers[first + j];
            if (n < 1 || n > totalNumbers)
                throw DrawDataError("第 " + std::to_string(i + 1) + " 行（期号 " + s.issueText
                                    + "）第 " + std::to_string(first + j + 1) + " 列的号码 "
                                    + std::to_string(n) + " 不在 1 到 "
                                    + std::to_string(totalNumbers) + " 之间。");
            draw.numbers[j] = n;
        }
        history.dates.push_back(dateOfIssue(s.issueText));
        history.rows.push_back(
            makeTrendRow(draw.issue, std::span(draw.numbers.data(), pickCount)));
        history.draws.push_back(draw);
    }
    return history;
}

std::string historyWarningText(const DrawHistory& history, std::size_t listed)
{
    std::vector<std::string> findings;
    std::unordered_map<std::int32_t, std::size_t> firstRowOfIssue;
    for (std::size_t i = 0; i < history.draws.size(); ++i) {
        const Draw& d = history.draws[i];
        const std::string row = "第 " + std::to_string(i + 1) + " 行";
        const auto [first, fresh] = firstRowOfIssue.try_emplace(d.issue, i);
        if (!fresh)
            findings.push_back(row + "的期号 " + std::to_string(d.issue) + " 与第 "
                               + std::to_string(first->second + 1) + " 行相同。");
        unsigned seen = 0;
        for (int j = 0; j < history.pickCount; ++j) {
            const int n = d.numbers[static_cast<std::size_t>(j)];
            if (n >= 0 && n < 32 && ((seen >> n) & 1U) != 0) {
                findings.push_back(row + "（期号 " + std::to_string(d.issue) + "）的号码 "
                                   + (n < 10 ? "0" : "") + std::to_string(n) + " 出现了不止一次。");
                break;
            }
            if (n >= 0 && n < 32)
                seen |= 1U << n;
        }
    }
    if (findings.empty())
        return {};
    std::string text = "以下记录可能有误，请核对（数据库没有改动）：";
    for (std::size_t i = 0; i < findings.size() && i < listed; ++i)
        text += "\n" + findings[i];
    if (findings.size() > listed)
        text += "\n……另有 " + std::to_string(findings.size() - listed) + " 处。";
    return text;
}

void rebuildRows(DrawHistory& history, std::span<const Draw> shownDraws)
{
    history.rows.clear();
    history.rows.reserve(shownDraws.size());
    const auto k = history.pickCount;
    for (const Draw& d : shownDraws)
        history.rows.push_back(makeTrendRow(d.issue, std::span(d.numbers.data(), k)));
}

} // namespace pickora
