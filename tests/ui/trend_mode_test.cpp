#include <QApplication>
#include <set>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/child.h"
#include "analysis/trend_search.h"
#include "analysis/u_code.h"
#include "analysis/u_daxiao.h"
#include "analysis/u_fushi.h"
#include "analysis/u_sercanshu.h"
#include "filter/u_totalfilt.h"
#include "store/demo_draws.h"
#include "store/transformed_history.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kShandong = u"山东体彩11选5"_s;

struct TrendFixture : test::MainWindowFixture {
    // `uniform` draws look like real ones; the sample draws cycle through the numbers.
    explicit TrendFixture(int draws = 120, bool uniform = false)
    {
        folder.addDraws(kShandong, uniform ? makeDemoDraws(draws, 80, {2026, 1, 31}, 9)
                                           : test::TempProgramFolder::sampleDraws(draws));
        mainWindow();
        openLottery(kShandong);
        window->updateMenuState();
        window->selectTab(0);
    }
    QStringList gridColumn(int column)
    {
        QStringList texts;
        const auto* model = test::child<QTableView>(*window, u"grdcode"_s)->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, column).data().toString();
        return texts;
    }
    void setSetting(const char* name, const QString& text)
    {
        test::child<QLineEdit>(*window->searchSettings(), QLatin1StringView(name))->setText(text);
    }
};

} // namespace

TEST(TrendMode, TransformAndBackRestoreEveryView)
{
    TrendFixture f;
    const QStringList issues = f.gridColumn(0);
    const QStringList numbers = f.gridColumn(1);
    f.window->tlbbianwanClick();
    EXPECT_TRUE(f.store->transformedMode());
    EXPECT_EQ(f.gridColumn(0), issues);
    EXPECT_NE(f.gridColumn(1), numbers);
    auto* filter = qobject_cast<ui::Tfrmtotalfilt*>(f.window->toolWindows().find(u"Tfrmtotalfilt"_s));
    ASSERT_NE(filter, nullptr);
    EXPECT_FALSE(filter->isVisible()); // made hidden
    EXPECT_FALSE(test::child<QCheckBox>(*filter, u"chkhongqiu"_s)->isEnabled());
    const QStringList first = f.gridColumn(1);
    f.window->tlbbianwanClick();
    const QStringList second = f.gridColumn(1);
    EXPECT_EQ(f.gridColumn(0), issues);
    f.window->tlbbiaozhunClick();
    EXPECT_FALSE(f.store->transformedMode());
    EXPECT_EQ(f.gridColumn(1), numbers);
    EXPECT_TRUE(test::child<QCheckBox>(*filter, u"chkhongqiu"_s)->isEnabled());
    EXPECT_NE(first, second); // every press draws a new labelling

    // An indicator view computes again from the history in force.
    f.window->selectTab(1);
    auto* view = qobject_cast<ui::IndicatorView*>(f.window->currentView());
    ASSERT_NE(view, nullptr);
    const auto standardRows = view->computation().rows.back().numbersText;
    f.window->tlbbianwanClick();
    const Draw& newest = f.store->transformed().draws.back();
    EXPECT_EQ(view->computation().rows.back().numbersText,
              QString::asprintf("%.2d %.2d %.2d ", newest.numbers[0], newest.numbers[1], newest.numbers[2])
                  .toStdString());
    f.window->tlbbiaozhunClick();
    EXPECT_EQ(view->computation().rows.back().numbersText, standardRows);
}

TEST(TrendMode, SearchStopsOnTheWantedPattern)
{
    TrendFixture f;
    f.window->tlbpiantaiClick();
    EXPECT_TRUE(f.window->searchSettings()->isVisible());
    f.window->tlbyilouClick(); // defaults: two newest draws all big or all small
    EXPECT_FALSE(f.window->searching());
    EXPECT_GE(f.window->searchTransforms(), 1);
    EXPECT_TRUE(f.store->transformedMode());
    EXPECT_EQ(f.window->tabStrip()->currentIndex(), 1);
    const auto& draws = f.store->transformed().draws;
    ASSERT_GE(draws.size(), 2U);
    const auto big = [](const Draw& d) { return int(d.numbers[0] > 5) + int(d.numbers[1] > 5) + int(d.numbers[2] > 5); };
    const int a = big(draws[draws.size() - 1]);
    const int b = big(draws[draws.size() - 2]);
    EXPECT_TRUE((a == 3 && b == 3) || (a == 0 && b == 0)) << a << " " << b;
    EXPECT_TRUE(f.window->statusBar()->currentMessage().contains(QString::number(f.window->searchTransforms())));
    auto* filter = f.window->toolWindows().find(u"Tfrmtotalfilt"_s);
    ASSERT_NE(filter, nullptr);
    EXPECT_FALSE(test::child<QCheckBox>(*filter, u"chkhongqiu"_s)->isChecked());

    // The captions follow the chosen indicator, and the same tests apply to it.
    auto* settings = f.window->searchSettings();
    settings->findChildren<QRadioButton*>().at(2)->click(); // 和值
    EXPECT_EQ(test::child<QCheckBox>(*settings, u"chk1"_s)->text(), u"和值>="_s);
    f.setSetting("edtnum1", u"20"_s);
    f.setSetting("edtnum2", u"6"_s);
    f.setSetting("edtyanxunum", u"1"_s);
    f.window->tlbyilouClick();
    EXPECT_EQ(f.window->tabStrip()->currentIndex(), 3);
    const Draw& newest = f.store->transformed().draws.back();
    const int sum = newest.numbers[0] + newest.numbers[1] + newest.numbers[2];
    EXPECT_TRUE(sum >= 20 || sum <= 6) << sum;
}

TEST(TrendMode, SearchRefusalsAndStop)
{
    TrendFixture f;
    auto* settings = f.window->searchSettings();
    test::child<QCheckBox>(*settings, u"chk1"_s)->setChecked(false);
    test::child<QCheckBox>(*settings, u"chk2"_s)->setChecked(false);
    f.window->tlbyilouClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"请至少勾选一个条件"_s));
    EXPECT_EQ(f.window->searchTransforms(), 0);
    test::child<QCheckBox>(*settings, u"chk1"_s)->setChecked(true);
    f.setSetting("edtyanxunum", u"x"_s);
    f.window->tlbyilouClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"“x”"_s));

    // Five newest draws all of sum 30 practically never happens: the button stops it.
    settings->findChildren<QRadioButton*>().at(2)->click();
    f.setSetting("edtyanxunum", u"5"_s);
    f.setSetting("edtnum1", u"30"_s);
    QTimer::singleShot(300, [&] {
        EXPECT_TRUE(f.window->searching());
        EXPECT_EQ(f.window->toolButton(u"tlbyilou"_s)->text(), u"停止搜索"_s);
        EXPECT_FALSE(f.window->toolButton(u"tlbbiaozhun"_s)->isEnabled());
        f.window->tlbyilouClick();
    });
    f.window->tlbyilouClick();
    EXPECT_FALSE(f.window->searching());
    EXPECT_GT(f.window->searchTransforms(), 1);
    EXPECT_TRUE(f.window->statusBar()->currentMessage().contains(u"已停止"_s));
    EXPECT_EQ(f.window->toolButton(u"tlbyilou"_s)->text(), u"搜索杀号"_s);
    EXPECT_TRUE(f.window->toolButton(u"tlbbiaozhun"_s)->isEnabled());
}

TEST(CompoundSearch, StrikesUntilTheWantedCountIsLeft)
{
    TrendFixture f;
    f.window->menuItem(u"mnufushi"_s)->trigger();
    auto* fushi = qobject_cast<ui::Tfrmfushi*>(f.window->toolWindows().find(u"Tfrmfushi"_s));
    ASSERT_NE(fushi, nullptr);
    auto* count = test::child<QLineEdit>(*fushi, u"edtnum"_s);
    EXPECT_EQ(count->text(), u"6"_s);
    auto* limit = test::child<QLineEdit>(*fushi, u"edtyilouqishu"_s);
    limit->setText(u"121"_s); // more than the 120 draws
    fushi->btnsouClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"120"_s));
    count->setText(u"-1"_s);
    limit->setText(u"5"_s);
    fushi->btnsouClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"不能小于 0"_s));

    count->setText(u"6"_s);
    fushi->btnsouClick();
    EXPECT_FALSE(fushi->searching());
    EXPECT_GE(fushi->transforms(), 5);
    // The progress line counts the transforms tried and the numbers struck out.
    EXPECT_EQ(test::child<QLabel>(*fushi, u"lblprogress"_s)->text(),
              u"已变幻 %1 次，已排除 5 个号码，还剩 6 个。"_s.arg(fushi->transforms()));
    EXPECT_TRUE(fushi->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QString result = test::child<QLineEdit>(*fushi, u"edtfushicode"_s)->text();
    EXPECT_EQ(result.size(), 6 * 3);
    EXPECT_TRUE(result.endsWith(u' '));
    EXPECT_FALSE(f.store->transformedMode()); // back to the stored draws
}

namespace {

// The n-th transform of a seeded store, as "变幻走势" would draw it.
TransformedHistory replayTransform(SeededRandom& random, const std::vector<Draw>& draws)
{
    const int window = drawWindowLength(random);
    const Permutation permutation = drawPermutation(11, random);
    return transformHistory(draws, 11, 3, permutation, window);
}

} // namespace

TEST(TrendMode, SeededSearchStopsAtTheFirstMatchingTransform)
{
    TrendFixture f;
    SeededRandom replay(3); // the fixture's seed, untouched so far
    int expected = 0;
    TransformedHistory match;
    for (;;) {
        ++expected;
        match = replayTransform(replay, f.store->history().draws);
        const auto big = [](const Draw& d) { return int(d.numbers[0] > 5) + int(d.numbers[1] > 5) + int(d.numbers[2] > 5); };
        const int a = big(match.draws[match.draws.size() - 1]);
        const int b = big(match.draws[match.draws.size() - 2]);
        if ((a == 3 && b == 3) || (a == 0 && b == 0))
            break;
    }
    f.window->tlbyilouClick();
    EXPECT_EQ(f.window->searchTransforms(), expected);
    EXPECT_EQ(f.store->transformed().windowLength, match.windowLength);
    EXPECT_EQ(f.store->transformed().permutation.perm, match.permutation.perm);
    EXPECT_EQ(f.store->transformed().draws.back().numbers, match.draws.back().numbers);
}

TEST(CompoundSearch, SeededRunCountsOnlyNewStrikesAndStopKeepsTheResult)
{
    TrendFixture f(120, true);
    f.window->menuItem(u"mnufushi"_s)->trigger();
    auto* fushi = qobject_cast<ui::Tfrmfushi*>(f.window->toolWindows().find(u"Tfrmfushi"_s));
    ASSERT_NE(fushi, nullptr);
    test::child<QCheckBox>(*fushi, u"chkyilou"_s)->setChecked(false);
    auto* count = test::child<QLineEdit>(*fushi, u"edtnum"_s);
    auto* result = test::child<QLineEdit>(*fushi, u"edtfushicode"_s);

    // Every transform strikes a number; a number struck again does not count.
    SeededRandom replay(3);
    std::set<int> struck;
    int expected = 0;
    while (struck.size() < 5) {
        ++expected;
        const TransformedHistory t = replayTransform(replay, f.store->history().draws);
        struck.insert(t.numberOfNextRank(longestAbsentRank(t.draws, 11, 3).rank));
    }
    fushi->btnsouClick();
    EXPECT_EQ(fushi->transforms(), expected);
    QString left;
    for (int x = 1; x <= 11; ++x)
        if (!struck.count(x))
            left += QString::asprintf("%.2d ", x);
    EXPECT_EQ(result->text(), left);

    count->setText(u"10"_s); // N - 1: the first transform ends it
    fushi->btnsouClick();
    EXPECT_EQ(fushi->transforms(), 1);
    EXPECT_EQ(result->text().size(), 30);

    // A rank absent in all 120 draws never turns up: "停止" ends the search, result untouched.
    const QString before = result->text();
    test::child<QCheckBox>(*fushi, u"chkyilou"_s)->setChecked(true);
    test::child<QLineEdit>(*fushi, u"edtyilouqishu"_s)->setText(u"120"_s);
    QTimer::singleShot(300, [&] { fushi->btnsouClick(); });
    fushi->btnsouClick();
    EXPECT_FALSE(fushi->searching());
    EXPECT_GT(fushi->transforms(), 1);
    EXPECT_EQ(result->text(), before);
    EXPECT_FALSE(f.store->transformedMode());
}
