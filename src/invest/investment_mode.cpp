#include "invest/investment_mode.h"

#include <algorithm>

#include "store/random_source.h"

namespace pickora {

namespace {

int equalPairs(const Bet& bet)
{
    return int(bet[0] == bet[1]) + int(bet[0] == bet[2]) + int(bet[1] == bet[2]);
}

// The digits of a bet or the numbers of a draw sorted, as one key; -1 when a number is no digit.
int multisetKey(int a, int b, int c)
{
    if (a < 0 || a > 9 || b < 0 || b > 9 || c < 0 || c > 9)
        return -1;
    if (a > b)
        std::swap(a, b);
    if (b > c)
        std::swap(b, c);
    if (a > b)
        std::swap(a, b);
    return a * 100 + b * 10 + c;
}

int positionKey(int a, int b, int c)
{
    if (a < 0 || a > 9 || b < 0 || b > 9 || c < 0 || c > 9)
        return -1;
    return a * 100 + b * 10 + c;
}

int drawKey(PlayType type, const Draw& draw)
{
    const auto& n = draw.numbers;
    return type == PlayType::Direct ? positionKey(n[0], n[1], n[2]) : multisetKey(n[0], n[1], n[2]);
}

int betKey(PlayType type, const Bet& bet)
{
    return type == PlayType::Direct ? positionKey(bet[0], bet[1], bet[2])
                                    : multisetKey(bet[0], bet[1], bet[2]);
}

} // namespace

std::string_view playTypeCaption(PlayType type)
{
    switch (type) {
    case PlayType::Direct: return "直选";
    case PlayType::AnyGroup: return "全组选";
    case PlayType::Group3: return "组选3";
    case PlayType::Group6: return "组选6";
    }
    return "直选";
}

int maxBetCount(PlayType type)
{
    switch (type) {
    case PlayType::Direct: return 1000;
    case PlayType::AnyGroup: return 210;
    case PlayType::Group3: return 90;
    case PlayType::Group6: return 120;
    }
    return 1000;
}

std::string_view betCountMessage(PlayType type)
{
    switch (type) {
    case PlayType::Direct: return "请请输入1到1000的直选注数！";
    case PlayType::AnyGroup: return "请请输入1到210的组选注数！";
    case PlayType::Group3: return "请请输入1到90的组选3注数！";
    case PlayType::Group6: return "请请输入1到120的组选6注数！";
    }
    return "请请输入1到1000的直选注数！";
}

std::string checkInvestBetCount(PlayType type, std::int64_t count)
{
    if (count < 1 || count > maxBetCount(type))
        return std::string(betCountMessage(type));
    return {};
}

std::string betText(const Bet& bet)
{
    std::string text;
    for (const int digit : bet)
        text += static_cast<char>('0' + digit);
    return text;
}

bool isAcceptableBet(PlayType type, const Bet& bet)
{
    for (const int digit : bet)
        if (digit < 0 || digit > 9)
            return false;
    if (type == PlayType::Direct)
        return true;
    if (bet[0] > bet[1] || bet[1] > bet[2])
        return false;
    const int pairs = equalPairs(bet);
    switch (type) {
    case PlayType::AnyGroup: return pairs < 3;
    case PlayType::Group3: return pairs == 1;
    case PlayType::Group6: return pairs == 0;
    case PlayType::Direct: break;
    }
    return true;
}

std::vector<Bet> acceptableBets(PlayType type)
{
    std::vector<Bet> bets;
    for (int value = 0; value < 1000; ++value) {
        const Bet bet{value / 100, value / 10 % 10, value % 10};
        if (isAcceptableBet(type, bet))
            bets.push_back(bet);
    }
    return bets;
}

std::vector<Bet> generateBets(PlayType type, int count, RandomSource& random)
{
    std::vector<Bet> pool = acceptableBets(type);
    count = std::clamp(count, 0, static_cast<int>(pool.size()));
    random.reseedFromClock();
    // A partial Fisher-Yates shuffle: the first `count` entries become a uniformly random subset.
    for (int i = 0; i < count; ++i) {
        const int pick = random.uniform(i, static_cast<int>(pool.size()) - 1);
        std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(pick)]);
    }
    pool.resize(static_cast<std::size_t>(count));
    std::sort(pool.begin(), pool.end(),
              [](const Bet& a, const Bet& b) { return betValue(a) < betValue(b); });
    return pool;
}

bool betMatches(PlayType type, const Bet& bet, const Draw& draw)
{
    const int key = drawKey(type, draw);
    return key >= 0 && key == betKey(type, bet);
}

HitGapTable hitGapTableFromHits(const std::vector<bool>& hits,
                                const std::vector<std::int32_t>& issues)
{
    HitGapTable table;
    table.gaps.reserve(hits.size());
    table.issues = issues;
    table.issues.resize(hits.size());
    int lastHit = -1;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const int index = static_cast<int>(i);
        if (hits[i]) {
            table.gaps.push_back(0);
            lastHit = index;
        } else {
            table.gaps.push_back(index - lastHit);
        }
    }
    return table;
}

HitGapTable hitGapTable(PlayType type, const std::vector<Bet>& bets, const std::vector<Draw>& draws)
{
    // Every key a bet can match, so each draw is one look-up however long the list.
    std::array<bool, 1000> winning{};
    for (const Bet& bet : bets) {
        const int key = betKey(type, bet);
        if (key >= 0)
            winning[static_cast<std::size_t>(key)] = true;
    }
    std::vector<bool> hits;
    std::vector<std::int32_t> issues;
    hits.reserve(draws.size());
    issues.reserve(draws.size());
    for (const Draw& draw : draws) {
        const int key = drawKey(type, draw);
        hits.push_back(key >= 0 && winning[static_cast<std::size_t>(key)]);
        issues.push_back(draw.issue);
    }
    return hitGapTableFromHits(hits, issues);
}

std::vector<int> hitDistances(const HitGapTable& table)
{
    std::vector<int> distances;
    int previous = -1;
    for (int j = 0; j < table.size(); ++j) {
        if (table.isHit(j)) {
            distances.push_back(j - previous);
            previous = j;
        }
    }
    if (distances.empty())
        return distances;
    if (!table.isHit(table.size() - 1))
        distances.push_back(table.size() - previous + 1);
    return distances;
}

std::vector<IntervalStatRow> intervalStats(const HitGapTable& table)
{
    const std::vector<int> distances = hitDistances(table);
    std::vector<IntervalStatRow> rows;
    if (distances.empty())
        return rows;
    const int largest = *std::max_element(table.gaps.begin(), table.gaps.end()) + 1;
    std::vector<int> counts(distances.size() + 1);
    for (int m = 1; m <= largest; ++m) {
        std::fill(counts.begin(), counts.end(), 0);
        int run = 0;
        for (const int distance : distances) {
            if (distance >= m) {
                ++run;
            } else if (run > 0) {
                ++counts[static_cast<std::size_t>(run)];
                run = 0;
            }
        }
        // A run still open at the last distance is not counted.
        for (std::size_t length = 1; length < counts.size(); ++length)
            if (counts[length] > 0)
                rows.push_back({m, static_cast<int>(length), counts[length]});
    }
    return rows;
}

} // namespace pickora
