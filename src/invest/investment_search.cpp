#include "invest/investment_search.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace pickora {

namespace {

// Evaluations a thread claims at a time: one sweep of the run length.
constexpr int kChunk = kSearchRunItems;

struct Best {
    std::int64_t balance = kSearchStartBalance;
    int index = -1; // none better than the start value yet
    int evaluated = 0;

    // Indices reach one Best in increasing order, so a strict comparison keeps the first.
    void offer(std::int64_t value, int at)
    {
        ++evaluated;
        if (value > balance) {
            balance = value;
            index = at;
        }
    }
};

SearchOutcome outcomeOf(const Best& best, bool stopped)
{
    SearchOutcome outcome;
    outcome.bestBalance = best.balance;
    outcome.evaluated = best.evaluated;
    outcome.stopped = stopped;
    if (best.index >= 0)
        outcome.best = searchItemsAt(best.index);
    return outcome;
}

} // namespace

int searchCombinationCount(bool intervalMode)
{
    return (intervalMode ? kSearchCountItems : 1) * kSearchWaitItems * kSearchRunItems;
}

SearchItems searchItemsAt(int index)
{
    return {index / (kSearchWaitItems * kSearchRunItems), index / kSearchRunItems % kSearchWaitItems,
            index % kSearchRunItems};
}

SimulationSettings withItems(SimulationSettings settings, SearchItems items)
{
    settings.intervalCount = items.a + 1;
    settings.wait = items.b;
    settings.runLength = items.c + 1;
    return settings;
}

SearchOutcome searchStrategySequential(const HitGapTable& table, const SimulationSettings& settings,
                                       bool intervalMode)
{
    const HitTrack track(table);
    RunPlanCache cache(settings);
    Best best;
    const int count = searchCombinationCount(intervalMode);
    for (int i = 0; i < count; ++i)
        best.offer(simulateBalance(track, withItems(settings, searchItemsAt(i)), cache), i);
    return outcomeOf(best, false);
}

SearchOutcome searchStrategy(const HitGapTable& table, const SimulationSettings& settings,
                             bool intervalMode, int threads, const std::atomic<bool>& stop,
                             std::atomic<int>& progress)
{
    const HitTrack track(table);
    const int count = searchCombinationCount(intervalMode);
    threads = std::clamp(threads, 1, 64);
    std::atomic<int> nextChunk{0};
    std::vector<Best> bests(static_cast<std::size_t>(threads));

    const auto work = [&](Best& best) {
        RunPlanCache cache(settings); // each thread's own copy of the plans
        for (;;) {
            const int first = nextChunk.fetch_add(kChunk, std::memory_order_relaxed);
            if (first >= count)
                return;
            const int end = std::min(first + kChunk, count);
            for (int i = first; i < end; ++i) {
                if (stop.load(std::memory_order_relaxed))
                    return;
                best.offer(simulateBalance(track, withItems(settings, searchItemsAt(i)), cache), i);
                progress.fetch_add(1, std::memory_order_relaxed);
            }
        }
    };

    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(threads) - 1);
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, std::ref(bests[static_cast<std::size_t>(t)]));
    work(bests[0]);
    for (std::thread& thread : pool)
        thread.join();

    Best merged;
    for (const Best& best : bests) {
        merged.evaluated += best.evaluated;
        if (best.index < 0)
            continue;
        if (best.balance > merged.balance
            || (best.balance == merged.balance && (merged.index < 0 || best.index < merged.index))) {
            merged.balance = best.balance;
            merged.index = best.index;
        }
    }
    return outcomeOf(merged, stop.load() && merged.evaluated < count);
}

} // namespace pickora
