#include "recommend/wheel_bets.h"

#include <charconv>
#include <utility>

#include "recommend/wheel_design.h"

namespace pickora {

std::string matrixFileName(const WheelSettings& s)
{
    const int d = s.kind == WheelKind::Banker ? s.bankers : 0;
    // A count of numbers per bet without a numeral names no file, so no file is found.
    return wheelFileName({s.base, s.pick - d, s.drawn - d, s.guaranteed - d});
}

std::string betListFileName(const WheelSettings& s)
{
    const std::string tail = "中" + std::to_string(s.drawn) + "保" + std::to_string(s.guaranteed)
                             + "投注号码.txt";
    const std::string head = "选" + wheelNumeral(s.pick) + "型";
    if (s.kind == WheelKind::Banker)
        return head + std::to_string(s.bankers) + "胆" + std::to_string(s.base) + "拖" + tail;
    return head + std::to_string(s.base) + "码" + tail;
}

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

} // namespace

MatrixLines readMatrixLines(std::string_view text, int maxPosition, int valuesPerLine)
{
    MatrixLines result;
    const auto refuse = [&](std::size_t line, std::string why) {
        result.lines.clear();
        result.badLine = line;
        result.problem = std::move(why);
        return result;
    };
    std::size_t start = 0;
    for (std::size_t lineNumber = 1; start < text.size(); ++lineNumber) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::vector<int> values;
        std::size_t at = 0;
        while (true) {
            while (at < line.size() && isSeparator(line[at]))
                ++at;
            if (at == line.size())
                break;
            std::size_t tokenEnd = at;
            while (tokenEnd < line.size() && !isSeparator(line[tokenEnd]))
                ++tokenEnd;
            const std::string_view token = line.substr(at, tokenEnd - at);
            at = tokenEnd;
            const char* first = token.data() + (token.starts_with('+') ? 1 : 0);
            int value = 0;
            const auto [stop, error] = std::from_chars(first, token.data() + token.size(), value);
            if (error != std::errc() || stop != token.data() + token.size()) {
                if (values.empty())
                    return result; // the first value is not a whole number: reading stops here
                return refuse(lineNumber, "“" + std::string(token) + "”不是整数。");
            }
            values.push_back(value);
        }
        if (values.empty())
            return result;
        if (static_cast<int>(values.size()) != valuesPerLine)
            return refuse(lineNumber, "有 " + std::to_string(values.size()) + " 个号码位置，应为 "
                                          + std::to_string(valuesPerLine) + " 个。");
        for (const int t : values)
            if (t < 1 || t > maxPosition)
                return refuse(lineNumber, "号码位置 " + std::to_string(t) + " 不在 1 到 "
                                              + std::to_string(maxPosition) + " 之间。");
        result.lines.push_back(std::move(values));
    }
    return result;
}

std::vector<std::vector<int>> wheelBets(const std::vector<std::vector<int>>& lines,
                                        const std::vector<int>& base,
                                        const std::vector<int>& bankers)
{
    std::vector<std::vector<int>> bets;
    bets.reserve(lines.size());
    for (const std::vector<int>& line : lines) {
        std::vector<int> bet;
        for (const int t : line)
            bet.push_back(base.at(static_cast<std::size_t>(t - 1)));
        bet.insert(bet.end(), bankers.begin(), bankers.end());
        for (std::size_t i = 0; i < bet.size(); ++i)
            for (std::size_t j = i + 1; j < bet.size(); ++j)
                if (bet[j] < bet[i])
                    std::swap(bet[i], bet[j]);
        bets.push_back(std::move(bet));
    }
    return bets;
}

std::string betListText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (const std::string& cell : row)
            text += cell + ' ';
        text += "\r\n";
    }
    return text;
}

} // namespace pickora
