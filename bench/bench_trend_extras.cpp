// Timings of the trend grid's extras on 3000 draws: the omission value of every cell (computed
// once per history when the rows change) and the statistics strip under the grid.

#include <benchmark/benchmark.h>

#include "analysis/number_statistics.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"

using namespace pickora;

namespace {

const DrawHistory& sampleHistory()
{
    static const DrawHistory history = [] {
        const std::vector<StoredDraw> stored = makeDemoDraws(3000, 84, {2026, 12, 9}, 7);
        return buildDrawHistory(stored, DrawPosition::Front, 11, 3);
    }();
    return history;
}

// What the grid does when its rows change: the masks of the rows in force and every cell's
// omission.
void BM_TrendCellOmissions(benchmark::State& state)
{
    const DrawHistory& history = sampleHistory();
    for (auto _ : state) {
        const CellOmissions omissions(presenceMasks(history), history.totalNumbers);
        benchmark::DoNotOptimize(omissions.at(0, 1));
    }
}
BENCHMARK(BM_TrendCellOmissions)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMicrosecond);

// What the strip does when the rows change.
void BM_TrendStatistics(benchmark::State& state)
{
    const DrawHistory& history = sampleHistory();
    for (auto _ : state) {
        const std::vector<NumberStatistics> stats =
            numberStatistics(presenceMasks(history), history.totalNumbers);
        benchmark::DoNotOptimize(stats.data());
    }
}
BENCHMARK(BM_TrendStatistics)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
