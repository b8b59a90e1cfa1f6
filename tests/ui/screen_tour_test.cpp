#include <QPushButton>
#include <QScrollArea>
#include <gtest/gtest.h>

#include "demo/screen_tour.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

// The check itself: a control reaching outside its parent is reported by name, one inside is
// not, nor is the content of a scroll area, which scrolls on purpose.
TEST(ScreenTour, CutOffCheckNamesTheControlsOutside)
{
    QWidget window;
    window.resize(300, 200);
    auto* inside = new QPushButton(u"inside"_s, &window);
    inside->setObjectName(u"btninside"_s);
    inside->setGeometry(10, 10, 100, 30);
    auto* outside = new QPushButton(u"outside"_s, &window);
    outside->setObjectName(u"btnoutside"_s);
    outside->setGeometry(250, 10, 100, 30);
    auto* hidden = new QPushButton(&window);
    hidden->setGeometry(400, 10, 100, 30);
    hidden->hide();
    auto* area = new QScrollArea(&window);
    area->setGeometry(10, 50, 200, 100);
    auto* content = new QWidget;
    content->resize(600, 600);
    (new QPushButton(content))->setGeometry(500, 500, 80, 30);
    area->setWidget(content);
    window.show();

    const QStringList problems = ui::cutOffChildren(&window);
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems[0].startsWith(u"btnoutside (QPushButton) at 250,10"_s)) << problems[0].toStdString();

    window.resize(1100, 700);
    EXPECT_EQ(ui::cutOffChildren(&window).size(), 1) << "a window wider than the small screen";
}

// Every window the program shows fits a 1024 x 768 screen with all of its controls in view.
TEST(ScreenTour, EveryWindowFitsTheSmallScreen)
{
    test::MainWindowFixture f;
    const QString lottery = u"广东体彩11选5"_s;
    f.folder.addDraws(lottery, test::TempProgramFolder::sampleDraws(200));
    ui::Tfrmmain& main = f.mainWindow();
    QStringList names;
    QStringList problems;
    ui::visitEveryWindow(main, f.folder.folder(), lottery, [&](const QString& name, QWidget* w) {
        names << name;
        EXPECT_TRUE(w->isVisible()) << name.toStdString();
        for (const QString& problem : ui::cutOffChildren(w))
            problems << name + u": "_s + problem;
    });
    EXPECT_TRUE(f.store->lotteryOpen());
    for (const QString& expected :
         {u"main_no_lottery"_s, u"splash"_s, u"Tfrmindex"_s, u"main_tab0"_s,
          u"main_tab0_omission"_s, u"main_tab9"_s, u"Tfrmdata"_s, u"Tfrmabout"_s,
          u"Tfrmtotalfilt"_s, u"Tfrmgudingjihua"_s, u"Tfrmjieduanjihua"_s,
          u"Tfrmkeibianjihua"_s, u"Tfrmjuzheng"_s, u"Tfrmsercanshu"_s})
        EXPECT_TRUE(names.contains(expected)) << expected.toStdString() << " not visited; visited: "
                                              << names.join(u' ').toStdString();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}
