#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <gtest/gtest.h>

#include "analysis/trend_strip.h"
#include "analysis/u_code.h"
#include "store/draw_history.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kJiangxi = u"江西体彩11选5"_s;

// The hand-worked history of the statistics tests, oldest first (front three analysed).
std::vector<StoredDraw> handWorkedDraws()
{
    const int numbers[6][3] = {{1, 2, 5}, {1, 3, 6}, {1, 4, 7}, {1, 2, 7}, {1, 3, 9}, {1, 4, 10}};
    std::vector<StoredDraw> draws;
    for (int d = 0; d < 6; ++d)
        draws.push_back({"261209" + std::to_string(10 + d),
                         {numbers[d][0], numbers[d][1], numbers[d][2], 8, 11}});
    return draws;
}

struct OpenTrend : test::MainWindowFixture {
    explicit OpenTrend(const std::vector<StoredDraw>& draws, QSize size = {1024, 700})
    {
        folder.addDraws(kJiangxi, draws);
        openLottery(kJiangxi);
        view = std::make_unique<ui::Tfrmcode>(*store);
        view->resize(size);
        view->show();
    }
    QString strip(int row, int number) const
    {
        return view->strip()->model()->index(row, number + 2).data().toString();
    }
    QVariant omission(int row, int number) const
    {
        const QAbstractItemModel* m = view->grid()->model();
        return m->index(row, number + 2).data(ui::TrendGridModel::OmissionRole);
    }
    std::unique_ptr<ui::Tfrmcode> view;
};

} // namespace

TEST(TrendStrip, ShowsTheStatisticsOfTheHandWorkedHistory)
{
    OpenTrend t(handWorkedDraws());
    const QAbstractItemModel* strip = t.view->strip()->model();
    ASSERT_EQ(strip->rowCount(), 5);
    ASSERT_EQ(strip->columnCount(), 15);
    const QString captions[] = {u"出现次数"_s, u"平均遗漏"_s, u"最大遗漏"_s, u"最大连出"_s,
                                u"当前遗漏"_s};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(strip->index(r, 0).data().toString(), captions[r]);
    // number: appearances, mean, longest absence, longest run, current omission
    const struct {
        int number;
        QString texts[5];
    } cases[] = {
        {1, {u"6"_s, u"0.0"_s, u"0"_s, u"6"_s, u"0"_s}},
        {11, {u"0"_s, u"6.0"_s, u"6"_s, u"0"_s, u"6"_s}},
        {10, {u"1"_s, u"2.5"_s, u"5"_s, u"1"_s, u"0"_s}},
        {5, {u"1"_s, u"2.5"_s, u"5"_s, u"1"_s, u"5"_s}},
        {7, {u"2"_s, u"1.3"_s, u"2"_s, u"2"_s, u"2"_s}},
    };
    for (const auto& c : cases)
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(t.strip(r, c.number), c.texts[r]) << "number " << c.number << " row " << r;
}

TEST(TrendStrip, OmissionValuesAreShownOnlyWhenTicked)
{
    OpenTrend t(handWorkedDraws());
    QCheckBox* box = t.view->omissionBox();
    EXPECT_EQ(box->text(), u"显示遗漏"_s);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(t.omission(0, 11).isValid());
    const QTableView* grid = t.view->grid();
    const QRect cell(grid->columnViewportPosition(13), grid->rowViewportPosition(0),
                     grid->columnWidth(13), grid->rowHeight(0));
    const QImage plain = grid->viewport()->grab(cell).toImage();

    box->click();
    // Grid row 0 is the newest draw. Number 11 is never drawn; 3 was drawn one draw before the
    // newest; 1 is in every draw and its cells stay empty of values; 10's newest cell has a dot.
    const struct {
        int row, number;
        QVariant value;
    } cases[] = {
        {0, 11, 6}, {5, 11, 1}, {0, 3, 1}, {1, 3, QVariant()}, {3, 3, 1},
        {0, 1, QVariant()}, {0, 10, QVariant()}, {1, 10, 5}, {5, 10, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(t.omission(c.row, c.number), c.value) << "row " << c.row << " number " << c.number;
    // The dots stay as they are.
    EXPECT_EQ(grid->model()->index(0, 12).data().toString(), u"●"_s);
    EXPECT_EQ(grid->model()->index(0, 13).data().toString(), QString());
    EXPECT_NE(grid->viewport()->grab(cell).toImage(), plain);

    box->click();
    EXPECT_FALSE(t.omission(0, 11).isValid());
    EXPECT_EQ(grid->viewport()->grab(cell).toImage(), plain);
}

// In the transformed mode the strip and the omissions count the transformed numbers; back in the
// standard mode the stored ones again; closing the lottery empties the strip.
TEST(TrendStrip, FollowsTheTrendModeAndTheLottery)
{
    OpenTrend t(test::TempProgramFolder::sampleDraws(120));
    t.view->omissionBox()->click();
    const QString standardAppearances = t.strip(0, 4);
    t.store->showTransformed();
    const std::vector<Draw>& shown = t.store->transformed().draws;
    const int D = static_cast<int>(shown.size());
    for (int x = 1; x <= 11; ++x) {
        int appearances = 0;
        int last = -1;
        for (int d = 0; d < D; ++d)
            for (int j = 0; j < 3; ++j)
                if (shown[d].numbers[j] == x) {
                    ++appearances;
                    last = d;
                }
        EXPECT_EQ(t.strip(0, x), QString::number(appearances)) << x;
        EXPECT_EQ(t.strip(4, x), QString::number(D - 1 - last)) << x;
        // The newest cell holds the current omission when the number is not in the newest draw.
        if (last != D - 1) {
            EXPECT_EQ(t.omission(0, x), QVariant(D - 1 - last)) << x;
        }
    }
    t.store->showStandard();
    EXPECT_EQ(t.strip(0, 4), standardAppearances);

    t.store->closeDrawStore();
    EXPECT_EQ(t.strip(0, 4), QString());
    EXPECT_EQ(t.view->strip()->model()->index(0, 0).data().toString(), u"出现次数"_s);
}

// Every number column of the strip lies exactly under the grid's, at 1024 x 768 and after resizing.
TEST(TrendStrip, ColumnsLineUpWithTheGrid)
{
    OpenTrend t(test::TempProgramFolder::sampleDraws(300), {1024, 768});
    for (const QSize size : {QSize(1024, 768), QSize(1400, 900), QSize(800, 600)}) {
        t.view->resize(size);
        QCoreApplication::processEvents();
        const QTableView* grid = t.view->grid();
        const QTableView* strip = t.view->strip();
        EXPECT_GT(strip->y(), grid->y() + grid->height() - 1) << "the strip sits under the grid";
        EXPECT_EQ(strip->height(), 5 * 24 + 2 * strip->frameWidth());
        for (int c = 0; c < 15; ++c) {
            SCOPED_TRACE(c);
            const int gridX = grid->viewport()->mapTo(t.view.get(), QPoint(grid->columnViewportPosition(c), 0)).x();
            const int stripX = strip->viewport()->mapTo(t.view.get(), QPoint(strip->columnViewportPosition(c), 0)).x();
            EXPECT_EQ(stripX, gridX);
            EXPECT_EQ(strip->columnWidth(c), grid->columnWidth(c));
        }
        EXPECT_EQ(grid->columnWidth(3), (grid->width() - 248) / 11) << size.width();
    }
}
