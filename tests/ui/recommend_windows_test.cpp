#include <QAction>
#include <QButtonGroup>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <gtest/gtest.h>

#include <algorithm>

#include "recommend/u_ganzhi.h"
#include "recommend/u_qingmi.h"
#include "recommend/u_sep.h"
#include "recommend/u_sibu.h"
#include "store/demo_draws.h"
#include "ui/ui_fixture.h"
#include "widgets/bar_chart.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

struct Item {
    QString menu;
    QString window;
    QString caption;
    int height;
};
const Item kItems[] = {
    {u"mnusep"_s, u"Tfrmsep"_s, u"最优间隔回补选号"_s, 681},
    {u"mnuqingmi"_s, u"Tfrmqingmi"_s, u"最优亲密数字选号"_s, 681},
    {u"mnuganzhi"_s, u"Tfrmganzhi"_s, u"最优开奖干支选号"_s, 681},
    {u"mnusibu"_s, u"Tfrmsibu"_s, u"最优四步综合选号"_s, 743},
};

// A main window with a lottery open on `draws`.
struct OpenLottery : test::MainWindowFixture {
    explicit OpenLottery(const std::vector<StoredDraw>& draws)
    {
        if (!draws.empty())
            folder.addDraws(kGuangdong, draws);
        mainWindow();
        openLottery(kGuangdong);
        window->updateMenuState();
        dialogs.messages.clear(); // the main window's missing background picture
    }
    ui::RecommendWindow* open(const Item& item)
    {
        window->menuItem(item.menu)->trigger();
        return qobject_cast<ui::RecommendWindow*>(window->toolWindows().find(item.window));
    }
    const DrawHistory& history() const { return store->history(); }
};

// The worked examples' six draws (the first three stored numbers form the analysed draw).
std::vector<StoredDraw> storedDraws(const std::vector<std::array<int, 3>>& rows)
{
    std::vector<StoredDraw> draws;
    for (std::size_t i = 0; i < rows.size(); ++i)
        draws.push_back(StoredDraw{QString::asprintf("260501%02d", int(i) + 1).toStdString(),
                                   {rows[i][0], rows[i][1], rows[i][2], 0, 0}});
    // The two numbers the play does not read differ from the three it does.
    for (StoredDraw& d : draws)
        for (int n = 1, j = 3; j < 5; ++n)
            if (std::find(d.numbers.begin(), d.numbers.begin() + 3, n) == d.numbers.begin() + 3)
                d.numbers[static_cast<std::size_t>(j++)] = n;
    return draws;
}

std::vector<StoredDraw> manyDraws(int count) { return makeDemoDraws(count, 84, {2026, 12, 9}, 5); }

template <class T>
T* child(const QWidget* w, const QString& name)
{
    T* found = w->findChild<T*>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

const ui::TextTableModel& grid(const QWidget* w)
{
    return *qobject_cast<const ui::TextTableModel*>(child<QTableView>(w, u"tabhistory"_s)->model());
}

QStringList memoLines(const QWidget* w) { return child<QPlainTextEdit>(w, u"mem"_s)->toPlainText().split(u'\n'); }

QString output(const QWidget* w) { return child<QLineEdit>(w, u"edtcurcode"_s)->text(); }

void chooseTarget(QWidget* w, int index) { child<QComboBox>(w, u"comcurqi"_s)->setCurrentIndex(index); }

void click(QWidget* w, const QString& name) { child<QPushButton>(w, name)->click(); }

// The largest and smallest hit counts of the grid rows from `first` on that show one.
std::pair<int, int> gridRange(const QWidget* w, int first)
{
    const ui::TextTableModel& m = grid(w);
    int largest = -1, smallest = 1 << 30;
    for (int r = first; r < m.rowCount(); ++r)
        if (!m.text(r, 3).isEmpty()) {
            largest = std::max(largest, m.text(r, 3).toInt());
            smallest = std::min(smallest, m.text(r, 3).toInt());
        }
    return {largest, smallest};
}

} // namespace

TEST(RecommendWindows, MenuItemsOpenOneWindowEachWithItsBacktest)
{
    OpenLottery f(manyDraws(150));
    const QSize screen = QApplication::primaryScreen()->availableGeometry().size();
    for (const Item& item : kItems) {
        SCOPED_TRACE(item.window.toStdString());
        QPointer<ui::RecommendWindow> w = f.open(item);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->objectName(), item.window);
        EXPECT_EQ(w->windowTitle(), item.caption);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(w->size(), QSize(1080, item.height).boundedTo(screen));
        // Everything fits a 1024 × 768 screen.
        EXPECT_LE(w->minimumSizeHint().width(), 1024);
        EXPECT_LE(w->minimumSizeHint().height(), 700);

        // The target list: every issue and the next one, the next one chosen.
        const QComboBox* periods = child<QComboBox>(w, u"comcurqi"_s);
        ASSERT_EQ(periods->count(), 151);
        EXPECT_EQ(periods->itemText(0), QString::number(f.history().draws.front().issue));
        EXPECT_EQ(periods->currentIndex(), 150);
        EXPECT_EQ(periods->currentText(), QString::number(f.history().draws.back().issue + 1));

        // The back-test is shown: the grid, its summary and the history chart.
        const ui::TextTableModel& m = grid(w);
        EXPECT_EQ(m.headers(), (QStringList{u"记录期号"_s, u"开奖号码"_s, u"投注号码"_s, u"中奖个数"_s}));
        const int shownFrom = item.window == u"Tfrmsibu"_s ? 60 : 0;
        ASSERT_EQ(m.rowCount(), 150 - shownFrom);
        EXPECT_EQ(m.text(0, 0), QString::number(f.history().draws[static_cast<std::size_t>(shownFrom)].issue));
        const ui::BarChart* chart = child<ui::BarChart>(w, u"chthistory"_s);
        EXPECT_EQ(chart->chart()->title(), item.caption + u"历史中奖图表"_s);
        ASSERT_EQ(chart->series().size(), 1U);
        EXPECT_EQ(chart->series()[0].title, u"中奖个数"_s);
        EXPECT_EQ(child<QLabel>(w, u"lblcurcode"_s)->text(),
                  item.window == u"Tfrmsibu"_s ? u"最终投注号码："_s : u"目前投注号码："_s);

        const QStringList lines = memoLines(w);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_TRUE(lines[1].startsWith(u"平均每期中奖"_s)) << lines[1].toStdString();
        EXPECT_TRUE(lines[1].contains(u"同样个数的随机号码平均"_s));

        w->hide();
        EXPECT_EQ(f.open(item), w.data()); // the same window, shown again
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_EQ(f.window->toolWindows().count(), 4);
    EXPECT_TRUE(f.dialogs.messages.empty());
    f.window->mnucloseClick();
    test::flushDeferredDeletes();
    EXPECT_EQ(f.window->toolWindows().count(), 0);
}

TEST(RecommendWindows, SummaryLinesMatchTheGrid)
{
    OpenLottery f(manyDraws(150));
    struct Case {
        const Item& item;
        int firstRow; // of the summary range, in grid rows
        bool shortForm;
    };
    const Case cases[] = {{kItems[0], 0, false}, {kItems[1], 1, false}, {kItems[2], 0, false},
                          {kItems[3], 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.window.toStdString());
        ui::RecommendWindow* w = f.open(c.item);
        ASSERT_TRUE(w);
        auto [largest, smallest] = gridRange(w, c.firstRow);
        if (c.shortForm) {
            // The four-step summary also covers the evaluated rows the grid does not show.
            for (const BacktestRow& row : w->backtest().rows)
                if (row.evaluated) {
                    largest = std::max(largest, row.hitCount);
                    smallest = std::min(smallest, row.hitCount);
                }
        }
        const QString expected = c.shortForm
            ? u"最大中奖个数：%1 最小中奖个数：%2"_s.arg(largest).arg(smallest)
            : u"最大中奖号码数为%1个，最小中奖号码数为%2个"_s.arg(largest).arg(smallest);
        EXPECT_EQ(memoLines(w).at(0), expected);
    }
}

TEST(RecommendWindows, EmptyHistoryIsRefused)
{
    OpenLottery f({});
    ASSERT_EQ(f.history().count(), 0);
    for (const Item& item : kItems) {
        EXPECT_EQ(f.open(item), nullptr) << item.window.toStdString();
    }
    EXPECT_EQ(f.window->toolWindows().count(), 0);
    ASSERT_EQ(f.dialogs.messages.size(), 4U);
    EXPECT_EQ(f.dialogs.messages[0].text, u"当前彩票还没有开奖数据，无法推荐选号！请先添加或下载开奖数据。"_s);
}

TEST(IntervalReboundWindow, WorkedExampleChartsAndStoredPeriods)
{
    OpenLottery f(storedDraws({{1, 2, 3}, {2, 4, 5}, {1, 6, 7}, {3, 8, 9}, {2, 5, 10}, {4, 6, 11}}));
    ui::RecommendWindow* w = f.open(kItems[0]);
    ASSERT_TRUE(w);
    EXPECT_EQ(child<QComboBox>(w, u"comqishu"_s)->count(), 20);
    EXPECT_EQ(child<QComboBox>(w, u"comqishu"_s)->currentText(), u"5"_s);
    EXPECT_EQ(child<QComboBox>(w, u"comcodenum"_s)->count(), 11);
    EXPECT_EQ(child<QComboBox>(w, u"comcodenum"_s)->currentText(), u"6"_s);

    click(w, u"btngen"_s);
    EXPECT_EQ(output(w), u"26050107期推荐投注号码：01 07 02 05 10 04 "_s);

    const ui::TextTableModel& m = grid(w);
    EXPECT_EQ(m.rows().front(), (QStringList{u"26050101"_s, u"01 02 03 "_s, QString(), u"0"_s}));
    // T = 1: the first six numbers absent from draw 0.
    EXPECT_EQ(m.text(1, 2), u"04 05 06 07 08 09 "_s);
    EXPECT_TRUE(memoLines(w).at(0).endsWith(u"最小中奖号码数为0个"_s));

    w->resize(1080, 681); // wider than the test screen
    const QTableView* view = child<QTableView>(w, u"tabhistory"_s);
    // The issue column widens when 60 pixels would clip the issue.
    EXPECT_GE(view->columnWidth(0), 60);
    EXPECT_GE(view->columnWidth(0), view->fontMetrics().horizontalAdvance(m.text(0, 0)));
    EXPECT_EQ(view->columnWidth(2), 130);
    EXPECT_EQ(view->columnWidth(3), view->width() - 320);

    // Every stored period recommends what its row shows.
    for (int t = 1; t < 6; ++t) {
        chooseTarget(w, t);
        click(w, u"btngen"_s);
        EXPECT_EQ(output(w), m.text(t, 0) + u"期推荐投注号码："_s + m.text(t, 2)) << t;
    }

    // The distribution chart counts rows 1 … 5; both boxes redraw at once.
    const ui::BarChart* counts = child<ui::BarChart>(w, u"chtcishu"_s);
    EXPECT_EQ(counts->chart()->title(), u"历史中奖次数图表"_s);
    EXPECT_EQ(counts->categories(), (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(counts->series()[0].title, u"各中奖号码数出现次数"_s);
    qreal rows = 0;
    for (const qreal v : counts->series()[0].values)
        rows += v;
    EXPECT_EQ(rows, 5);
    const ui::BarChart* history = child<ui::BarChart>(w, u"chthistory"_s);
    EXPECT_EQ(history->categories().size(), 6);
    EXPECT_FALSE(history->marksShown());
    child<QCheckBox>(w, u"chkhistorybiao"_s)->click();
    EXPECT_TRUE(history->marksShown());
    EXPECT_FALSE(counts->marksShown());
    child<QCheckBox>(w, u"CheckBox1"_s)->click();
    EXPECT_TRUE(counts->marksShown());

    // A new setting waits for "历史统计".
    const QString before = m.text(5, 2);
    child<QComboBox>(w, u"comqishu"_s)->setCurrentIndex(0);
    EXPECT_EQ(grid(w).text(5, 2), before);
    click(w, u"btntongji"_s);
    EXPECT_EQ(grid(w).text(5, 2), u"02 05 10 "_s); // S = 1: the numbers of draw 4
    EXPECT_NE(before, grid(w).text(5, 2));
}

TEST(IntimateNumbersWindow, WorkedExampleTablesAndRefusal)
{
    OpenLottery f(storedDraws({{1, 2, 3}, {2, 4, 5}, {1, 6, 7}, {3, 8, 9}, {2, 5, 10}, {4, 6, 11}}));
    auto* w = qobject_cast<ui::Tfrmqingmi*>(f.open(kItems[1]));
    ASSERT_TRUE(w);
    EXPECT_EQ(child<QComboBox>(w, u"comselnum"_s)->currentText(), u"5"_s);
    EXPECT_EQ(child<QComboBox>(w, u"comjieduanqi"_s)->itemText(0), u"全部期数"_s);
    // Only six stored draws: the stage list ends at 6.
    EXPECT_EQ(child<QComboBox>(w, u"comjieduanqi"_s)->count(), 7);

    click(w, u"btngen"_s);
    EXPECT_EQ(output(w), u"26050107期推荐投注号码：1 3 6 7 8 "_s);
    ASSERT_EQ(w->codeModel()->rowCount(), 1);
    ASSERT_EQ(w->codeModel()->columnCount(), 1);
    EXPECT_EQ(w->codeModel()->text(0, 0),
              u"各亲密数字总次数1:1次 3:1次 6:1次 7:1次 8:1次 9:1次 4:0次 5:0次 2:0次 10:0次 11:0次 "_s);

    // Per position: M back to 1 and the label changes.
    child<QGroupBox>(w, u"optsel"_s)->findChildren<QRadioButton*>().at(0)->click();
    EXPECT_EQ(child<QComboBox>(w, u"comselnum"_s)->currentText(), u"1"_s);
    EXPECT_EQ(child<QLabel>(w, u"lblselnum"_s)->text(), u"各位号码数："_s);
    click(w, u"btngen"_s);
    EXPECT_EQ(output(w), u"26050107期推荐投注号码：1 3 "_s);
    EXPECT_EQ(w->codeModel()->headers(), (QStringList{u"参照号码"_s, u"4"_s, u"6"_s, u"11"_s}));
    ASSERT_EQ(w->codeModel()->rowCount(), 11);
    EXPECT_EQ(w->codeModel()->rows().front(), (QStringList{u"排名1"_s, u"1:1次"_s, u"3:1次"_s, u"1:0次"_s}));

    // The grid: row 0 empty, the summary over rows 1 … 5.
    click(w, u"btntongji"_s);
    const ui::TextTableModel& m = grid(w);
    EXPECT_EQ(m.rows().front(), (QStringList{u"26050101"_s, u"01 02 03 "_s, QString(), QString()}));
    for (int t = 1; t < 6; ++t) {
        chooseTarget(w, t);
        click(w, u"btngen"_s);
        EXPECT_EQ(output(w), m.text(t, 0) + u"期推荐投注号码："_s + m.text(t, 2)) << t;
    }

    // The oldest draw has no reference draw.
    chooseTarget(w, 0);
    const QString shown = output(w);
    click(w, u"btngen"_s);
    EXPECT_EQ(output(w), shown);
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].text, u"所选投注期是第一期，之前没有开奖号码可作参照，请选择其他投注期！"_s);
}

TEST(IntimateNumbersWindow, ChartStartsAfterTheStageCount)
{
    OpenLottery f(manyDraws(100));
    ui::RecommendWindow* w = f.open(kItems[1]);
    ASSERT_TRUE(w);
    EXPECT_EQ(child<QComboBox>(w, u"comjieduanqi"_s)->currentText(), u"7"_s);
    EXPECT_EQ(grid(w).rowCount(), 100);
    const ui::BarChart* chart = child<ui::BarChart>(w, u"chthistory"_s);
    EXPECT_EQ(chart->categories().size(), 100 - 8);
    EXPECT_EQ(chart->categories().front(), QString::number(f.history().draws[8].issue));
    child<QComboBox>(w, u"comjieduanqi"_s)->setCurrentIndex(0); // "全部期数"
    click(w, u"btntongji"_s);
    EXPECT_EQ(chart->categories().size(), 99);
}

TEST(StemsBranchesWindow, DatesStemsBranchesAndRefusals)
{
    // Draws of 2001-5-1 (a "甲"/"子" day) and 2001-5-2.
    std::vector<StoredDraw> draws = {{"01050101", {2, 4, 9, 1, 3}}, {"01050102", {1, 3, 6, 2, 4}},
                                     {"01050201", {5, 7, 11, 1, 2}}};
    OpenLottery f(draws);
    ui::RecommendWindow* w = f.open(kItems[2]);
    ASSERT_TRUE(w);
    QLineEdit* date = child<QLineEdit>(w, u"edtdate"_s);
    QLineEdit* stem = child<QLineEdit>(w, u"edttiangan"_s);
    QLineEdit* branch = child<QLineEdit>(w, u"edtdizhi"_s);
    // The next period: the day after the newest draw.
    EXPECT_EQ(date->text(), u"2001-05-03"_s);
    EXPECT_EQ(stem->text(), u"丙"_s);
    EXPECT_EQ(branch->text(), u"寅"_s);

    chooseTarget(w, 0);
    EXPECT_EQ(date->text(), u"2001-05-01"_s);
    EXPECT_EQ(stem->text(), u"甲"_s);
    EXPECT_EQ(branch->text(), u"子"_s);
    // "生成号码" is the default button: Enter presses it.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    EXPECT_EQ(output(w), u"1050101期推荐投注号码：2 4 5 7 9 10 "_s);
    const ui::TextTableModel& m = grid(w);
    EXPECT_EQ(m.rows().front(), (QStringList{u"1050101"_s, u"02 04 09 "_s, u"2 4 5 7 9 10 "_s, u"3"_s}));
    for (int t = 0; t < 3; ++t) {
        chooseTarget(w, t);
        click(w, u"btngen"_s);
        EXPECT_EQ(output(w), m.text(t, 0) + u"期推荐投注号码："_s + m.text(t, 2)) << t;
    }
    EXPECT_EQ(memoLines(w).at(0), u"最大中奖号码数为3个，最小中奖号码数为%1个"_s.arg(gridRange(w, 0).second));

    // "附加" changes the back-test at the next "历史统计".
    child<QGroupBox>(w, u"optadd"_s)->findChildren<QRadioButton*>().at(1)->click();
    EXPECT_EQ(m.text(0, 2), u"2 4 5 7 9 10 "_s);
    click(w, u"btntongji"_s);
    EXPECT_EQ(grid(w).text(0, 2), u"2 5 7 10 "_s);

    // Dates the reckoning cannot use are refused; emptied boxes are filled from the date.
    const QString shown = output(w);
    for (const QString& text : {QString(), u"2001-2-30"_s, u"1999-09-08"_s, u"明天"_s}) {
        date->setText(text);
        click(w, u"btngen"_s);
        EXPECT_EQ(output(w), shown) << text.toStdString();
    }
    ASSERT_EQ(f.dialogs.messages.size(), 4U);
    for (const test::RecordedMessage& message : f.dialogs.messages)
        EXPECT_EQ(message.text, u"请输入正确的开奖日期！"_s);
    date->setText(u"1999-09-09"_s);
    stem->clear();
    click(w, u"btngen"_s);
    EXPECT_EQ(stem->text(), u"甲"_s);
    EXPECT_EQ(branch->text(), u"子"_s);
    EXPECT_TRUE(output(w).endsWith(u"期推荐投注号码：2 5 7 10 "_s));
}

TEST(FourStepWindow, WorkedExampleAndRefusal)
{
    OpenLottery f(storedDraws({{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {1, 8, 9}, {2, 5, 10}, {4, 6, 11}}));
    ui::RecommendWindow* w = f.open(kItems[3]);
    ASSERT_TRUE(w);
    QComboBox* com1 = child<QComboBox>(w, u"com1"_s);
    // The first window is limited to the six stored draws.
    EXPECT_EQ(com1->count(), 6);
    EXPECT_EQ(com1->currentText(), u"6"_s);
    EXPECT_EQ(child<QComboBox>(w, u"com2"_s)->count(), 5);
    EXPECT_EQ(child<QComboBox>(w, u"com3"_s)->currentText(), u"10"_s);
    EXPECT_EQ(child<QComboBox>(w, u"com4"_s)->currentText(), u"10"_s);
    // Too short a history for the grid: the summary says there is nothing to count.
    EXPECT_EQ(grid(w).rowCount(), 0);
    EXPECT_EQ(memoLines(w), QStringList{u"统计范围内没有可统计的开奖期号，无法给出最大和最小中奖个数"_s});

    // Six draws cannot feed c1 = 6 (it needs 8 before the target).
    click(w, u"btngen"_s);
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].text,
              u"所选投注期之前的开奖号码不足8期，无法按四步选号！请选择更靠后的投注期，或减小第一步的期数。"_s);
    EXPECT_EQ(output(w), QString());

    com1->setCurrentIndex(2);
    child<QComboBox>(w, u"com3"_s)->setCurrentIndex(0);
    child<QComboBox>(w, u"com4"_s)->setCurrentIndex(1);
    click(w, u"btngen"_s);
    EXPECT_EQ(child<QLineEdit>(w, u"edtcode1"_s)->text(), u"01 02 04 05 06 "_s);
    EXPECT_EQ(child<QLineEdit>(w, u"edtcode2"_s)->text(), u"01 02 05 "_s);
    EXPECT_EQ(child<QLineEdit>(w, u"edtcode3"_s)->text(), u"01"_s);
    EXPECT_EQ(child<QLineEdit>(w, u"edtcode4"_s)->text(), QString());
    EXPECT_EQ(output(w), u"26050107期推荐投注号码：01 02 05 "_s);
}

TEST(FourStepWindow, GridStartsTwentyRowsAfterTheFirstWindow)
{
    OpenLottery f(manyDraws(120));
    ui::RecommendWindow* w = f.open(kItems[3]);
    ASSERT_TRUE(w);
    const ui::TextTableModel& m = grid(w);
    // c1 = 40: rows 60 … 119.
    ASSERT_EQ(m.rowCount(), 60);
    EXPECT_EQ(m.text(0, 0), QString::number(f.history().draws[60].issue));
    EXPECT_EQ(child<ui::BarChart>(w, u"chthistory"_s)->categories().size(), 60);
    w->resize(1080, 743); // wider than the test screen
    const QTableView* view = child<QTableView>(w, u"tabhistory"_s);
    EXPECT_EQ(view->columnWidth(2), view->width() - 240);
    // 50 pixels, or what the header needs.
    EXPECT_GE(view->columnWidth(3), 50);
    EXPECT_GE(view->columnWidth(3), view->fontMetrics().horizontalAdvance(u"中奖个数"_s));
    for (const int t : {60, 85, 119}) {
        chooseTarget(w, t);
        click(w, u"btngen"_s);
        EXPECT_EQ(output(w), m.text(t - 60, 0) + u"期推荐投注号码："_s + m.text(t - 60, 2)) << t;
    }
    // c1 = 10 shows rows from 30 on after "历史统计".
    child<QComboBox>(w, u"com1"_s)->setCurrentIndex(9);
    click(w, u"btntongji"_s);
    EXPECT_EQ(grid(w).rowCount(), 90);
    EXPECT_TRUE(f.dialogs.messages.empty());
}
