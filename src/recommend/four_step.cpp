#include "recommend/four_step.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <utility>

namespace pickora {

namespace {

// Exchange sort of 1 … N by count, descending; equal counts keep their places.
std::vector<int> rankDescending(const std::vector<int>& counts, int totalNumbers)
{
    std::vector<int> ranking(static_cast<std::size_t>(totalNumbers));
    std::iota(ranking.begin(), ranking.end(), 1);
    const auto count = [&](int n) { return counts[static_cast<std::size_t>(n)]; };
    for (std::size_t a = 0; a + 1 < ranking.size(); ++a)
        for (std::size_t b = a + 1; b < ranking.size(); ++b)
            if (count(ranking[a]) < count(ranking[b]))
                std::swap(ranking[a], ranking[b]);
    return ranking;
}

std::vector<int> selected(const std::vector<bool>& flags)
{
    std::vector<int> numbers;
    for (std::size_t n = 1; n < flags.size(); ++n)
        if (flags[n])
            numbers.push_back(static_cast<int>(n));
    return numbers;
}

} // namespace

FourStep::FourStep(std::span<const Draw> draws, int totalNumbers, int pickCount)
    : draws_(draws), totalNumbers_(totalNumbers), stride_(static_cast<std::size_t>(totalNumbers) + 1)
{
    prefix_.assign((draws.size() + 1) * stride_, 0);
    for (std::size_t t = 0; t < draws.size(); ++t) {
        std::copy_n(prefix_.begin() + static_cast<std::ptrdiff_t>(t * stride_), stride_,
                    prefix_.begin() + static_cast<std::ptrdiff_t>((t + 1) * stride_));
        std::vector<bool> seen(stride_, false);
        for (int p = 0; p < pickCount; ++p) {
            const int x = draws[t].numbers[static_cast<std::size_t>(p)];
            if (x >= 1 && x <= totalNumbers && !seen[static_cast<std::size_t>(x)]) {
                seen[static_cast<std::size_t>(x)] = true;
                ++prefix_[(t + 1) * stride_ + static_cast<std::size_t>(x)];
            }
        }
    }
}

int FourStep::countIn(int from, int to, int n) const
{
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(draws_.size()) - 1);
    if (to < from)
        return 0;
    const auto at = [&](int t) { return prefix_[static_cast<std::size_t>(t) * stride_ + static_cast<std::size_t>(n)]; };
    return at(to + 1) - at(from);
}

bool FourStep::holds(int draw, int n) const { return draw >= 0 && countIn(draw, draw, n) > 0; }

std::optional<FourStepPick> FourStep::recommend(int target, const FourStepSettings& s) const
{
    if (s.c1 < 1 || s.c2 < 1 || s.c3 < 1 || s.c4 < 1 || target < firstTarget(s)
        || target > static_cast<int>(draws_.size()))
        return std::nullopt;
    const int n = totalNumbers_;
    FourStepPick pick;
    std::vector<bool> chosen(stride_, false);

    // Step 1: the most frequent half over draws T-c1 … T-1.
    pick.step1Counts.assign(stride_, 0);
    for (int x = 1; x <= n; ++x)
        pick.step1Counts[static_cast<std::size_t>(x)] = countIn(target - s.c1, target - 1, x);
    pick.step1Ranking = rankDescending(pick.step1Counts, n);
    for (int r = 0; r < n / 2; ++r)
        chosen[static_cast<std::size_t>(pick.step1Ranking[static_cast<std::size_t>(r)])] = true;
    pick.step1 = selected(chosen);

    // Step 2: drop what came out in draws T-c2 … T-1.
    for (int x = 1; x <= n; ++x)
        if (countIn(target - s.c2, target - 1, x) > 0)
            chosen[static_cast<std::size_t>(x)] = false;
    pick.step2 = selected(chosen);

    // Step 3: a run of three at the far end of the step-1 window, rested over draws T-c3 … T-1.
    for (int x = 1; x <= n; ++x)
        if (holds(target - s.c1, x) && holds(target - s.c1 - 1, x) && holds(target - s.c1 - 2, x)
            && countIn(target - s.c3, target - 1, x) == 0) {
            chosen[static_cast<std::size_t>(x)] = true;
            pick.step3.push_back(x);
        }

    // Step 4: the top quarter over the c4 draws before the newest one, when cold in step 1.
    std::vector<int> recent(stride_, 0);
    for (int x = 1; x <= n; ++x)
        recent[static_cast<std::size_t>(x)] = countIn(target - s.c4 - 1, target - 2, x);
    pick.step4Ranking = rankDescending(recent, n);
    if (n > 3) {
        const auto coldFrom = pick.step1Ranking.begin() + (n * 3 / 4 - 1);
        for (int r = 0; r < n / 4; ++r) {
            const int x = pick.step4Ranking[static_cast<std::size_t>(r)];
            if (std::find(coldFrom, pick.step1Ranking.end(), x) != pick.step1Ranking.end()) {
                chosen[static_cast<std::size_t>(x)] = true;
                pick.step4.push_back(x);
            }
        }
    }
    pick.numbers = selected(chosen);
    return pick;
}

Backtest fourStepBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                          const FourStepSettings& settings)
{
    const FourStep method(draws, totalNumbers, pickCount);
    const int first = fourStepFirstEvaluatedRow(settings);
    return runBacktest(RecommendMethod::FourStep, draws, pickCount, first,
                       [&](int row) -> std::optional<std::vector<int>> {
                           if (row < first)
                               return std::nullopt;
                           if (const std::optional<FourStepPick> pick = method.recommend(row, settings))
                               return pick->numbers;
                           return std::nullopt;
                       });
}

std::string runNumbersText(std::span<const int> numbers)
{
    std::string text;
    for (const int n : numbers) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.2d", n);
        text += buffer;
    }
    return text;
}

} // namespace pickora
