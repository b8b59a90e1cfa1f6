// Timings of opening a lottery (connect, retention cap, read and analyse the rows) and of
// building the transformed history, on a database like a player's after a few weeks of downloads.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTabBar>
#include <QUrl>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <cstdio>
#include <memory>
#include <string>

#include "analysis/trend_search.h"
#include "bench_lottery.h"
#include "invest/plan.h"
#include "store/db_engine.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"
#include "widgets/dialogs.h"
#include "shell/u_main.h"
#include "analysis/u_hei.h"
#include "filter/u_totalfilt.h"

using namespace Qt::StringLiterals;
using namespace pickora;
using pickora::bench::OpenLottery;
using pickora::bench::openLottery;

namespace {

// Answers every dialog silently.
class NoDialogs : public ui::DialogResponder {
public:
    QString fileToOpen; // what an open dialog answers
    void message(QWidget*, ui::MessageKind, const QString&, const QString& text) override
    {
        lastMessage = text;
    }
    QString lastMessage;
    QString openFile(QWidget*, const ui::FileDialogOptions&) override { return fileToOpen; }
    QString saveFile(QWidget*, const ui::FileDialogOptions&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
};

// More rows than are retained, so every open also deletes the oldest ones.
constexpr int kStoredRows = 3500;
const QString kLottery = u"广东体彩11选5"_s;
const std::string kLotteryUtf8 = kLottery.toStdString();

QTemporaryDir* workFolder = nullptr;
QString templateFile;

// A database whose 广东 table holds kStoredRows draws. Throws db::DbError.
QString buildTemplateDatabase()
{
    const QString path = workFolder->filePath(u"template.mdb"_s);
    createDatabaseIfMissing(path);
    db::DbConnection connection(u"bench-template"_s);
    connection.open(path);
    connection.beginTransaction();
    const QString insert = u"INSERT INTO %1 (%2, \"1\", \"2\", \"3\", \"4\", \"5\", %3) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"_s
                               .arg(db::quoteIdentifier(schema::numberTable(kLottery)),
                                    db::quoteIdentifier(schema::kIssueColumn),
                                    db::quoteIdentifier(schema::kDateColumn));
    for (const StoredDraw& draw : makeDemoDraws(kStoredRows, 84, {2026, 12, 9}, 7)) {
        QVariantList values{QString::fromStdString(draw.issueText)};
        for (int n : draw.numbers)
            values.append(n);
        values.append(QString::fromStdString(dateOfIssue(draw.issueText)));
        connection.exec(insert, values);
    }
    connection.commit();
    return path;
}

// A fresh copy of the template, since opening trims the table to the retained draws.
QString freshWorkingCopy()
{
    const QString file = workFolder->filePath(u"working.mdb"_s);
    QFile::remove(file);
    if (!QFile::copy(templateFile, file))
        return {};
    return file;
}

} // namespace

// A lottery opened on a fresh copy of the template (shared with the other benchmark files).
std::unique_ptr<bench::OpenLottery> bench::openLottery(benchmark::State& state)
{
    const QString file = freshWorkingCopy();
    if (file.isEmpty()) {
        state.SkipWithError("cannot copy the template database");
        return nullptr;
    }
    auto open = std::make_unique<OpenLottery>(file);
    try {
        open->store.openLottery({.name = kLotteryUtf8});
    } catch (const StoreError& error) {
        state.SkipWithError(error.what());
        return nullptr;
    }
    if (open->store.history().count() != kRetainedDraws) {
        state.SkipWithError("the opened lottery does not hold the retained draws");
        return nullptr;
    }
    return open;
}

namespace {

void BM_OpenLottery(benchmark::State& state)
{
    std::unique_ptr<OpenLottery> open;
    for (auto _ : state) {
        state.PauseTiming();
        open.reset(); // closing the previous one is not part of the timing
        const QString file = freshWorkingCopy();
        state.ResumeTiming();
        if (file.isEmpty()) {
            state.SkipWithError("cannot copy the template database");
            break;
        }
        try {
            open = std::make_unique<OpenLottery>(file);
            open->store.openDrawStore();
            open->store.loadDrawHistory();
        } catch (const db::DbError& error) {
            state.SkipWithError(qPrintable(error.message()));
            break;
        } catch (const DrawDataError& error) {
            state.SkipWithError(error.what());
            break;
        }
        if (open->store.history().count() != kRetainedDraws) {
            state.SkipWithError("the opened lottery does not hold the retained draws");
            break;
        }
    }
}
BENCHMARK(BM_OpenLottery)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_LoadTransformedHistory(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    OpenLottery& open = *opened;
    for (auto _ : state) {
        open.store.loadTransformedHistory();
        benchmark::DoNotOptimize(open.store.transformed().nextIndex);
    }
}
BENCHMARK(BM_LoadTransformedHistory)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Choosing an analysis tab: the view is made, computes over 3000 draws, fills its table and
// chart, and is painted once (offscreen).
void BM_ShowAnalysisTab(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    OpenLottery& open = *opened;
    ui::Tfrmmain window(open.store, ProgramFolder(workFolder->path()), QUrl());
    window.resize(1400, 860);
    window.show();
    QCoreApplication::processEvents();
    const int tab = static_cast<int>(state.range(0));
    for (auto _ : state) {
        window.selectTab(tab);
        window.currentView()->repaint();
        benchmark::DoNotOptimize(window.currentView());
    }
    state.SetLabel(window.tabStrip()->tabText(tab).toStdString());
}
BENCHMARK(BM_ShowAnalysisTab)
    ->DenseRange(0, 9)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// "全部期" then "重新统计" in the sum view: the chart draws a bar for each of 3000 draws.
void BM_ChartEveryDraw(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    OpenLottery& open = *opened;
    ui::Tfrmhei view(open.store);
    view.resize(1400, 800);
    view.show();
    view.findChild<QComboBox*>(u"comzuijingqishu"_s)->setCurrentIndex(0);
    for (auto _ : state) {
        view.btntongjiClick();
        view.repaint();
    }
}
BENCHMARK(BM_ChartEveryDraw)->Repetitions(3)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);

// A fixed plan of D periods; a prize of 100000 keeps every period within the multiplier limit.
void BM_FixedPlan(benchmark::State& state)
{
    PlanSettings settings;
    settings.unitPrize = 100000;
    settings.periods = state.range(0);
    for (auto _ : state) {
        const PlanResult plan = fixedPlan(settings);
        if (plan.tooLarge || plan.rows.size() != static_cast<std::size_t>(settings.periods)) {
            state.SkipWithError("the plan did not reach its last period");
            break;
        }
        benchmark::DoNotOptimize(plan.rows.data());
    }
}
BENCHMARK(BM_FixedPlan)->Arg(80)->Arg(10000)->Repetitions(15)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMicrosecond);

// One trial of the default "搜索杀号" (big count, the two newest draws): a new permutation and
// window, the ranks of the draws the test reads, the test.
void BM_SearchTrial(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    DrawStore& store = opened->store;
    const SearchSettings settings;
    std::int64_t stops = 0;
    for (auto _ : state) {
        const TransformParameters trial = store.drawTransformParameters();
        const std::vector<Draw> newest = transformNewest(store.history().draws, 11, 3,
                                                         trial.permutation, trial.windowLength,
                                                         settings.runLength);
        const std::vector<float> values
            = newestIndicatorValues(settings.kind, newest, settings.runLength, 11, 3);
        stops += searchStops(settings, values);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["stops"] = static_cast<double>(stops);
}
BENCHMARK(BM_SearchTrial)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMicrosecond);

NoDialogs* quietDialogs = nullptr;

// "载入" of a bet file of 1,000,000 lines into the total filter, then one "过滤" over all of them.
void BM_TotalFilterMillionBets(benchmark::State& state)
{
    const auto opened = openLottery(state);
    if (!opened)
        return;
    OpenLottery& open = *opened;
    const QString bets = workFolder->filePath(u"bets.txt"_s);
    {
        QFile out(bets);
        if (!out.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the bet file");
            return;
        }
        SeededRandom random(3);
        QByteArray text;
        text.reserve(11'000'000);
        for (int i = 0; i < 1'000'000; ++i) {
            const int a = random.uniform(1, 11);
            int b = random.uniform(1, 11);
            while (b == a)
                b = random.uniform(1, 11);
            int c = random.uniform(1, 11);
            while (c == a || c == b)
                c = random.uniform(1, 11);
            char line[16];
            std::snprintf(line, sizeof line, "%.2d %.2d %.2d \r\n", a, b, c);
            text += line;
        }
        out.write(text);
    }
    quietDialogs->fileToOpen = bets;
    ui::Tfrmtotalfilt filter(open.store);
    filter.show();
    auto* sum = filter.findChild<QCheckBox*>(u"chkhei"_s);
    for (auto _ : state) {
        filter.btnloadClick();
        // Bets repeating the line before them are dropped: a few hundred of a million.
        if (open.store.combinations().entries.size() < 990'000) {
            state.SkipWithError(qPrintable(u"the bet file did not load: "_s + quietDialogs->lastMessage));
            break;
        }
        sum->setChecked(true);
        filter.findChild<QComboBox*>(u"comhei1"_s)->setCurrentText(u"12"_s);
        filter.findChild<QComboBox*>(u"comhei2"_s)->setCurrentText(u"20"_s);
        filter.btnfiltClick();
    }
    quietDialogs->fileToOpen.clear();
}
BENCHMARK(BM_TotalFilterMillionBets)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The views are measured without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A missing background picture would stop the run with a message box.
    static NoDialogs quiet;
    quietDialogs = &quiet;
    ui::dialogs::setResponder(&quiet);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    workFolder = &folder;
    try {
        templateFile = buildTemplateDatabase();
    } catch (const db::DbError& error) {
        std::fprintf(stderr, "cannot build the template database: %s\n",
                     qPrintable(error.message()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
