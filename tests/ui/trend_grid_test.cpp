#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <gtest/gtest.h>

#include "analysis/u_code.h"
#include "store/draw_history.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kJiangxi = u"江西体彩11选5"_s;

struct OpenGrid : test::MainWindowFixture {
    explicit OpenGrid(int draws)
    {
        folder.addDraws(kJiangxi, test::TempProgramFolder::sampleDraws(draws));
        openLottery(kJiangxi);
        view = std::make_unique<ui::Tfrmcode>(*store);
        view->resize(1248, 600);
        view->show();
    }
    std::unique_ptr<ui::Tfrmcode> view;
};

} // namespace

TEST(TrendGrid, GeometryAndNewestDrawOnTop)
{
    OpenGrid g(30);
    EXPECT_EQ(g.view->windowTitle(), u"号码走势"_s);
    EXPECT_EQ(g.view->gridRowCount(), 31);
    EXPECT_EQ(g.view->gridColumnCount(), 15);
    const QAbstractItemModel* model = g.view->grid()->model();
    const DrawHistory& h = g.store->history();
    EXPECT_EQ(model->index(0, 0).data().toString().toStdString(), h.rows[29].issueText);
    EXPECT_EQ(model->index(29, 0).data().toString().toStdString(), h.rows[0].issueText);
    EXPECT_EQ(model->index(0, 1).data().toString().toStdString(), h.rows[29].numbersText);
    for (int x = 1; x <= 11; ++x)
        EXPECT_EQ(model->index(0, x + 2).data().toString(), h.isDrawn(29, x) ? u"●"_s : QString());
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), u"记录期号"_s);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), u"开奖号码"_s);
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), u"1"_s);
    EXPECT_EQ(model->index(0, 2).data().toString(), QString());

    const QTableView* grid = g.view->grid();
    EXPECT_EQ(grid->columnWidth(0), 70);
    EXPECT_EQ(grid->columnWidth(1), 130);
    EXPECT_EQ(grid->columnWidth(2), 8);
    EXPECT_EQ(grid->columnWidth(14), 8);
    EXPECT_EQ(grid->columnWidth(3), (grid->width() - 248) / 11);
    EXPECT_EQ(grid->rowHeight(0), 24);
}

TEST(TrendGrid, FollowsTheRowsInForceAndPaintsTheColumnColours)
{
    OpenGrid g(50);
    const QAbstractItemModel* model = g.view->grid()->model();
    const QString standard = model->index(0, 1).data().toString();
    g.store->showTransformed();
    const Draw& newest = g.store->transformed().draws.back();
    EXPECT_EQ(model->index(0, 1).data().toString().toStdString(),
              makeTrendRow(newest.issue, std::span(newest.numbers.data(), 3)).numbersText);
    EXPECT_EQ(model->index(0, 0).data().toString().toStdString(),
              std::to_string(g.store->history().draws.back().issue));

    const QImage image = g.view->grid()->viewport()->grab().toImage();
    const QTableView* grid = g.view->grid();
    const int y = grid->rowViewportPosition(0) + 2;
    EXPECT_EQ(image.pixelColor(grid->columnViewportPosition(2) + 3, y), QColor(100, 100, 100));
    // A number column cell without the number: the plain fill.
    int empty = 3;
    while (model->index(0, empty).data().toString() == u"●"_s)
        ++empty;
    EXPECT_EQ(image.pixelColor(grid->columnViewportPosition(empty) + 2, y), QColor(150, 150, 100));

    g.store->loadDrawHistory();
    EXPECT_EQ(model->index(0, 1).data().toString(), standard);
}

TEST(TrendGrid, EmptyHistoryShowsOnlyTheHeader)
{
    OpenGrid g(0);
    EXPECT_EQ(g.view->gridRowCount(), 1);
    EXPECT_EQ(g.view->gridColumnCount(), 15);
}
