#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

#include "support/child.h"
#include "widgets/bar_chart.h"
#include "widgets/text_table_model.h"
#include "analysis/u_piantai.h"
#include "analysis/u_yilou.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kJiangxi = u"江西体彩11选5"_s;

// 24 draws, newest first (the front three numbers; the last two stored columns are ignored).
// Number 1 comes back 1 and 3 draws ago after 12 draws away: a rebound with B = 12.
const std::vector<std::array<int, 3>> kNewestFirst = {
    {2, 5, 7},   {1, 5, 8}, {3, 6, 9},  {1, 4, 10}, {2, 5, 11}, {3, 7, 8}, {2, 6, 9},  {4, 5, 10},
    {2, 3, 11},  {6, 7, 8}, {2, 5, 9},  {3, 4, 10}, {2, 6, 11}, {5, 7, 8}, {2, 3, 9},  {1, 4, 6},
    {2, 10, 11}, {3, 5, 8}, {7, 9, 10}, {1, 2, 11}, {4, 6, 8},  {3, 5, 9}, {1, 7, 10}, {2, 4, 6}};

std::vector<StoredDraw> storedDraws()
{
    std::vector<StoredDraw> draws;
    const int count = static_cast<int>(kNewestFirst.size());
    for (int i = 0; i < count; ++i) {
        const auto& front = kNewestFirst[static_cast<std::size_t>(count - 1 - i)];
        StoredDraw d;
        d.issueText = QString::asprintf("100101%02d", i + 1).toStdString();
        d.numbers = {front[0], front[1], front[2], 0, 0};
        // Fill the ignored columns with two numbers not in the front three.
        int j = 3;
        for (int x = 1; j < kStoredNumbers; ++x)
            if (x != front[0] && x != front[1] && x != front[2])
                d.numbers[static_cast<std::size_t>(j++)] = x;
        draws.push_back(d);
    }
    return draws;
}

struct OpenStore : test::MainWindowFixture {
    OpenStore()
    {
        folder.addDraws(kJiangxi, storedDraws());
        openLottery(kJiangxi);
    }
};

template <class T> T* control(const QWidget& window, const QString& name)
{
    T* widget = test::child<T>(window, name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

const ui::TextTableModel& tableOf(const ui::OmissionWindow& window)
{
    return *static_cast<const ui::TextTableModel*>(
        control<QTableView>(window, u"tabhistory"_s)->model());
}

QStringList column(const ui::TextTableModel& model, int c)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.text(r, c);
    return texts;
}

std::vector<int> numberOrder(const ui::TextTableModel& model)
{
    std::vector<int> numbers;
    for (const QString& t : column(model, 0))
        numbers.push_back(t.toInt());
    return numbers;
}

// The chart's four series against the table as shown: same order, values read from the texts.
void expectChartFollowsTable(const ui::OmissionWindow& window)
{
    const auto& model = tableOf(window);
    const auto* chart = control<ui::BarChart>(window, u"chthistory"_s);
    EXPECT_EQ(chart->categories(), column(model, 0));
    ASSERT_EQ(chart->series().size(), 4U);
    const std::array<int, 4> columns = {7, 5, 3, 4};
    for (std::size_t s = 0; s < 4; ++s) {
        QList<qreal> fromTable;
        for (QString t : column(model, columns[s]))
            fromTable << t.remove(u'%').toInt();
        EXPECT_EQ(chart->series()[s].values, fromTable) << "series " << s;
    }
}

} // namespace

TEST(OmissionWindow, CaptionsHeadersAndControlsOfBothWindows)
{
    OpenStore g;
    QWidget parent;
    struct Case {
        std::unique_ptr<ui::OmissionWindow> window;
        QString name, caption, omission;
    };
    Case cases[] = {
        {std::make_unique<ui::Tfrmpiantai>(*g.store, &parent), u"Tfrmpiantai"_s,
         u"中奖偏态分析选号"_s, u"目前遗漏"_s},
        {std::make_unique<ui::Tfrmyilou>(*g.store, &parent), u"Tfrmyilou"_s, u"中奖回补分析选号"_s,
         u"前次遗漏"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const ui::OmissionWindow& w = *c.window;
        EXPECT_EQ(w.objectName(), c.name);
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_TRUE(w.isWindow());
        EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(w.size(), QSize(970, 704));

        const auto& model = tableOf(w);
        EXPECT_EQ(model.headers(), (QStringList{u"待选号码"_s, u"理论周期"_s, u"理论中奖总次数"_s,
                                                u"实际总奖总次数"_s, u"历史最大遗漏"_s, c.omission,
                                                u"目前冷态倍数"_s, u"追号价值"_s}));
        EXPECT_EQ(model.rowCount(), 11);
        const auto* grid = control<QTableView>(w, u"tabhistory"_s);
        EXPECT_EQ(grid->size(), QSize(929, 289));
        for (int col = 0; col < 8; ++col)
            EXPECT_EQ(grid->columnWidth(col), (929 - 30) / 8) << col;
        EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);

        EXPECT_EQ(control<QCheckBox>(w, u"chk1"_s)->text(), c.omission);
        EXPECT_EQ(control<QPushButton>(w, u"Button2"_s)->text(), c.omission + u"排序"_s);
        const QStringList ticked = {u"chk0"_s, u"chk1"_s, u"chk2"_s, u"chk3"_s};
        for (const QString& name : ticked)
            EXPECT_TRUE(control<QCheckBox>(w, name)->isChecked()) << name.toStdString();
        EXPECT_FALSE(control<QCheckBox>(w, u"chkhistorybiao"_s)->isChecked());
        EXPECT_TRUE(control<QPushButton>(w, u"btnala"_s)->isDefault());
        EXPECT_EQ(control<QPushButton>(w, u"Button4"_s)->text(), u"关闭"_s);

        const auto* chart = control<ui::BarChart>(w, u"chthistory"_s);
        EXPECT_EQ(chart->chart()->title(), u"总体中奖分析图表"_s);
        ASSERT_EQ(chart->series().size(), 4U);
        const QStringList titles = {u"追号价值"_s, c.omission, u"中奖次数"_s, u"历史最大遗漏"_s};
        const QList<QColor> colours = {Qt::red, Qt::green, Qt::yellow, Qt::blue};
        for (std::size_t s = 0; s < 4; ++s) {
            EXPECT_EQ(chart->series()[s].title, titles[static_cast<int>(s)]);
            EXPECT_EQ(chart->series()[s].color, colours[static_cast<int>(s)]);
            EXPECT_TRUE(chart->series()[s].visible);
        }
        EXPECT_FALSE(chart->marksShown());

        // Opened in number order; the chart shows the rows as the table does.
        EXPECT_EQ(w.sortMode(), SortMode::None);
        EXPECT_EQ(numberOrder(model), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        expectChartFollowsTable(w);
    }
}

TEST(OmissionWindow, ShowsTheSkewAndReboundFiguresOfTheStandardHistory)
{
    OpenStore g;
    ui::Tfrmpiantai skew(*g.store);
    ui::Tfrmyilou rebound(*g.store);
    // Number 1: hits 1, 3, 15, 19 and 22 draws before the newest; 24·3 / 11 = 6.5 theoretical.
    // Skew: B = 1, 3 / 11 = 0.27, 24·9·1·100 div (121·5) = 35.
    EXPECT_EQ(tableOf(skew).rows()[0], (QStringList{u"01"_s, u"3.7"_s, u"6.5"_s, u"5"_s, u"12"_s,
                                                    u"1"_s, u"0.3"_s, u"35%"_s}));
    // Rebound: gaps 1, 2, 12 give B = 12, 36 / 11 = 3.27, 24·9·12·100 div (121·5) = 428.
    EXPECT_EQ(tableOf(rebound).rows()[0], (QStringList{u"01"_s, u"3.7"_s, u"6.5"_s, u"5"_s, u"12"_s,
                                                       u"12"_s, u"3.3"_s, u"428%"_s}));
    // Number 2 is in the newest draw; no rebound.
    EXPECT_EQ(tableOf(skew).rows()[1].mid(5), (QStringList{u"0"_s, u"0.0"_s, u"0%"_s}));
    EXPECT_EQ(tableOf(rebound).rows()[1].mid(5), (QStringList{u"0"_s, u"0"_s, u"0%"_s}));

    // The transformed mode does not apply to these windows.
    g.store->showTransformed();
    control<QPushButton>(skew, u"btnala"_s)->click();
    EXPECT_EQ(tableOf(skew).text(0, 7), u"35%"_s);
}

TEST(OmissionWindow, SortButtonsReorderTheTableAndTheChartFollows)
{
    OpenStore g;
    ui::Tfrmpiantai w(*g.store);
    w.show();
    const auto& model = tableOf(w);
    struct Case {
        const char* button;
        SortMode mode;
        std::vector<int> order;
    };
    // Chase values of 1..11: 35 0 51 89 0 51 0 29 59 89 142; current omissions
    // 1 0 2 3 0 2 0 1 2 3 4; hits 5 10 7 6 8 7 6 6 6 6 5.
    const auto numberOrderRows =
        computeOmission(g.store->history().draws, 11, 3, OmissionVariant::Skew, SortMode::None);
    const Case cases[] = {
        {"Button1", SortMode::ChaseValue, {11, 10, 4, 9, 6, 3, 1, 8, 2, 7, 5}},
        {"Button2", SortMode::Omission, {11, 10, 4, 9, 3, 6, 8, 1, 2, 7, 5}},
        {"Button3", SortMode::TotalHits, {1, 11, 7, 8, 9, 10, 4, 6, 3, 5, 2}},
        // "分析" returns to number order
        {"btnala", SortMode::None, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        control<QPushButton>(w, QString::fromLatin1(c.button))->click();
        EXPECT_EQ(w.sortMode(), c.mode);
        EXPECT_EQ(numberOrder(model), c.order);
        expectChartFollowsTable(w);
        // Whole rows move with their numbers.
        for (int r = 0; r < 11; ++r) {
            const auto& texts = numberOrderRows[static_cast<std::size_t>(c.order[r] - 1)].texts;
            EXPECT_EQ(model.text(r, 7).toStdString(), texts[7]) << r;
            EXPECT_EQ(model.text(r, 4).toStdString(), texts[4]) << r;
        }
    }

    // Enter anywhere presses "分析".
    control<QPushButton>(w, u"Button3"_s)->click();
    auto* grid = control<QTableView>(w, u"tabhistory"_s);
    // A column the player widened keeps its width through the next computation.
    grid->horizontalHeader()->resizeSection(2, 200);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    EXPECT_EQ(w.sortMode(), SortMode::None);
    EXPECT_EQ(numberOrder(model).front(), 1);
    EXPECT_EQ(grid->columnWidth(2), 200);
    EXPECT_EQ(grid->columnWidth(3), (929 - 30) / 8);
}

TEST(OmissionWindow, CheckBoxesOnlyRedrawTheChart)
{
    OpenStore g;
    ui::Tfrmyilou w(*g.store);
    w.show();
    control<QPushButton>(w, u"Button3"_s)->click();
    const QStringList before = column(tableOf(w), 0);
    // A new draw in the store is not seen until a button computes again.
    g.folder.addDraws(kJiangxi, {{"10010199", {1, 2, 3, 4, 5}}});
    g.store->openDrawStore();
    g.store->loadDrawHistory();
    ASSERT_EQ(g.store->history().draws.back().issue, 10010199);

    const auto* chart = control<ui::BarChart>(w, u"chthistory"_s);
    const QStringList boxes = {u"chk0"_s, u"chk1"_s, u"chk2"_s, u"chk3"_s};
    for (int b = 0; b < 4; ++b) {
        control<QCheckBox>(w, boxes[b])->click();
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(chart->series()[static_cast<std::size_t>(s)].visible, s > b)
                << "after " << b << ", series " << s;
    }
    EXPECT_FALSE(chart->marksShown());
    control<QCheckBox>(w, u"chkhistorybiao"_s)->click();
    EXPECT_TRUE(chart->marksShown());
    control<QCheckBox>(w, u"chk1"_s)->click();
    EXPECT_TRUE(chart->series()[1].visible);

    EXPECT_EQ(w.sortMode(), SortMode::TotalHits);
    EXPECT_EQ(column(tableOf(w), 0), before);
    EXPECT_EQ(chart->categories(), before);
    EXPECT_EQ(tableOf(w).text(0, 2), u"6.5"_s); // still 24 draws
    control<QPushButton>(w, u"Button3"_s)->click();
    EXPECT_EQ(tableOf(w).text(0, 2), u"6.8"_s); // 25·3 / 11 = 6.82
}

TEST(OmissionWindow, CloseButtonAndTitleBarOnlyHide)
{
    OpenStore g;
    QWidget parent;
    QPointer<ui::OmissionWindow> w = new ui::Tfrmpiantai(*g.store, &parent);
    w->show();
    control<QPushButton>(*w, u"Button1"_s)->click();
    const QStringList sorted = column(tableOf(*w), 0);

    control<QPushButton>(*w, u"Button4"_s)->click();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isHidden());

    w->show();
    EXPECT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isHidden());
    // Shown again as it was left.
    w->show();
    EXPECT_EQ(w->sortMode(), SortMode::ChaseValue);
    EXPECT_EQ(column(tableOf(*w), 0), sorted);
}
