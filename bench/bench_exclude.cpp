// Timings of the exclusion searches ("无穷…排除选号") on 3000 draws: one pass of each member
// (random choices, statistics and the test of all 165 candidates), the follow member's standard
// statistics, and how many passes a second a running count-mode search makes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "bench_lottery.h"
#include "exclude/candidate_table.h"
#include "exclude/exclusion_members.h"
#include "exclude/exclusion_search.h"
#include "exclude/history_statistics.h"
#include "exclude/u_allgensui.h"
#include "exclude/u_allhei.h"
#include "exclude/u_allpiantai.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/random_source.h"
#include "widgets/long_loop.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

constexpr int kDraws = 3000;

const std::vector<Draw>& benchDraws()
{
    static const std::vector<Draw> draws = [] {
        const auto stored = makeDemoDraws(kDraws, 84, {2026, 12, 9}, 7);
        return buildDrawHistory(stored, DrawPosition::Middle, 11, 3).draws;
    }();
    return draws;
}

ExclusionBasis fullBasis()
{
    return {benchDraws(), 11, 3, kDraws};
}

enum Member { Sum, Repeat, BigOdd, FollowTransformed, FollowRegular };

std::unique_ptr<ExclusionMember> makeMember(int member)
{
    switch (member) {
    case Sum:
        return std::make_unique<SumExclusion>(fullBasis(), 27, 10);
    case Repeat:
        return std::make_unique<RepeatExclusion>(fullBasis(), 10, 3);
    case BigOdd:
        return std::make_unique<BigOddExclusion>(fullBasis(), BigOddRules{});
    case FollowTransformed:
        return std::make_unique<FollowExclusion>(fullBasis(), FollowSettings{});
    default: {
        FollowSettings regular;
        regular.transformed = false;
        return std::make_unique<FollowExclusion>(fullBasis(), regular);
    }
    }
}

const char* memberName(int member)
{
    static const char* names[] = {"sum", "repeat", "big/odd", "follow 变幻", "follow 常规"};
    return names[member];
}

// One pass: the member's preparation and the test of every candidate (the follow member's
// "常规" pass is measured on a fresh member, since later passes reuse the first one's work).
void BM_ExclusionPass(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    state.SetLabel(memberName(which));
    const CandidateTable table = buildCandidateTable(11, 3);
    ClockSeededRandom random;
    std::unique_ptr<ExclusionMember> member = makeMember(which);
    int excluded = 0;
    for (auto _ : state) {
        if (which == FollowRegular) {
            state.PauseTiming();
            member = makeMember(which);
            state.ResumeTiming();
        }
        member->preparePass(random);
        if (member->testsThisPass())
            for (const Candidate& c : table.entries)
                excluded += member->excludes(c) ? 1 : 0;
    }
    benchmark::DoNotOptimize(excluded);
}
BENCHMARK(BM_ExclusionPass)
    ->DenseRange(Sum, FollowRegular)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_FollowStandardStatistics(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(followHistory(benchDraws(), 3, 2));
}
BENCHMARK(BM_FollowStandardStatistics)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Runs the real member's pass and tests but keeps every candidate, so a count-mode search runs
// on the whole table for as long as it is measured, pumping events as a window does.
class KeepEverything : public ExclusionMember {
public:
    explicit KeepEverything(std::unique_ptr<ExclusionMember> inner) : inner_(std::move(inner)) {}
    void preparePass(RandomSource& random) override { inner_->preparePass(random); }
    bool testsThisPass() const override { return inner_->testsThisPass(); }
    bool excludes(const Candidate& c) const override
    {
        sink_ += inner_->excludes(c) ? 1 : 0;
        return false;
    }

private:
    std::unique_ptr<ExclusionMember> inner_;
    mutable int sink_ = 0;
};

void BM_CountModePasses(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    state.SetLabel(memberName(which));
    ClockSeededRandom random;
    QWidget window;
    long long passes = 0;
    for (auto _ : state) {
        CandidateTable table = buildCandidateTable(11, 3);
        KeepEverything member(makeMember(which));
        ui::LongLoop loop(&window);
        QElapsedTimer clock;
        clock.start();
        ExclusionHooks hooks;
        hooks.keepGoing = [&] { return loop.pump() && clock.elapsed() < 1000; };
        passes += runExclusionSearch(table, member, {true, 0, 0}, random, hooks).passes;
    }
    state.counters["passes_per_s"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CountModePasses)
    ->DenseRange(Sum, FollowRegular)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The windows themselves: a count-mode search that excludes nothing, stopped by its button after
// a second (sum with bounds beyond every sum; big/odd with both rules off).
void BM_WindowCountModeSearch(benchmark::State& state)
{
    const bool sum = state.range(0) == 0;
    state.SetLabel(sum ? "sum window" : "big/odd window");
    const std::unique_ptr<bench::OpenLottery> lottery = bench::openLottery(state);
    if (!lottery)
        return;
    std::unique_ptr<ui::ExclusionWindow> window;
    if (sum) {
        auto* w = new ui::Tfrmallhei(lottery->store);
        w->findChild<QComboBox*>(u"comhei1"_s)->setCurrentText(u"31"_s);
        w->findChild<QComboBox*>(u"comhei2"_s)->setCurrentText(u"5"_s);
        window.reset(w);
    } else {
        auto* w = new ui::Tfrmallpiantai(lottery->store);
        w->findChild<QCheckBox*>(u"chkda"_s)->setChecked(false);
        w->findChild<QCheckBox*>(u"chkxiao"_s)->setChecked(false);
        window.reset(w);
    }
    window->show();
    auto* button = window->findChild<QPushButton*>(u"btngen"_s);
    long long passes = 0;
    for (auto _ : state) {
        QTimer::singleShot(1000, button, &QPushButton::click);
        button->click();
        passes += window->passesRun();
    }
    state.counters["passes_per_s"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WindowCountModeSearch)
    ->DenseRange(0, 1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// "常规统计" of the follow window: statistics, grid and a chart of 3000 bars.
void BM_FollowWindowStandardStatistics(benchmark::State& state)
{
    const std::unique_ptr<bench::OpenLottery> lottery = bench::openLottery(state);
    if (!lottery)
        return;
    ui::Tfrmallgensui window(lottery->store);
    window.findChild<QRadioButton*>(u"optmode0"_s)->click();
    window.show();
    for (auto _ : state) {
        window.btntongjiClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FollowWindowStandardStatistics)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
