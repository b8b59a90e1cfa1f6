// Timing of "导入开奖号码" with 3,000 pasted lines: the window reads the text, shows every line's
// status and writes the new draws into an empty table in one transaction.

#include <benchmark/benchmark.h>

#include <QPlainTextEdit>
#include <QString>
#include <QTemporaryDir>

#include "acquire/u_import.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/program_folder.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

constexpr int kPastedLines = 3000;

// A results table as a browser copies it: issue, date, weekday, the numbers in one cell, sum.
QString pastedTable()
{
    QString text = u"期号\t开奖日期\t星期\t开奖号码\t和值\n"_s;
    for (const StoredDraw& draw : makeDemoDraws(kPastedLines, 84, {2026, 12, 9}, 11)) {
        QStringList numbers;
        int sum = 0;
        for (const int n : draw.numbers) {
            numbers << u"%1"_s.arg(n, 2, 10, QChar(u'0'));
            sum += n;
        }
        text += QString::fromStdString(draw.issueText) + u'\t' + QString::fromStdString(dateOfIssue(draw.issueText))
                + u"\t星期三\t"_s + numbers.join(u' ') + u'\t' + QString::number(sum) + u'\n';
    }
    return text;
}

void BM_ImportPastedLines(benchmark::State& state)
{
    const QString text = pastedTable();
    const QString lottery = schema::defaultLotteries().at(1);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const ProgramFolder folder(dir.path());
        createDatabaseIfMissing(folder.databaseFile());
        state.ResumeTiming();

        ui::Tfrmimport window(folder, nullptr, lottery);
        window.findChild<QPlainTextEdit*>(u"memtext"_s)->setPlainText(text);
        window.refreshPreview();
        window.btnimportClick();
        if (window.importedCount() != kPastedLines) {
            state.SkipWithError("the import did not write every pasted draw");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kPastedLines);
}
BENCHMARK(BM_ImportPastedLines)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
