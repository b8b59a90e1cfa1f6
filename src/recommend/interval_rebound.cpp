#include "recommend/interval_rebound.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace pickora {

IntervalRebound::IntervalRebound(std::span<const Draw> draws, int totalNumbers, int pickCount)
    : draws_(draws), totalNumbers_(totalNumbers), pickCount_(pickCount),
      stride_(static_cast<std::size_t>(totalNumbers) + 1)
{
    // One row per t = 0 … count: row t + 1 is row t with draw t's numbers moved to t.
    last_.assign((draws.size() + 1) * stride_, -1);
    for (std::size_t t = 0; t < draws.size(); ++t) {
        std::copy_n(last_.begin() + static_cast<std::ptrdiff_t>(t * stride_), stride_,
                    last_.begin() + static_cast<std::ptrdiff_t>((t + 1) * stride_));
        for (int p = 0; p < pickCount; ++p) {
            const int x = draws[t].numbers[static_cast<std::size_t>(p)];
            if (x >= 1 && x <= totalNumbers)
                last_[(t + 1) * stride_ + static_cast<std::size_t>(x)] = static_cast<int>(t);
        }
    }
}

IntervalReboundPick IntervalRebound::recommend(int target,
                                               const IntervalReboundSettings& settings) const
{
    const int span = std::max(settings.span, 1);
    IntervalReboundPick pick;
    pick.counters.assign(static_cast<std::size_t>(span), 0);
    pick.ranking.resize(static_cast<std::size_t>(span));
    std::iota(pick.ranking.begin(), pick.ranking.end(), 1);
    pick.omission.assign(static_cast<std::size_t>(totalNumbers_) + 1, 0);
    target = std::clamp(target, 0, static_cast<int>(draws_.size()));
    if (target == 0)
        return pick;

    // The stretch: draws T-1 down to T-S-1 (from draw 0 near the start of the history).
    for (int w = target - 1; w >= std::max(0, target - span - 1); --w)
        for (int p = 0; p < pickCount_; ++p) {
            const int x = draws_[static_cast<std::size_t>(w)].numbers[static_cast<std::size_t>(p)];
            if (x < 1 || x > totalNumbers_)
                continue;
            const int gap = w - lastBefore(w, x);
            if (gap >= 1 && gap <= span)
                ++pick.counters[static_cast<std::size_t>(gap - 1)];
        }

    // Exchange sort, ascending by counter; equal counters keep their places.
    const auto counter = [&](int interval) { return pick.counters[static_cast<std::size_t>(interval - 1)]; };
    for (std::size_t a = 0; a + 1 < pick.ranking.size(); ++a)
        for (std::size_t b = a + 1; b < pick.ranking.size(); ++b)
            if (counter(pick.ranking[a]) > counter(pick.ranking[b]))
                std::swap(pick.ranking[a], pick.ranking[b]);

    for (int n = 1; n <= totalNumbers_; ++n)
        pick.omission[static_cast<std::size_t>(n)] = target - lastBefore(target, n);

    const auto wanted = static_cast<std::size_t>(std::max(settings.picks, 0));
    for (const int interval : pick.ranking)
        for (int n = 1; n <= totalNumbers_ && pick.numbers.size() < wanted; ++n)
            if (pick.omission[static_cast<std::size_t>(n)] == interval)
                pick.numbers.push_back(n);
    return pick;
}

Backtest intervalReboundBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                 const IntervalReboundSettings& settings)
{
    const IntervalRebound method(draws, totalNumbers, pickCount);
    return runBacktest(RecommendMethod::IntervalRebound, draws, pickCount, 0,
                       [&](int row) -> std::optional<std::vector<int>> {
                           if (row < 1)
                               return std::nullopt;
                           return method.recommend(row, settings).numbers;
                       });
}

} // namespace pickora
