// Timings of the four recommendation windows on a lottery holding the retained 3000 draws: the
// back-test logic alone with the default and the slowest settings, and opening each window
// (back-test, grid, summary and charts, painted once offscreen).

#include <benchmark/benchmark.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>
#include <string>

#include "recommend/four_step.h"
#include "recommend/interval_rebound.h"
#include "recommend/intimate_numbers.h"
#include "recommend/stems_branches.h"
#include "recommend/u_ganzhi.h"
#include "recommend/u_qingmi.h"
#include "recommend/u_sep.h"
#include "recommend/u_sibu.h"
#include "store/db_engine.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/random_source.h"
#include "store/store_error.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kLottery = u"广东体彩11选5"_s;

// A database of its own holding exactly the retained draws, written once.
QString databaseFile()
{
    static QTemporaryDir folder;
    static QString file;
    if (!file.isEmpty() || !folder.isValid())
        return file;
    const QString path = folder.filePath(u"recommend.mdb"_s);
    createDatabaseIfMissing(path);
    db::DbConnection connection(u"bench-recommend"_s);
    connection.open(path);
    connection.beginTransaction();
    const QString insert = u"INSERT INTO %1 (%2, \"1\", \"2\", \"3\", \"4\", \"5\", %3) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"_s
                               .arg(db::quoteIdentifier(schema::numberTable(kLottery)),
                                    db::quoteIdentifier(schema::kIssueColumn),
                                    db::quoteIdentifier(schema::kDateColumn));
    for (const StoredDraw& draw : makeDemoDraws(kRetainedDraws, 84, {2026, 12, 9}, 13)) {
        QVariantList values{QString::fromStdString(draw.issueText)};
        for (const int n : draw.numbers)
            values.append(n);
        values.append(QString::fromStdString(dateOfIssue(draw.issueText)));
        connection.exec(insert, values);
    }
    connection.commit();
    file = path;
    return file;
}

// The lottery opened as the catalogue opens it; closed when the benchmark ends.
struct OpenLottery {
    explicit OpenLottery(const QString& file) : datamod(file), store(datamod, random)
    {
        store.openLottery({.name = kLottery.toStdString()});
    }
    Tdatamod datamod;
    ClockSeededRandom random;
    DrawStore store;
};

std::unique_ptr<OpenLottery> openLottery(benchmark::State& state)
{
    try {
        const QString file = databaseFile();
        if (file.isEmpty()) {
            state.SkipWithError("cannot write the database");
            return nullptr;
        }
        auto open = std::make_unique<OpenLottery>(file);
        if (open->store.history().count() != kRetainedDraws) {
            state.SkipWithError("the lottery does not hold the retained draws");
            return nullptr;
        }
        return open;
    } catch (const StoreError& error) {
        state.SkipWithError(error.what());
    }
    return nullptr;
}

// The back-test of each method alone: argument 0 the method, argument 1 the default (0) or
// the slowest (1) settings.
void BM_RecommendBacktest(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    const DrawHistory& h = opened->store.history();
    const int n = h.totalNumbers;
    const int k = h.pickCount;
    const bool slowest = state.range(1) == 1;
    const auto method = static_cast<RecommendMethod>(state.range(0));
    for (auto _ : state) {
        Backtest b;
        switch (method) {
        case RecommendMethod::IntervalRebound:
            // S = 20 and P = N walk the longest stretches and pick the most.
            b = intervalReboundBacktest(h.draws, n, k, slowest ? IntervalReboundSettings{20, n}
                                                               : IntervalReboundSettings{5, 2 * k});
            break;
        case RecommendMethod::IntimateNumbers:
            // "全部期数" walks every earlier occurrence of every reference number.
            b = intimateBacktest(h.draws, n, k, slowest ? IntimateSettings{false, n, 0}
                                                        : IntimateSettings{true, n / 2, 7});
            break;
        case RecommendMethod::StemsBranches:
            b = stemsBranchesBacktest(h.draws, h.dates, n, k, slowest);
            break;
        case RecommendMethod::FourStep:
            // c1 = 1 evaluates the most rows.
            b = fourStepBacktest(h.draws, n, k, slowest ? FourStepSettings{1, 5, 10, 10}
                                                        : FourStepSettings{40, 1, 10, 10});
            break;
        }
        benchmark::DoNotOptimize(b.rows.data());
    }
    state.SetLabel(std::string(methodTraits(method).caption) + (slowest ? " 最慢设置" : " 默认设置"));
}
BENCHMARK(BM_RecommendBacktest)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Opening a window as its menu item does: built, back-tested, charted, shown and painted.
void BM_OpenRecommendWindow(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    const DrawStore& store = opened->store;
    const auto method = static_cast<RecommendMethod>(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<ui::RecommendWindow> window;
        switch (method) {
        case RecommendMethod::IntervalRebound:
            window = std::make_unique<ui::Tfrmsep>(store);
            break;
        case RecommendMethod::IntimateNumbers:
            window = std::make_unique<ui::Tfrmqingmi>(store);
            break;
        case RecommendMethod::StemsBranches:
            window = std::make_unique<ui::Tfrmganzhi>(store);
            break;
        case RecommendMethod::FourStep:
            window = std::make_unique<ui::Tfrmsibu>(store);
            break;
        }
        window->show();
        window->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(methodTraits(method).caption));
}
BENCHMARK(BM_OpenRecommendWindow)
    ->DenseRange(0, 3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
