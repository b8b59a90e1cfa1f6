// What a player sees in the main window: every tab fits a 1024 x 768 screen, the views' captions
// stay readable over the background picture, the trend mode and the demo database are named,
// and an empty lottery says how to get draws in.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "analysis/indicator_view_logic.h"
#include "analysis/u_code.h"
#include "analysis/u_sercanshu.h"
#include "store/demo_database.h"
#include "ui/ui_fixture.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kChongqing = u"重庆体彩11选5"_s;

// Share of the pixels of `rect` in `image` that are light (grey level above 150).
double lightShare(const QImage& image, const QRect& rect)
{
    int light = 0;
    int all = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!image.rect().contains(x, y))
                continue;
            ++all;
            light += qGray(image.pixel(x, y)) > 150;
        }
    return all == 0 ? 0 : static_cast<double>(light) / all;
}

QLabel* statusNote(ui::Tfrmmain& w, const char* name)
{
    return w.statusBar()->findChild<QLabel*>(QLatin1StringView(name));
}

} // namespace

TEST(ScreenFit, EveryTabFitsA1024By768WindowAndItsCaptionsAreReadable)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(60));
    // A black background picture: the darkest the captions can lie on.
    QImage black(64, 64, QImage::Format_RGB32);
    black.fill(Qt::black);
    QDir().mkpath(QFileInfo(f.folder.folder().backgroundPicture()).absolutePath());
    ASSERT_TRUE(black.save(f.folder.folder().backgroundPicture(), "BMP"));
    ui::Tfrmmain& w = f.mainWindow();
    w.resize(1024, 768);
    f.openLottery(kChongqing);
    for (int tab = 0; tab < 10; ++tab) {
        w.selectTab(tab);
        QWidget* view = w.currentView();
        ASSERT_NE(view, nullptr) << tab;
        if (tab == 9) {
            // The widest the interval view gets: seven zones.
            view->findChild<QComboBox*>(u"comqujian"_s)->setCurrentIndex(6);
            view->findChild<QPushButton*>(u"btntongji"_s)->click();
        }
        QApplication::processEvents();
        EXPECT_LE(w.width(), 1024) << "tab " << tab;
        EXPECT_LE(w.height(), 768) << "tab " << tab;
        EXPECT_LE(w.minimumSizeHint().width(), 1024) << "tab " << tab;
        EXPECT_LE(view->minimumSizeHint().width(), w.centralWidget()->width()) << "tab " << tab;
        if (tab == 0)
            continue;
        const QImage shot = w.grab().toImage();
        for (QWidget* caption : view->findChildren<QWidget*>()) {
            if (!(qobject_cast<QLabel*>(caption) || qobject_cast<QCheckBox*>(caption))
                || !caption->isVisible())
                continue;
            const QRect place(caption->mapTo(&w, QPoint(0, 0)), caption->size());
            EXPECT_GT(lightShare(shot, place), 0.6)
                << "tab " << tab << ": " << caption->objectName().toStdString();
            // Its whole text shows.
            EXPECT_GE(caption->width(), caption->minimumSizeHint().width())
                << "tab " << tab << ": " << caption->objectName().toStdString();
        }
    }
    EXPECT_EQ(w.width(), 1024) << "the window never grows by itself";
}

TEST(ScreenFit, ARedrawnChartLooksLikeAFreshOne)
{
    // A view redraws its chart on every mode switch (the compound search does so for every
    // transform): what was drawn before must leave no axis behind.
    const std::vector<ui::BarSeriesData> before = {{u"1区号码数"_s, Qt::red, {3, 0, 1}, true}};
    const std::vector<ui::BarSeriesData> after = {{u"1区号码数"_s, Qt::red, {1, 2, 1}, true}};
    ui::BarChart redrawn(u"最近各期区间图表"_s);
    ui::BarChart fresh(u"最近各期区间图表"_s);
    for (ui::BarChart* chart : {&redrawn, &fresh}) {
        chart->resize(500, 300);
        chart->show();
    }
    redrawn.showBars({u"3"_s, u"0"_s, u"1"_s}, before, false);
    QApplication::processEvents();
    redrawn.showBars({u"1"_s, u"2"_s, u"1"_s}, after, false);
    fresh.showBars({u"1"_s, u"2"_s, u"1"_s}, after, false);
    QApplication::processEvents();
    EXPECT_EQ(redrawn.grab().toImage(), fresh.grab().toImage());
}

TEST(ScreenFit, SearchSettingsShowBothCaptionsWhole)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    w.tlbpiantaiClick();
    ui::Tfrmsercanshu* settings = w.searchSettings();
    ASSERT_TRUE(settings->isVisible());
    EXPECT_GE(settings->width(), 367);
    const QList<QAbstractButton*> choices = settings->findChildren<QAbstractButton*>();
    for (QAbstractButton* choice : choices) {
        if (choice->objectName().startsWith(u"chk"_s) || !choice->isCheckable())
            continue;
        choice->click();
        QApplication::processEvents();
        for (const char* name : {"chk1", "chk2"}) {
            auto* box = settings->findChild<QCheckBox*>(QLatin1StringView(name));
            EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
        }
    }
}

TEST(ScreenFit, TrendModeIsShownAndTheSearchLineClearedOnStandard)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(60));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kChongqing);
    w.updateMenuState();
    QToolButton* standard = w.toolButton(u"tlbbiaozhun"_s);
    QToolButton* transformed = w.toolButton(u"tlbbianwan"_s);
    QLabel* note = statusNote(w, "lblmode");
    ASSERT_NE(note, nullptr);

    transformed->click();
    EXPECT_TRUE(transformed->isChecked());
    EXPECT_FALSE(standard->isChecked());
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(u"变幻走势"_s));
    transformed->click(); // a second press keeps the mode (a new transform)
    EXPECT_TRUE(transformed->isChecked());

    w.statusBar()->showMessage(u"搜索杀号：第 3 次变幻符合条件。"_s);
    standard->click();
    EXPECT_TRUE(standard->isChecked());
    EXPECT_FALSE(transformed->isChecked());
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(w.statusBar()->currentMessage().isEmpty());

    transformed->click();
    w.mnucloseClick();
    EXPECT_FALSE(note->isVisible());
    EXPECT_FALSE(transformed->isChecked());
}

TEST(ScreenFit, EmptyLotteryNamesTheWaysToGetDraws)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kChongqing); // no draws
    w.updateMenuState();
    w.selectTab(0);
    auto* grid = qobject_cast<ui::Tfrmcode*>(w.currentView());
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->emptyHint()->isVisible());
    for (const QString& way : {u"数据下载"_s, u"数据添加"_s, u"快速开奖"_s})
        EXPECT_TRUE(grid->emptyHint()->text().contains(way)) << way.toStdString();

    // The indicator views say there is no data instead of advising from nothing.
    w.selectTab(3);
    auto* summary = w.currentView()->findChild<QPlainTextEdit*>(u"mem"_s);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->toPlainText(), QString::fromUtf8(kNoDrawsHint));

    // "搜索杀号" names the lack of draws rather than a run length range of 1 to 0.
    f.dialogs.messages.clear();
    w.toolButton(u"tlbyilou"_s)->click();
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].text, QString::fromUtf8(kNoDrawsHint));
    EXPECT_FALSE(f.dialogs.messages[0].text.contains(u"1 到 0"_s));

    // With draws the hint goes.
    w.mnucloseClick();
    f.folder.addDraws(kChongqing, test::TempProgramFolder::sampleDraws(5));
    f.openLottery(kChongqing);
    w.selectTab(0);
    grid = qobject_cast<ui::Tfrmcode*>(w.currentView());
    ASSERT_NE(grid, nullptr);
    EXPECT_FALSE(grid->emptyHint()->isVisible());
}

TEST(ScreenFit, DemoDatabaseIsNamedWhileOpen)
{
    for (const bool demo : {true, false}) {
        test::TempProgramFolder folder;
        test::ScriptedDialogs dialogs;
        const QString file = folder.folder().databaseFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (demo)
            createDemoDatabase(file);
        else
            folder.createDatabase();
        EXPECT_EQ(isDemoDatabase(file), demo);
        Tdatamod datamod(file);
        SeededRandom random(5);
        DrawStore store(datamod, random);
        ui::Tfrmmain w(store, folder.folder(), QUrl());
        w.show();
        QLabel* note = statusNote(w, "lbldemo");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->isVisible(), demo);
        EXPECT_EQ(note->text(), u"演示数据（模拟开奖，非真实结果）"_s);
    }
    EXPECT_FALSE(isDemoDatabase(u"/no/such/file.db"_s));

    // A demo database made before the marker existed gets it, once.
    test::TempProgramFolder older;
    older.createDatabase();
    const QString file = older.folder().databaseFile();
    ASSERT_FALSE(isDemoDatabase(file));
    markAsDemoDatabase(file);
    markAsDemoDatabase(file);
    EXPECT_TRUE(isDemoDatabase(file));
    EXPECT_EQ(older.rowCount(QString::fromUtf16(kDemoMarkerTable)), 1);
}
