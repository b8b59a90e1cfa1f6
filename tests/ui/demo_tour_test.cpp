#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "demo/demo_tour.h"
#include "exclude/exclusion_frame.h"
#include "exclude/exclusion_list_model.h"
#include "shell/u_about.h"
#include "store/lottery_schema.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

TEST(DemoTour, OpensALotteryAndShowsEveryTabOnItsOwn)
{
    const QString lottery = u"广东体彩11选5"_s;
    test::MainWindowFixture f;
    f.folder.addDraws(lottery, test::TempProgramFolder::sampleDraws(60));
    QDir().mkpath(f.folder.folder().attachmentsFolder());
    QFile about(f.folder.folder().attachmentsFolder() + u"about.txt"_s);
    ASSERT_TRUE(about.open(QIODevice::WriteOnly));
    about.write("Karvo\r\n");
    about.close();
    ui::Tfrmmain& w = f.mainWindow();
    f.dialogs.messages.clear();

    ui::DemoTour tour(w, lottery, 30);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&tour, &ui::DemoTour::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    tour.start();
    loop.exec();

    ASSERT_TRUE(finished);
    EXPECT_EQ(tour.tabsShown(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(f.store->lotteryOpen()) << "the tour ends with the lottery open for the player";
    EXPECT_TRUE(tour.captionsShown().first().contains(u"模拟开奖数据"_s));
    EXPECT_NE(w.findChild<ui::Tfrmabout*>(), nullptr);
    const auto* sum = qobject_cast<ui::ExclusionFrame*>(w.toolWindows().find(u"Tfrmallhei"_s));
    ASSERT_NE(sum, nullptr) << "the tour shows an exclusion search";
    EXPECT_EQ(sum->listModel()->rowCount(), 164);
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(lottery)), 60) << "the tour changes no data";
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'\n').toStdString();
}
