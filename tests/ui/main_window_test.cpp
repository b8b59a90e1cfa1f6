#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/child.h"
#include "analysis/u_code.h"
#include "shell/u_index.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

const QStringList kNeedLottery = {
    u"mnucode"_s,      u"mnudaxiao"_s,    u"mnujiou"_s,      u"mnuhei"_s,       u"mnukuadu"_s,
    u"mnusandu"_s,     u"mnupiandu"_s,    u"mnuac"_s,        u"mnucongma"_s,    u"mnuqujian"_s,
    u"mnutotalfilt"_s, u"mnujuzheng"_s,   u"mnupiantai"_s,   u"mnuyilou"_s,     u"mnusep"_s,
    u"mnuqingmi"_s,    u"mnuallcongma"_s, u"mnuallhei"_s,    u"mnuallpiantai"_s, u"mnuallgensui"_s,
    u"mnuganzhi"_s,    u"mnusibu"_s,      u"mnufushi"_s};
const QStringList kAlwaysEnabled = {
    u"mnuopen"_s,      u"mnuclose"_s,        u"mnuexit"_s,         u"mnudataadd"_s,
    u"mnudownload"_s,  u"mnubackup"_s,       u"mnurestore"_s,      u"mnugudingjihua"_s,
    u"mnujieduanjihua"_s, u"mnukeibianjihua"_s, u"mnutozi"_s,       u"mnukarvoweb"_s,
    u"mnutiyuweb"_s,   u"mnufuliweb"_s,      u"mnushishicaiweb"_s, u"mnuhelp"_s,
    u"mnuhomepage"_s,  u"mnuqq"_s,           u"mnuabout"_s};
// Items whose windows are not built yet: disabled rather than doing nothing when chosen.
const QStringList kWithoutWindow = {};
const QStringList kToolNeedLottery = {u"tlbpiantai"_s, u"tlbyilou"_s, u"tlbala"_s,
                                      u"tlbbiaozhun"_s, u"tlbbianwan"_s};
const QStringList kToolAlways = {u"tlbopen"_s, u"tlbdata"_s, u"tlbyansi"_s, u"tlbexit"_s};

void expectMenuState(const ui::Tfrmmain& w, bool open)
{
    for (const QString& name : kNeedLottery) {
        ASSERT_NE(w.menuItem(name), nullptr) << name.toStdString();
        EXPECT_EQ(w.menuItem(name)->isEnabled(), open && !kWithoutWindow.contains(name))
            << name.toStdString();
    }
    for (const QString& name : kAlwaysEnabled) {
        ASSERT_NE(w.menuItem(name), nullptr) << name.toStdString();
        EXPECT_EQ(w.menuItem(name)->isEnabled(), !kWithoutWindow.contains(name))
            << name.toStdString();
    }
    for (const QString& name : kToolNeedLottery)
        EXPECT_EQ(w.toolButton(name)->isEnabled(), open) << name.toStdString();
    for (const QString& name : kToolAlways)
        EXPECT_TRUE(w.toolButton(name)->isEnabled()) << name.toStdString();
}

// Opens a lottery through the catalogue as a player would.
void openThroughCatalogue(ui::Tfrmmain& w, const QString& lottery, int positionIndex)
{
    test::whenModal([&](QWidget* modal) {
        auto* catalogue = qobject_cast<ui::Tfrmindex*>(modal);
        ASSERT_NE(catalogue, nullptr);
        auto* list = test::child<QListWidget>(*catalogue, u"lstcaipiao"_s);
        list->setCurrentItem(list->findItems(lottery, Qt::MatchExactly).value(0));
        test::child<QGroupBox>(*catalogue, u"optpos"_s)
            ->findChildren<QRadioButton*>()
            .at(positionIndex)
            ->click();
        catalogue->btnopenClick();
    });
    w.mnuopenClick();
}

} // namespace

TEST(MainWindow, MenusAndCaptionFollowOpenAndClose)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(40));
    ui::Tfrmmain& w = f.mainWindow();
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora"_s);
    EXPECT_EQ(w.menuItem(u"mnuopen"_s)->text(), u"打开彩票(&O)"_s);
    EXPECT_EQ(w.menuItem(u"mnuabout"_s)->text(), u"关于(&A)..."_s);
    EXPECT_EQ(w.toolButton(u"tlbyilou"_s)->toolTip(), u"最优四步综合选号"_s);
    EXPECT_EQ(w.toolButton(u"tlbexit"_s)->toolTip(), u"退出系统"_s);
    EXPECT_EQ(w.toolButton(u"tlbdata"_s)->text(), u"彩票数据"_s);
    expectMenuState(w, false);
    EXPECT_FALSE(w.tabStrip()->isVisible());
    ASSERT_EQ(w.tabStrip()->count(), 10);
    EXPECT_EQ(w.tabStrip()->tabText(9), u"号码区间分析"_s);

    openThroughCatalogue(w, kGuangdong, 1);
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora《广东体彩11选5》中三"_s);
    EXPECT_EQ(w.toolButton(u"tlbdata"_s)->text(), u"快速开奖"_s);
    EXPECT_TRUE(w.tabStrip()->isVisible());
    EXPECT_EQ(w.tabStrip()->currentIndex(), 0);
    // The strip sits right of the exit button and ends 10 pixels before the tool bar's end.
    const QToolButton* exit = w.toolButton(u"tlbexit"_s);
    EXPECT_EQ(w.tabStrip()->x(), exit->x() + exit->width());
    EXPECT_NE(qobject_cast<ui::Tfrmcode*>(w.currentView()), nullptr);
    EXPECT_EQ(w.catalogue(), nullptr); // discarded after an open
    expectMenuState(w, true);
    EXPECT_EQ(f.store->history().count(), 40);

    w.mnucloseClick();
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora"_s);
    EXPECT_FALSE(w.tabStrip()->isVisible());
    EXPECT_EQ(w.currentView(), nullptr);
    EXPECT_EQ(f.store->history().count(), 0);
    EXPECT_FALSE(f.store->lotteryOpen());
    expectMenuState(w, false);
    // The name, the position and the quick draw caption stay for the next quick draw.
    EXPECT_EQ(f.store->profile().name, kGuangdong.toStdString());
    EXPECT_EQ(f.store->drawPosition(), DrawPosition::Middle);
    EXPECT_EQ(w.toolButton(u"tlbdata"_s)->text(), u"快速开奖"_s);
}

TEST(MainWindow, TabChangeKeepsExactlyOneView)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(10));
    ui::Tfrmmain& w = f.mainWindow();
    openThroughCatalogue(w, kGuangdong, 0);
    QPointer<QWidget> first = w.currentView();
    ASSERT_TRUE(first);
    w.selectTab(0); // the menu item recreates the view even on the same tab
    QPointer<QWidget> second = w.currentView();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(second);
    EXPECT_EQ(w.findChildren<ui::Tfrmcode*>().size(), 1);
    w.menuItem(u"mnuqujian"_s)->trigger(); // a tab whose view is not there yet
    EXPECT_EQ(w.tabStrip()->currentIndex(), 9);
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(w.findChildren<ui::Tfrmcode*>().size(), 0);
    w.tabStrip()->setCurrentIndex(0);
    EXPECT_EQ(w.findChildren<ui::Tfrmcode*>().size(), 1);
}

TEST(MainWindow, QuickDrawReopensWithThePositionInsideTheClosingMark)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(12));
    ui::Tfrmmain& w = f.mainWindow();
    openThroughCatalogue(w, kGuangdong, 1);
    f.folder.addDraws(kGuangdong, {{"11010101", {1, 2, 3, 4, 5}}});
    w.tlbdataClick();
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora《广东体彩11选5中三》"_s);
    EXPECT_EQ(f.store->history().count(), 13);
    EXPECT_TRUE(f.store->lotteryOpen());
    expectMenuState(w, true);
    EXPECT_NE(qobject_cast<ui::Tfrmcode*>(w.currentView()), nullptr);
}

TEST(MainWindow, QuickDrawBeforeAnyOpenShowsTheCatalogue)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    bool catalogueShown = false;
    test::whenModal([&](QWidget* modal) {
        catalogueShown = qobject_cast<ui::Tfrmindex*>(modal) != nullptr;
        test::child<QPushButton>(*modal, u"btnext"_s)->click();
    });
    w.tlbdataClick();
    EXPECT_TRUE(catalogueShown);
    EXPECT_FALSE(f.store->lotteryOpen());
    EXPECT_NE(w.catalogue(), nullptr); // kept after "退出"
}

TEST(MainWindow, FailedReopenEndsClosedWithAMessage)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(12));
    ui::Tfrmmain& w = f.mainWindow();
    openThroughCatalogue(w, kGuangdong, 0);
    f.folder.exec(u"DROP TABLE \"广东体彩11选5彩票号码表\""_s);
    const auto before = f.dialogs.messages.size();
    w.tlbdataClick();
    // The quick download's report (the table is gone) ending with "下载完成！", then the error.
    ASSERT_EQ(f.dialogs.messages.size(), before + 2);
    EXPECT_TRUE(f.dialogs.messages[before].text.startsWith(u"广东体彩11选5：号码没有保存（"_s));
    EXPECT_TRUE(f.dialogs.messages[before].text.endsWith(u"\n下载完成！"_s));
    EXPECT_EQ(f.dialogs.messages.back().kind, ui::MessageKind::Error);
    EXPECT_FALSE(f.store->lotteryOpen());
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora"_s);
    expectMenuState(w, false);
}

TEST(MainWindow, MissingBackgroundPictureIsReportedAndTheWindowStillWorks)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_TRUE(f.dialogs.messages[0].text.contains(u"back.bmp"_s));
    // Without an advertisement server the strip hides itself at once.
    EXPECT_FALSE(test::child<QWidget>(w, u"pan"_s)->isVisible());
    expectMenuState(w, false);
}
