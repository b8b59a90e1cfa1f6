#include "recommend/wheel_design.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>

namespace pickora {

std::string wheelNumeral(int n)
{
    static constexpr std::array<const char*, 7> numerals = {"一", "二", "三", "四", "五", "六", "七"};
    return n >= 1 && n <= 7 ? numerals[static_cast<std::size_t>(n - 1)] : "";
}

std::string wheelFileName(const WheelParams& p)
{
    const std::string base = (p.base < 10 ? "0" : "") + std::to_string(p.base);
    return "选" + wheelNumeral(p.pick) + "型" + base + "码中" + std::to_string(p.drawn) + "保"
           + std::to_string(p.guaranteed) + ".txt";
}

namespace {

// Reads a plain decimal number of at most two digits at the front of `text`.
std::optional<int> takeNumber(std::string_view& text)
{
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 2 && text[digits] >= '0' && text[digits] <= '9')
        value = value * 10 + (text[digits++] - '0');
    if (digits == 0)
        return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

bool take(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

std::optional<WheelParams> parseWheelFileName(std::string_view name)
{
    const std::string_view whole = name;
    WheelParams p;
    if (!take(name, "选"))
        return std::nullopt;
    for (int n = 1; n <= 7 && p.pick == 0; ++n)
        if (take(name, wheelNumeral(n)))
            p.pick = n;
    std::optional<int> base, drawn, guaranteed;
    if (p.pick == 0 || !take(name, "型") || !(base = takeNumber(name)) || !take(name, "码中")
        || !(drawn = takeNumber(name)) || !take(name, "保") || !(guaranteed = takeNumber(name))
        || name != ".txt")
        return std::nullopt;
    p.base = *base;
    p.drawn = *drawn;
    p.guaranteed = *guaranteed;
    // Only the name the program would look for: b always has two digits.
    if (wheelFileName(p) != whole)
        return std::nullopt;
    return p;
}

std::vector<WheelParams> wheelCatalogue()
{
    std::vector<WheelParams> all;
    for (int m = 1; m <= kMaxWheelPick; ++m)
        for (int b = m + 1; b <= kMaxWheelBase; ++b)
            for (int g = 1; g <= m; ++g)
                for (int r = g; r <= std::min(b, kMaxWheelDrawn); ++r)
                    all.push_back({b, m, r, g});
    return all;
}

int betSize(WheelBet bet) { return std::popcount(static_cast<unsigned>(bet)); }

std::string betPositionsText(WheelBet bet)
{
    std::string text;
    for (int p = 1; p <= 16; ++p)
        if (bet & (1U << (p - 1))) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(p);
        }
    return text;
}

std::string wheelFileText(const std::vector<WheelBet>& bets)
{
    std::string text;
    for (const WheelBet bet : bets)
        text += betPositionsText(bet) + "\r\n";
    return text;
}

ParsedWheel parseWheelFile(std::string_view text, const WheelParams& p)
{
    ParsedWheel result;
    const auto fail = [&](std::size_t line, const std::string& why) {
        result.bets.clear();
        result.error = "第 " + std::to_string(line) + " 行" + why;
        return result;
    };
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++lineNumber;
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            return fail(lineNumber, "没有以回车换行结束");
        const std::string_view line = text.substr(start, end - start);
        start = end + 2;
        WheelBet bet = 0;
        int count = 0;
        int previous = 0;
        std::size_t at = 0;
        while (at < line.size()) {
            if (count > 0) {
                if (line[at] != ' ')
                    return fail(lineNumber, "的位置之间应有一个空格");
                ++at;
            }
            int value = 0;
            std::size_t digits = 0;
            while (at < line.size() && line[at] >= '0' && line[at] <= '9' && digits < 3) {
                value = value * 10 + (line[at] - '0');
                ++at;
                ++digits;
            }
            if (digits == 0 || (at < line.size() && line[at] != ' '))
                return fail(lineNumber, "含有不是位置数字的文字");
            if (value < 1 || value > p.base)
                return fail(lineNumber, "的位置 " + std::to_string(value) + " 不在 1 到 "
                                            + std::to_string(p.base) + " 之间");
            if (value <= previous)
                return fail(lineNumber, "的位置没有按从小到大排列");
            previous = value;
            bet = static_cast<WheelBet>(bet | (1U << (value - 1)));
            ++count;
        }
        if (count != p.pick)
            return fail(lineNumber, "有 " + std::to_string(count) + " 个位置，应为 "
                                        + std::to_string(p.pick) + " 个");
        result.bets.push_back(bet);
    }
    if (result.bets.empty())
        result.error = "文件中没有投注";
    return result;
}

WheelCheck verifyWheel(const WheelParams& p, const std::vector<WheelBet>& bets)
{
    WheelCheck check;
    if (p.base < 1 || p.base > 16 || p.drawn < 0 || p.drawn > p.base) {
        check.problem = "参数不合理";
        return check;
    }
    const unsigned all = (1U << p.base) - 1;
    for (std::size_t i = 0; i < bets.size(); ++i)
        if ((bets[i] & ~all) != 0 || betSize(bets[i]) != p.pick) {
            check.problem = "第 " + std::to_string(i + 1) + " 注不是 1 到 " + std::to_string(p.base)
                            + " 中的 " + std::to_string(p.pick) + " 个位置";
            return check;
        }
    // Every r-subset in increasing order of its mask (Gosper's hack).
    if (p.drawn == 0) {
        check.subsetsChecked = 1;
        check.ok = p.guaranteed <= 0;
        return check;
    }
    unsigned subset = (1U << p.drawn) - 1;
    while (subset <= all) {
        ++check.subsetsChecked;
        const bool held = std::any_of(bets.begin(), bets.end(), [&](WheelBet bet) {
            return std::popcount(subset & bet) >= p.guaranteed;
        });
        if (!held) {
            check.uncovered = static_cast<WheelBet>(subset);
            check.problem = "开出 " + betPositionsText(check.uncovered) + " 时没有一注含有其中 "
                            + std::to_string(p.guaranteed) + " 个";
            return check;
        }
        const unsigned lowest = subset & (~subset + 1);
        const unsigned ripple = subset + lowest;
        subset = (((ripple ^ subset) >> 2) / lowest) | ripple;
    }
    check.ok = true;
    return check;
}

std::uint64_t binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::uint64_t value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return value;
}

int countingBound(const WheelParams& p)
{
    std::uint64_t served = 0;
    for (int i = p.guaranteed; i <= std::min(p.pick, p.drawn); ++i)
        served += binomial(p.pick, i) * binomial(p.base - p.pick, p.drawn - i);
    const std::uint64_t all = binomial(p.base, p.drawn);
    if (served == 0)
        return 0;
    return static_cast<int>((all + served - 1) / served);
}

int schoenheimBound(int v, int k, int t)
{
    if (t <= 0)
        return 1;
    const std::uint64_t inner = static_cast<std::uint64_t>(schoenheimBound(v - 1, k - 1, t - 1));
    const auto vv = static_cast<std::uint64_t>(v);
    const auto kk = static_cast<std::uint64_t>(k);
    return static_cast<int>((vv * inner + kk - 1) / kk);
}

namespace {

// The bounds that follow from the design's own numbers.
int directBound(const WheelParams& p)
{
    int bound = std::max(1, countingBound(p));
    if (p.drawn == p.guaranteed)
        bound = std::max(bound, schoenheimBound(p.base, p.pick, p.guaranteed));
    // With g = 1 a drawn set is missed exactly when it avoids every bet: the bets must reach
    // b - r + 1 of the numbers, and bets of disjoint numbers do.
    if (p.guaranteed == 1)
        bound = std::max(bound, (p.base - p.drawn + p.pick) / p.pick);
    // Pairs that every r-set must hold one of: a graph without r independent vertices, at least
    // the edges of r - 1 cliques of sizes as equal as possible (Turán's theorem).
    if (p.pick == 2 && p.guaranteed == 2 && p.drawn >= 2) {
        const int parts = p.drawn - 1;
        int edges = 0;
        for (int i = 0; i < parts; ++i) {
            const int size = p.base / parts + (i < p.base % parts ? 1 : 0);
            edges += size * (size - 1) / 2;
        }
        bound = std::max(bound, edges);
    }
    return bound;
}

bool inRange(const WheelParams& p)
{
    return p.pick >= 1 && p.pick < p.base && p.guaranteed >= 1 && p.guaranteed <= p.pick
           && p.drawn >= p.guaranteed && p.drawn <= p.base;
}

int lowerBound(const WheelParams& p, std::map<std::array<int, 4>, int>& known)
{
    // A design also serves fewer guaranteed numbers (g - 1) and more drawn ones (r + 1); padded
    // with one more number per bet it is a design of m + 1; and with one number taken out (bets
    // holding it take any other instead) a design on b - 1 numbers. So each of those smaller
    // problems bounds this one from below.
    const std::array<int, 4> key = {p.base, p.pick, p.drawn, p.guaranteed};
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    int bound = directBound(p);
    for (const WheelParams q : {WheelParams{p.base, p.pick, p.drawn, p.guaranteed - 1},
                                WheelParams{p.base, p.pick, p.drawn + 1, p.guaranteed},
                                WheelParams{p.base, p.pick + 1, p.drawn, p.guaranteed},
                                WheelParams{p.base - 1, p.pick, p.drawn, p.guaranteed}})
        if (inRange(q))
            bound = std::max(bound, lowerBound(q, known));
    known.emplace(key, bound);
    return bound;
}

} // namespace

int wheelLowerBound(const WheelParams& p)
{
    std::map<std::array<int, 4>, int> known;
    return lowerBound(p, known);
}

} // namespace pickora
