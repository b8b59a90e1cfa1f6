#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <QPushButton>

#include "demo/demo_tour.h"
#include "exclude/exclusion_window.h"
#include "exclude/exclusion_list_model.h"
#include "invest/u_gudingjihua.h"
#include "store/program_folder.h"
#include "widgets/dialogs.h"
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
    const auto* sum = qobject_cast<ui::ExclusionWindow*>(w.toolWindows().find(u"Tfrmallhei"_s));
    ASSERT_NE(sum, nullptr) << "the tour shows an exclusion search";
    EXPECT_EQ(sum->listModel()->rowCount(), 164);
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(lottery)), 60) << "the tour changes no data";
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'\n').toStdString();
}

TEST(DemoTour, FileDialogsStartOutsideTheTemporaryFolder)
{
    test::MainWindowFixture f;
    struct Restore {
        ~Restore() { ui::dialogs::setStartFolderOverride({}); }
    } restore;
    const QString outside = ui::startFileDialogsOutsideTheDemo();
    ASSERT_FALSE(outside.isEmpty());
    EXPECT_FALSE(outside.startsWith(f.folder.folder().root()));
    EXPECT_TRUE(outside == desktopFolder() || outside == QDir::homePath());

    // A plan saved from the demo is proposed outside its program folder, where it is kept.
    ui::Tfrmgudingjihua plan(f.folder.folder());
    f.dialogs.fileAnswers = {QString()};
    plan.findChild<QPushButton*>(u"btnsave"_s)->click();
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(f.dialogs.fileDialogs[0].startFolder, outside);
    EXPECT_EQ(f.dialogs.fileDialogs[0].proposedName, QDir(outside).filePath(u"固定投资计划表.txt"_s));
    f.dialogs.fileAnswers = {QString()};
    plan.findChild<QPushButton*>(u"btnload"_s)->click();
    EXPECT_EQ(f.dialogs.fileDialogs.at(1).startFolder, outside);

    // The program itself keeps its own folders.
    ui::dialogs::setStartFolderOverride({});
    f.dialogs.fileAnswers = {QString()};
    plan.findChild<QPushButton*>(u"btnsave"_s)->click();
    EXPECT_EQ(f.dialogs.fileDialogs.at(2).startFolder, f.folder.folder().attachmentsFolder());
}
