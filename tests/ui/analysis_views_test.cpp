#include <QAction>
#include <QCheckBox>
#include <QPointer>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

#include "support/child.h"
#include "widgets/bar_chart.h"
#include "widgets/text_table_model.h"
#include "analysis/u_congma.h"
#include "analysis/u_daxiao.h"
#include "analysis/u_qujian.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kChongqing = u"重庆体彩11选5"_s;

struct OpenStore : test::MainWindowFixture {
    explicit OpenStore(int draws)
    {
        folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(draws));
        openLottery(kChongqing);
    }
};

QStringList summaryLines(const QWidget& view)
{
    return test::child<QPlainTextEdit>(view, u"mem"_s)->toPlainText().split(u'\n');
}

} // namespace

TEST(IndicatorWindow, OpensOnThreeDrawsAndRecomputesOnlyOnTheButton)
{
    OpenStore s(40);
    ui::Tfrmdaxiao view(*s.store);
    view.resize(1200, 700);
    view.show();
    EXPECT_EQ(view.windowTitle(), u"大小分析"_s);
    auto* combo = test::child<QComboBox>(view, u"comzuijingqishu"_s);
    ASSERT_EQ(combo->count(), 41);
    EXPECT_EQ(combo->itemText(0), u"全部期"_s);
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(view.window(), 3);
    const auto* chart = test::child<ui::BarChart>(view, u"chthistory"_s);
    ASSERT_EQ(chart->series().size(), 1U);
    EXPECT_EQ(chart->series()[0].title, u"大数个数"_s);
    EXPECT_EQ(chart->series()[0].color, QColor(Qt::red));
    EXPECT_EQ(chart->categories().size(), 3);
    EXPECT_EQ(chart->categories().last().toStdString(), s.store->history().rows.back().issueText);
    EXPECT_EQ(summaryLines(view).value(4), u"最近3期理论大数个数总和：4.5"_s);

    const auto* table = test::child<QTableView>(view, u"tabhistory"_s);
    EXPECT_EQ(table->model()->rowCount(), 40);
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), u"大数个数"_s);
    EXPECT_GE(table->columnWidth(0), 60); // wider when the issue texts need it
    EXPECT_EQ(table->columnWidth(1), 120);

    combo->setCurrentIndex(0); // 全部期: nothing changes before the button
    EXPECT_EQ(view.window(), 40);
    EXPECT_EQ(chart->categories().size(), 3);
    EXPECT_EQ(summaryLines(view).value(4), u"最近3期理论大数个数总和：4.5"_s);
    test::child<QPushButton>(view, u"btntongji"_s)->click();
    EXPECT_EQ(chart->categories().size(), 40);
    EXPECT_EQ(summaryLines(view).value(4), u"最近40期理论大数个数总和：60.0"_s);

    EXPECT_FALSE(chart->marksShown());
    test::child<QCheckBox>(view, u"chkhistorybiao"_s)->click();
    EXPECT_TRUE(chart->marksShown());
}

TEST(IndicatorWindow, TransformedModeFeedsTheViewsButRepeatRecomputesFromStoredDraws)
{
    OpenStore s(60);
    s.store->showTransformed();
    const auto tableValues = [](const QWidget& view) {
        QStringList values;
        const auto* model = test::child<QTableView>(view, u"tabhistory"_s)->model();
        for (int r = 0; r < model->rowCount(); ++r)
            values << model->index(r, 1).data().toString();
        return values;
    };
    QStringList transformedNumbers;
    for (const Draw& d : s.store->transformed().draws)
        transformedNumbers << QString::asprintf("%.2d %.2d %.2d ", d.numbers[0], d.numbers[1], d.numbers[2]);
    QStringList storedNumbers;
    for (const Draw& d : s.store->history().draws)
        storedNumbers << QString::asprintf("%.2d %.2d %.2d ", d.numbers[0], d.numbers[1], d.numbers[2]);
    ASSERT_NE(transformedNumbers, storedNumbers);

    ui::Tfrmdaxiao big(*s.store);
    EXPECT_EQ(tableValues(big), transformedNumbers);
    test::child<QPushButton>(big, u"btntongji"_s)->click();
    EXPECT_EQ(tableValues(big), transformedNumbers);
    big.computeStandard();
    EXPECT_EQ(tableValues(big), storedNumbers);

    ui::Tfrmcongma repeat(*s.store);
    EXPECT_EQ(tableValues(repeat), transformedNumbers);
    test::child<QPushButton>(repeat, u"btntongji"_s)->click();
    EXPECT_EQ(tableValues(repeat), storedNumbers);
}

TEST(IntervalWindow, ZonesFollowTheComboAtTheNextComputation)
{
    OpenStore s(30);
    ui::Tfrmqujian view(*s.store);
    view.resize(1300, 700);
    view.show();
    EXPECT_EQ(view.windowTitle(), u"区间分析"_s);
    const auto* model = test::child<QTableView>(view, u"tabhistory"_s)->model();
    ASSERT_EQ(model->columnCount(), 5);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), u"01-04号码总数"_s);
    EXPECT_EQ(model->headerData(4, Qt::Horizontal).toString(), u"09-11号码总数"_s);
    const auto* chart = test::child<ui::BarChart>(view, u"chthistory"_s);
    ASSERT_EQ(chart->series().size(), 3U);
    EXPECT_TRUE(chart->series()[0].visible);
    EXPECT_FALSE(chart->series()[1].visible);
    EXPECT_EQ(chart->series()[1].title, u"2区号码数"_s);
    EXPECT_EQ(chart->series()[1].color, QColor(Qt::green));
    // Each bar is labelled with its count: the zone-1 counts of the three newest draws.
    const QStringList zoneOneCounts = {model->index(27, 2).data().toString(),
                                       model->index(28, 2).data().toString(),
                                       model->index(29, 2).data().toString()};
    EXPECT_EQ(chart->categories(), zoneOneCounts);

    // Nothing is cut short: every column is as wide as its header and its texts.
    const auto* table = test::child<QTableView>(view, u"tabhistory"_s);
    const QFontMetrics metrics(table->font());
    for (int c = 0; c < model->columnCount(); ++c) {
        EXPECT_GE(table->columnWidth(c),
                  metrics.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()))
            << c;
        EXPECT_GE(table->columnWidth(c), metrics.horizontalAdvance(model->index(0, c).data().toString()))
            << c;
    }

    test::child<QCheckBox>(view, u"chkqu2"_s)->click();
    EXPECT_TRUE(chart->series()[1].visible);

    test::child<QComboBox>(view, u"comqujian"_s)->setCurrentIndex(4); // five zones
    EXPECT_EQ(model->columnCount(), 5);
    test::child<QPushButton>(view, u"btntongji"_s)->click();
    ASSERT_EQ(model->columnCount(), 7);
    EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(), u"无号码"_s);
    for (int r = 0; r < model->rowCount(); ++r)
        EXPECT_EQ(model->index(r, 6).data().toString(), u"0"_s);
}

TEST(MainWindowTabs, EveryTabShowsItsView)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(50));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kChongqing);
    const QStringList names = {u"Tfrmcode"_s,   u"Tfrmdaxiao"_s, u"Tfrmjiou"_s,  u"Tfrmhei"_s,
                               u"Tfrmkuadu"_s,  u"Tfrmsandu"_s,  u"Tfrmpiandu"_s, u"Tfrmac"_s,
                               u"Tfrmcongma"_s, u"Tfrmqujian"_s};
    for (int tab = 0; tab < 10; ++tab) {
        w.selectTab(tab);
        ASSERT_NE(w.currentView(), nullptr) << tab;
        EXPECT_EQ(w.currentView()->objectName(), names.at(tab));
    }
}

TEST(MainWindowTools, OmissionWindowsAreKeptUntilTheLotteryCloses)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(50));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kChongqing);
    w.updateMenuState();
    for (const QString& item : {u"mnupiantai"_s, u"mnuyilou"_s}) {
        w.menuItem(item)->trigger();
        QPointer<QWidget> first = w.toolWindows().find(item == u"mnupiantai"_s ? u"Tfrmpiantai"_s : u"Tfrmyilou"_s);
        ASSERT_TRUE(first);
        EXPECT_TRUE(first->isVisible());
        first->hide();
        w.menuItem(item)->trigger();
        EXPECT_TRUE(first->isVisible()); // the same window, shown again
    }
    EXPECT_EQ(w.toolWindows().count(), 2);
    w.mnucloseClick();
    EXPECT_EQ(w.toolWindows().count(), 0);
}
