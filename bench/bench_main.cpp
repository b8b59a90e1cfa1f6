// Timings of opening a lottery (connect, retention cap, read and analyse the rows) and of
// building the transformed history, on a database like a player's after a few weeks of downloads.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include <cstdio>
#include <memory>
#include <string>

#include "store/db_engine.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

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

struct OpenLottery {
    explicit OpenLottery(const QString& file) : datamod(file), store(datamod, random)
    {
        store.profile.name = kLotteryUtf8;
        store.drawPosition = DrawPosition::Middle;
    }
    Tdatamod datamod;
    ClockSeededRandom random;
    DrawStore store;
};

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
        if (open->store.history.count() != kRetainedDraws) {
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
    const QString file = freshWorkingCopy();
    if (file.isEmpty()) {
        state.SkipWithError("cannot copy the template database");
        return;
    }
    OpenLottery open(file);
    try {
        open.store.openDrawStore();
        open.store.loadDrawHistory();
    } catch (const db::DbError& error) {
        state.SkipWithError(qPrintable(error.message()));
        return;
    }
    if (open.store.history.count() != kRetainedDraws) {
        state.SkipWithError("the opened lottery does not hold the retained draws");
        return;
    }
    for (auto _ : state) {
        open.store.loadTransformedHistory();
        benchmark::DoNotOptimize(open.store.transformed.nextIndex);
    }
}
BENCHMARK(BM_LoadTransformedHistory)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
