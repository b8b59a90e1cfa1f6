#include "invest/investment_files.h"

#include "invest/plan_file.h"

namespace pickora {

namespace {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    // Blank lines at the very end (an editor's extra newline) are not content.
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos)
        lines.pop_back();
    return lines;
}

std::string lineError(std::size_t line, std::string_view what)
{
    return "第 " + std::to_string(line + 1) + " 行" + std::string(what);
}

void appendBets(std::string& text, const std::vector<Bet>& bets)
{
    for (const Bet& bet : bets)
        text += betText(bet) + "\r\n";
}

// Reads line `at` as a whole number in low..high; false (and `error` set) otherwise.
bool readIndex(const std::vector<std::string_view>& lines, std::size_t at, int low, int high,
               int& value, std::string& error)
{
    std::int64_t number = 0;
    if (at >= lines.size()) {
        error = lineError(at, "缺少内容，文件不完整。");
        return false;
    }
    if (!parseWholeNumber(lines[at], number) || number < low || number > high) {
        error = lineError(at, "应为 " + std::to_string(low) + " 到 " + std::to_string(high)
                                   + " 之间的整数。");
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool readAmountText(const std::vector<std::string_view>& lines, std::size_t at, std::string& value,
                    std::string& error)
{
    std::int64_t number = 0;
    if (at >= lines.size() || !parseWholeNumber(lines[at], number)) {
        error = lineError(at, "应为整数。");
        return false;
    }
    value = std::string(lines[at]);
    return true;
}

bool readSettings(const std::vector<std::string_view>& lines, InvestmentSettingsFile& s,
                  std::string& error)
{
    int carry = 0;
    int intervalMode = 0;
    const bool ok = readIndex(lines, 0, 0, kPlayTypeCount - 1, s.playType, error)
           && readIndex(lines, 1, 0, 50, s.waitItem, error)
           && readIndex(lines, 2, 0, 49, s.runItem, error)
           && readIndex(lines, 3, 0, 99, s.intervalItem, error)
           && readIndex(lines, 4, 0, 9, s.countItem, error)
           && readAmountText(lines, 5, s.maxStake, error)
           && readAmountText(lines, 6, s.maxTotal, error)
           && readAmountText(lines, 7, s.bets, error)
           && readAmountText(lines, 8, s.prize, error)
           && readAmountText(lines, 9, s.profit, error)
           && readIndex(lines, 10, 0, 1, carry, error)
           && readIndex(lines, 11, 0, 1, intervalMode, error)
           // The play type again; as the lines set the controls in order, this one wins.
           && readIndex(lines, 12, 0, kPlayTypeCount - 1, s.playType, error);
    s.carry = carry == 1;
    s.intervalMode = intervalMode == 1;
    return ok;
}

// The count line at `at` and exactly that many bet lines after it, to the end of the file.
bool readBets(const std::vector<std::string_view>& lines, std::size_t at, std::vector<Bet>& bets,
              std::string& error)
{
    int count = 0;
    if (!readIndex(lines, at, 1, kMaxFileBets, count, error))
        return false;
    const std::size_t present = lines.size() - at - 1;
    if (present != static_cast<std::size_t>(count)) {
        error = lineError(at, "的注数 " + std::to_string(count) + " 与文件中的号码行数 "
                                  + std::to_string(present) + " 不符。");
        return false;
    }
    bets.clear();
    for (std::size_t i = at + 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (line.size() != kBetDigits) {
            error = lineError(i, "应为 3 个数字（0 到 9）。");
            return false;
        }
        Bet bet{};
        for (int p = 0; p < kBetDigits; ++p) {
            const char ch = line[static_cast<std::size_t>(p)];
            if (ch < '0' || ch > '9') {
                error = lineError(i, "应为 3 个数字（0 到 9）。");
                return false;
            }
            bet[static_cast<std::size_t>(p)] = ch - '0';
        }
        bets.push_back(bet);
    }
    return true;
}

} // namespace

std::string betsFileText(PlayType type, const std::vector<Bet>& bets)
{
    std::string text = std::to_string(static_cast<int>(type)) + "\r\n" + std::to_string(bets.size())
                       + "\r\n";
    appendBets(text, bets);
    return text;
}

std::string settingsFileText(const InvestmentSettingsFile& s)
{
    std::string text;
    for (const std::string& line :
         {std::to_string(s.playType), std::to_string(s.waitItem), std::to_string(s.runItem),
          std::to_string(s.intervalItem), std::to_string(s.countItem), s.maxStake, s.maxTotal,
          s.bets, s.prize, s.profit, std::string(s.carry ? "1" : "0"),
          std::string(s.intervalMode ? "1" : "0"), std::to_string(s.playType)})
        text += line + "\r\n";
    return text;
}

std::string combinedFileText(const InvestmentSettingsFile& settings, const std::vector<Bet>& bets)
{
    std::string text = settingsFileText(settings) + std::to_string(bets.size()) + "\r\n";
    appendBets(text, bets);
    return text;
}

LoadedInvestmentFile parseBetsFile(std::string_view text)
{
    LoadedInvestmentFile file;
    const std::vector<std::string_view> lines = splitLines(text);
    int type = 0;
    if (readIndex(lines, 0, 0, kPlayTypeCount - 1, type, file.error)
        && readBets(lines, 1, file.bets, file.error))
        file.playType = static_cast<PlayType>(type);
    return file;
}

LoadedInvestmentFile parseSettingsFile(std::string_view text)
{
    LoadedInvestmentFile file;
    const std::vector<std::string_view> lines = splitLines(text);
    InvestmentSettingsFile settings;
    if (!readSettings(lines, settings, file.error))
        return file;
    if (lines.size() > kSettingsLines) {
        file.error = lineError(kSettingsLines, "多余：设置文件只有 13 行。");
        return file;
    }
    file.playType = static_cast<PlayType>(settings.playType);
    file.settings = settings;
    return file;
}

LoadedInvestmentFile parseCombinedFile(std::string_view text)
{
    LoadedInvestmentFile file;
    const std::vector<std::string_view> lines = splitLines(text);
    InvestmentSettingsFile settings;
    if (!readSettings(lines, settings, file.error) || !readBets(lines, kSettingsLines, file.bets, file.error))
        return file;
    file.playType = static_cast<PlayType>(settings.playType);
    file.settings = settings;
    return file;
}

} // namespace pickora
