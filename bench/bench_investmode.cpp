// Timings of the investment mode: one replay of a strategy over a full history, and the whole
// strategy search, on 3000 draws with a list of 100 直选 bets.

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "invest/investment_mode.h"
#include "invest/investment_search.h"
#include "invest/investment_simulation.h"
#include "store/demo_draws.h"
#include "store/random_source.h"

using namespace pickora;

namespace {

// 3000 demo draws matched with 100 random 直选 bets.
const HitGapTable& sampleTable()
{
    static const HitGapTable table = [] {
        std::vector<Draw> draws;
        for (const StoredDraw& stored : makeDemoDraws(3000, 84, {2026, 12, 9}, 7)) {
            Draw d;
            d.numbers = stored.numbers;
            draws.push_back(d);
        }
        SeededRandom random(42);
        return hitGapTable(PlayType::Direct, generateBets(PlayType::Direct, 100, random), draws);
    }();
    return table;
}

// One replay from scratch (its plans built too), as "分析" runs it.
void BM_InvestSimulation(benchmark::State& state)
{
    SimulationSettings settings; // the window's defaults: 100 bets, R = 1
    settings.runLength = static_cast<int>(state.range(0));
    const HitGapTable& table = sampleTable();
    for (auto _ : state) {
        const SimulationResult result = simulateInvestment(table, settings);
        benchmark::DoNotOptimize(result.balance);
    }
}
BENCHMARK(BM_InvestSimulation)->Arg(1)->Arg(50)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The full search in interval mode: 25500 replays, on one thread and on every core.
void BM_InvestSearch(benchmark::State& state)
{
    const HitGapTable& table = sampleTable();
    const int threads = state.range(0) == 0 ? static_cast<int>(std::max(1U, std::thread::hardware_concurrency()))
                                            : static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        std::atomic<int> progress{0};
        const SearchOutcome outcome = searchStrategy(table, {}, true, threads, stop, progress);
        benchmark::DoNotOptimize(outcome.bestBalance);
    }
    state.counters["threads"] = threads;
}
BENCHMARK(BM_InvestSearch)->Arg(1)->Arg(0)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
