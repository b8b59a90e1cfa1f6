#include "recommend/intimate_numbers.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace pickora {

namespace {

// Exchange sort of 1 … N by counter, descending; equal counters keep their places.
std::vector<int> rankDescending(const std::vector<int>& counters, int totalNumbers)
{
    std::vector<int> ranking(static_cast<std::size_t>(totalNumbers));
    std::iota(ranking.begin(), ranking.end(), 1);
    const auto counter = [&](int n) { return counters[static_cast<std::size_t>(n)]; };
    for (std::size_t a = 0; a + 1 < ranking.size(); ++a)
        for (std::size_t b = a + 1; b < ranking.size(); ++b)
            if (counter(ranking[a]) < counter(ranking[b]))
                std::swap(ranking[a], ranking[b]);
    return ranking;
}

std::string entryText(int number, int counter)
{
    return std::to_string(number) + ":" + std::to_string(counter) + "次";
}

} // namespace

IntimateNumbers::IntimateNumbers(std::span<const Draw> draws, int totalNumbers, int pickCount)
    : draws_(draws), totalNumbers_(totalNumbers), pickCount_(pickCount),
      occurrences_(static_cast<std::size_t>(totalNumbers) + 1)
{
    for (std::size_t j = 0; j < draws.size(); ++j)
        for (int p = 0; p < pickCount; ++p) {
            const int x = draws[j].numbers[static_cast<std::size_t>(p)];
            if (x < 1 || x > totalNumbers)
                continue;
            std::vector<int>& list = occurrences_[static_cast<std::size_t>(x)];
            if (list.empty() || list.back() != static_cast<int>(j))
                list.push_back(static_cast<int>(j));
        }
    // Running counts, so a row reads its counters instead of walking back through the history.
    const auto entries = static_cast<std::size_t>(totalNumbers) + 1;
    const std::size_t plane = entries * entries;
    follows_.assign((draws.size() + 1) * plane, 0);
    for (std::size_t j = 0; j < draws.size(); ++j) {
        std::copy_n(follows_.begin() + static_cast<std::ptrdiff_t>(j * plane), plane,
                    follows_.begin() + static_cast<std::ptrdiff_t>((j + 1) * plane));
        if (j + 1 == draws.size())
            break;
        std::vector<bool> held(entries, false);
        for (int p = 0; p < pickCount; ++p) {
            const int x = draws[j].numbers[static_cast<std::size_t>(p)];
            if (x < 1 || x > totalNumbers || held[static_cast<std::size_t>(x)])
                continue;
            held[static_cast<std::size_t>(x)] = true;
            for (int q = 0; q < pickCount; ++q) {
                const int y = draws[j + 1].numbers[static_cast<std::size_t>(q)];
                if (y >= 1 && y <= totalNumbers)
                    ++follows_[(j + 1) * plane + static_cast<std::size_t>(x) * entries
                               + static_cast<std::size_t>(y)];
            }
        }
    }
}

std::optional<IntimatePick> IntimateNumbers::recommend(int target,
                                                       const IntimateSettings& settings) const
{
    if (target < 1 || target > static_cast<int>(draws_.size()))
        return std::nullopt;
    const auto entries = static_cast<std::size_t>(totalNumbers_) + 1;
    IntimatePick pick;
    pick.totalCounters.assign(entries, 0);
    const Draw& reference = draws_[static_cast<std::size_t>(target - 1)];
    for (int p = 0; p < pickCount_; ++p) {
        const int x = reference.numbers[static_cast<std::size_t>(p)];
        pick.references.push_back(x);
        std::vector<int> counters(entries, 0);
        if (x >= 1 && x <= totalNumbers_) {
            // The walk back from draw T-2 meets the occurrences of x latest first; the s-th one
            // ends it before it contributes, so the latest s - 1 (all for s = 0) count. They are
            // the occurrences from draw `from` on: the running counts at T-1 less those at `from`.
            const std::vector<int>& list = occurrences_[static_cast<std::size_t>(x)];
            const auto before = std::upper_bound(list.begin(), list.end(), target - 2) - list.begin();
            int from = 0;
            if (settings.stageCount > 0) {
                const auto counted = std::min<std::ptrdiff_t>(before, settings.stageCount - 1);
                from = counted == 0 ? target - 1 : list[static_cast<std::size_t>(before - counted)];
            }
            for (int y = 1; y <= totalNumbers_; ++y)
                counters[static_cast<std::size_t>(y)] = follows(target - 1, x, y) - follows(from, x, y);
        }
        for (std::size_t y = 1; y < entries; ++y)
            pick.totalCounters[y] += counters[y];
        pick.positionRankings.push_back(rankDescending(counters, totalNumbers_));
        pick.positionCounters.push_back(std::move(counters));
    }
    pick.totalRanking = rankDescending(pick.totalCounters, totalNumbers_);

    const auto top = static_cast<std::size_t>(std::clamp(settings.selectCount, 0, totalNumbers_));
    std::vector<bool> chosen(entries, false);
    if (settings.overall) {
        for (std::size_t r = 0; r < top; ++r)
            chosen[static_cast<std::size_t>(pick.totalRanking[r])] = true;
    } else {
        for (const std::vector<int>& ranking : pick.positionRankings)
            for (std::size_t r = 0; r < top; ++r)
                chosen[static_cast<std::size_t>(ranking[r])] = true;
    }
    for (int n = 1; n <= totalNumbers_; ++n)
        if (chosen[static_cast<std::size_t>(n)])
            pick.numbers.push_back(n);
    return pick;
}

std::string intimateTotalText(const IntimatePick& pick)
{
    std::string text = "各亲密数字总次数";
    for (const int n : pick.totalRanking)
        text += entryText(n, pick.totalCounters[static_cast<std::size_t>(n)]) + " ";
    return text;
}

std::vector<std::vector<std::string>> intimatePositionTable(const IntimatePick& pick)
{
    const std::size_t positions = pick.references.size();
    const std::size_t ranks = pick.totalRanking.size();
    std::vector<std::vector<std::string>> table(ranks + 1,
                                                std::vector<std::string>(positions + 1));
    table[0][0] = "参照号码";
    for (std::size_t p = 0; p < positions; ++p)
        table[0][p + 1] = std::to_string(pick.references[p]);
    for (std::size_t r = 1; r <= ranks; ++r) {
        table[r][0] = "排名" + std::to_string(r);
        for (std::size_t p = 0; p < positions; ++p) {
            const int n = pick.positionRankings[p][r - 1];
            table[r][p + 1] = entryText(n, pick.positionCounters[p][static_cast<std::size_t>(n)]);
        }
    }
    return table;
}

Backtest intimateBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                          const IntimateSettings& settings)
{
    const IntimateNumbers method(draws, totalNumbers, pickCount);
    return runBacktest(RecommendMethod::IntimateNumbers, draws, pickCount, 1,
                       [&](int row) -> std::optional<std::vector<int>> {
                           if (const std::optional<IntimatePick> pick = method.recommend(row, settings))
                               return pick->numbers;
                           return std::nullopt;
                       });
}

} // namespace pickora
