#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

#include "exclude/exclusion_list_model.h"
#include "exclude/u_allcongma.h"
#include "exclude/u_allgensui.h"
#include "exclude/u_allhei.h"
#include "exclude/u_allpiantai.h"
#include "store/demo_draws.h"
#include "support/child.h"
#include "ui/ui_fixture.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

struct ExclusionFixture : test::MainWindowFixture {
    explicit ExclusionFixture(int draws = 200)
    {
        folder.addDraws(kGuangdong, makeDemoDraws(draws, 84, {2026, 12, 9}, 5));
        openLottery(kGuangdong);
    }
    template <class W> W& make()
    {
        auto* w = new W(*store);
        owned.emplace_back(w);
        return *w;
    }
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.folder().root() + u"/"_s + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    std::vector<std::unique_ptr<QWidget>> owned;
};

template <class T> T* child(QWidget& w, const char* name)
{
    return test::child<T>(w, QLatin1StringView(name));
}

QPushButton* searchButton(ui::ExclusionWindow& w)
{
    auto* b = w.findChild<QPushButton*>(u"btngen"_s);
    return b ? b : w.findChild<QPushButton*>(u"btnfilt"_s);
}

int listed(const ui::ExclusionWindow& w)
{
    return w.listModel()->rowCount();
}

QStringList listedBets(const ui::ExclusionWindow& w)
{
    QStringList bets;
    for (int r = 0; r < listed(w); ++r)
        bets << w.listModel()->cell(r).trimmed();
    return bets;
}

// Clicks the search button again after `ms`, and (as a guard) once more after five seconds.
void stopAfter(ui::ExclusionWindow& w, int ms)
{
    QPointer<ui::ExclusionWindow> window(&w);
    for (const int delay : {ms, 5000})
        QTimer::singleShot(delay, [window] {
            if (window && window->searching())
                searchButton(*window)->click();
        });
}

} // namespace

TEST(ExclusionWindows, DefaultSumAndRepeatSearchesEndAtTheFirstExclusion)
{
    ExclusionFixture f;
    auto& sum = f.make<ui::Tfrmallhei>();
    auto& repeat = f.make<ui::Tfrmallcongma>();
    EXPECT_EQ(child<QComboBox>(sum, "comhei1")->currentText(), u"27"_s);
    EXPECT_EQ(child<QComboBox>(sum, "comhei2")->currentText(), u"10"_s);
    EXPECT_EQ(child<QComboBox>(repeat, "comqishu")->currentText(), u"10"_s);
    EXPECT_EQ(child<QComboBox>(repeat, "comAC")->currentText(), u"3"_s);
    EXPECT_EQ(child<QComboBox>(sum, "comcurqi")->count(), 201);
    const struct {
        ui::ExclusionWindow* window;
        int rowBlanks;
    } cases[] = {{&sum, 4}, {&repeat, 42}};
    for (const auto& c : cases) {
        ui::ExclusionWindow& w = *c.window;
        searchButton(w)->click();
        EXPECT_EQ(listed(w), 164) << w.objectName().toStdString();
        EXPECT_EQ(w.table().entries.size(), 164U);
        EXPECT_EQ(child<QLabel>(w, "lbljushu")->text(), u"投注号码：164 注"_s);
        EXPECT_EQ(searchButton(w)->text(), u"开始过滤"_s);
        EXPECT_FALSE(child<QProgressBar>(w, "pb")->isVisible());
        EXPECT_EQ(w.passesRun(), 1);
        EXPECT_TRUE(w.listModel()->cell(0).startsWith(QString(c.rowBlanks, u' ') + u"0"_s));
        EXPECT_EQ(w.listModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString(48, u' ') + u"投注号码"_s);
    }
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'\n').toStdString();

    // A second search: the sum window starts again from all 165, the repeat window continues.
    searchButton(sum)->click();
    EXPECT_EQ(listed(sum), 164);
    EXPECT_TRUE(sum.freshStart());
    searchButton(repeat)->click();
    EXPECT_EQ(listed(repeat), 163);
    EXPECT_FALSE(repeat.freshStart());
    // "清除" starts again from all combinations.
    child<QPushButton>(repeat, "btnclear")->click();
    EXPECT_EQ(listed(repeat), 0);
    EXPECT_EQ(child<QLabel>(repeat, "lbljushu")->text(), u"投注号码："_s);
    searchButton(repeat)->click();
    EXPECT_EQ(listed(repeat), 164);
}

TEST(ExclusionWindows, PassCountOneRunsExactlyOnePass)
{
    ExclusionFixture f;
    for (ui::ExclusionWindow* w : std::initializer_list<ui::ExclusionWindow*>{
             &f.make<ui::Tfrmallhei>(), &f.make<ui::Tfrmallcongma>(), &f.make<ui::Tfrmallpiantai>(),
             &f.make<ui::Tfrmallgensui>()}) {
        child<QRadioButton>(*w, "optcishu")->setChecked(true);
        child<QLineEdit>(*w, "edtcishu")->setText(u"1"_s);
        searchButton(*w)->click();
        EXPECT_EQ(w->passesRun(), 1) << w->objectName().toStdString();
        EXPECT_EQ(listed(*w), w->table().keptCount());
        EXPECT_EQ(static_cast<int>(w->table().entries.size()), listed(*w)); // compacted
    }
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'\n').toStdString();
}

TEST(ExclusionWindows, StopInTheMiddleKeepsTheListAndTheExclusions)
{
    ExclusionFixture f;
    auto& bigOdd = f.make<ui::Tfrmallpiantai>();
    searchButton(bigOdd)->click();
    ASSERT_EQ(listed(bigOdd), 164);
    const QStringList before = listedBets(bigOdd);

    // Only the low rule after a streak of four: a pass seldom excludes anything, so the search is
    // still far from its end when the button stops it.
    child<QCheckBox>(bigOdd, "chkda")->setChecked(false);
    child<QLineEdit>(bigOdd, "edtyanxunum")->setText(u"4"_s);
    child<QRadioButton>(bigOdd, "optcishu")->setChecked(true);
    child<QLineEdit>(bigOdd, "edtcishu")->setText(u"100000000"_s);
    stopAfter(bigOdd, 250);
    searchButton(bigOdd)->click();
    EXPECT_FALSE(bigOdd.searching());
    EXPECT_EQ(searchButton(bigOdd)->text(), u"开始过滤"_s);
    EXPECT_FALSE(child<QProgressBar>(bigOdd, "pb")->isVisible());
    EXPECT_GT(bigOdd.passesRun(), 100);
    EXPECT_LT(bigOdd.passesRun(), 100000000);
    EXPECT_EQ(listedBets(bigOdd), before);
    EXPECT_EQ(child<QLabel>(bigOdd, "lbljushu")->text(), u"投注号码：164 注"_s);
    ASSERT_EQ(bigOdd.table().entries.size(), 164U); // not compacted
    const int kept = bigOdd.table().keptCount();
    EXPECT_LT(kept, 164);
    ASSERT_GT(kept, 1);
    EXPECT_TRUE(child<QLineEdit>(bigOdd, "edtcishu")->isEnabled()); // unlocked again

    // The next search continues with those exclusions: the count mode ends at its first one.
    child<QRadioButton>(bigOdd, "optjushu")->setChecked(true);
    child<QCheckBox>(bigOdd, "chkda")->setChecked(true);
    child<QLineEdit>(bigOdd, "edtyanxunum")->setText(u"0"_s);
    searchButton(bigOdd)->click();
    EXPECT_EQ(listed(bigOdd), kept - 1);
    for (const QString& bet : listedBets(bigOdd))
        EXPECT_TRUE(before.contains(bet));
}

TEST(ExclusionWindows, CountModeThatExcludesNothingShowsItsPassesUntilStopped)
{
    ExclusionFixture f;
    auto& bigOdd = f.make<ui::Tfrmallpiantai>();
    child<QCheckBox>(bigOdd, "chkda")->setChecked(false);
    child<QCheckBox>(bigOdd, "chkxiao")->setChecked(false);
    QString shown;
    bool locked = false;
    QTimer::singleShot(150, [&] {
        shown = child<QProgressBar>(bigOdd, "pb")->text();
        locked = !child<QPushButton>(bigOdd, "btnsave")->isEnabled()
                 && !child<QLineEdit>(bigOdd, "edtjushu")->isEnabled()
                 && searchButton(bigOdd)->isEnabled();
    });
    stopAfter(bigOdd, 200);
    searchButton(bigOdd)->click();
    EXPECT_TRUE(shown.contains(u"次过滤"_s)) << shown.toStdString();
    EXPECT_TRUE(locked);
    EXPECT_GT(bigOdd.passesRun(), 10);
    EXPECT_EQ(bigOdd.table().keptCount(), 165);
    EXPECT_EQ(listed(bigOdd), 0);
}

TEST(ExclusionWindows, FollowCountTargetStopsAtFiftyAndShowsTheBets)
{
    ExclusionFixture f;
    auto& follow = f.make<ui::Tfrmallgensui>();
    auto* page = child<QTabWidget>(follow, "page");
    EXPECT_EQ(page->currentIndex(), 0);
    EXPECT_EQ(child<QLabel>(follow, "lbljushu")->text(), QString());
    EXPECT_EQ(child<QLineEdit>(follow, "edtjushu")->text(), u"50"_s);
    EXPECT_EQ(child<QLineEdit>(follow, "edtcishu")->text(), u"1"_s);
    EXPECT_TRUE(child<QRadioButton>(follow, "optjushu")->isChecked());
    EXPECT_EQ(child<QPushButton>(follow, "btntongji")->text(), u"变幻统计"_s);
    auto* history = child<QTableView>(follow, "tabhistory");
    EXPECT_EQ(history->model()->rowCount(), 200);
    EXPECT_EQ(history->model()->index(0, 2).data().toString(), u"0"_s);
    EXPECT_EQ(history->model()->index(1, 2).data().toString(), u"0"_s);

    stopAfter(follow, 5000); // a guard only
    searchButton(follow)->click();
    EXPECT_LE(listed(follow), 50);
    EXPECT_GT(listed(follow), 0);
    EXPECT_EQ(page->currentIndex(), 1);
    EXPECT_TRUE(follow.freshStart()); // the next search starts from all combinations again
    EXPECT_TRUE(follow.listModel()->cell(0).startsWith(QString(22, u' ') + u"0"_s));

    // "常规": pass-count mode with one pass; the count mode is locked.
    child<QRadioButton>(follow, "optmode0")->click();
    EXPECT_TRUE(child<QRadioButton>(follow, "optcishu")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(follow, "optjushu")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(follow, "edtcishu")->text(), u"1"_s);
    EXPECT_EQ(child<QPushButton>(follow, "btntongji")->text(), u"常规统计"_s);
    child<QRadioButton>(follow, "optmode1")->click();
    EXPECT_TRUE(child<QRadioButton>(follow, "optjushu")->isChecked());
    EXPECT_EQ(child<QLineEdit>(follow, "edtcishu")->text(), u"100"_s);
    child<QRadioButton>(follow, "optmode0")->click();
    searchButton(follow)->click();
    const QStringList once = listedBets(follow);
    child<QLineEdit>(follow, "edtcishu")->setText(u"3"_s);
    searchButton(follow)->click();
    EXPECT_EQ(listedBets(follow), once); // every pass of the stored draws is the same
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'\n').toStdString();
}

TEST(ExclusionWindows, SaveThenLoadGivesTheSameBetsInTheSameOrder)
{
    ExclusionFixture f;
    auto& sum = f.make<ui::Tfrmallhei>();
    f.dialogs.fileAnswers = {
        f.writeFile(u"in.txt"_s, "04 05 06\r\n01 02 03\r\n01 02 03\r\n10 11 01\r\n")};
    child<QPushButton>(sum, "btnload")->click();
    EXPECT_EQ(listedBets(sum), (QStringList{u"04 05 06"_s, u"01 02 03"_s, u"10 11 01"_s}));
    EXPECT_TRUE(sum.listModel()->cell(0).startsWith(QString(42, u' ') + u"04"_s));
    EXPECT_EQ(child<QLabel>(sum, "lbljushu")->text(), u"投注号码：3 注"_s);
    EXPECT_FALSE(sum.freshStart());

    const QString saved = f.folder.folder().root() + u"/out.txt"_s;
    f.dialogs.fileAnswers = {saved};
    child<QPushButton>(sum, "btnsave")->click();
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 2U);
    EXPECT_EQ(f.dialogs.fileDialogs[1].proposedName,
              kGuangdong + child<QComboBox>(sum, "comcurqi")->currentText() + u"期投注号码.txt"_s);
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功保存！"_s});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("04 05 06\r\n01 02 03\r\n10 11 01\r\n"));
    file.close();

    // A search result saved and loaded into another window of the family.
    searchButton(sum)->click(); // continues on the loaded bets
    ASSERT_GE(listed(sum), 2);
    f.dialogs.fileAnswers = {saved};
    child<QPushButton>(sum, "btnsave")->click();
    auto& bigOdd = f.make<ui::Tfrmallpiantai>();
    f.dialogs.fileAnswers = {saved};
    child<QPushButton>(bigOdd, "btnload")->click();
    EXPECT_EQ(listedBets(bigOdd), listedBets(sum));
    EXPECT_TRUE(bigOdd.listModel()->cell(0).startsWith(QString(28, u' ')));

    // The follow window saves its list rows.
    auto& follow = f.make<ui::Tfrmallgensui>();
    f.dialogs.fileAnswers = {saved};
    child<QPushButton>(follow, "btnload")->click();
    const QString again = f.folder.folder().root() + u"/again.txt"_s;
    f.dialogs.fileAnswers = {again};
    child<QPushButton>(follow, "btnsave")->click();
    QFile second(again);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    QFile first(saved);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), first.readAll());
}

TEST(ExclusionWindows, StandardAndTransformedStatistics)
{
    ExclusionFixture f;
    auto& sum = f.make<ui::Tfrmallhei>();
    auto* grid = child<QTableView>(sum, "tabhistory");
    ASSERT_EQ(grid->model()->rowCount(), 200);
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), u"和值"_s);
    const auto column = [grid](int c) {
        QStringList texts;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            texts << grid->model()->index(r, c).data().toString();
        return texts;
    };
    const QStringList stored = column(1);
    EXPECT_TRUE(child<QPlainTextEdit>(sum, "mem")
                    ->toPlainText()
                    .startsWith(u"和值：理论平均值：18.0 理论最小值：6 理论最大值：30"_s));
    auto* chart = child<ui::BarChart>(sum, "chthistory");
    EXPECT_EQ(chart->categories().size(), 200);
    EXPECT_FALSE(chart->marksShown());
    child<QCheckBox>(sum, "chkhistorybiao")->click();
    EXPECT_TRUE(chart->marksShown());

    child<QPushButton>(sum, "btntongji2")->click();
    const QStringList first = column(1);
    child<QPushButton>(sum, "btntongji2")->click();
    const QStringList second = column(1);
    EXPECT_NE(first, stored);
    EXPECT_NE(first, second);
    child<QPushButton>(sum, "btntongji")->click();
    EXPECT_EQ(column(1), stored);

    auto& repeat = f.make<ui::Tfrmallcongma>();
    auto* repeatGrid = child<QTableView>(repeat, "tabhistory");
    EXPECT_EQ(repeatGrid->model()->columnCount(), 6);
    EXPECT_EQ(repeatGrid->model()->index(9, 5).data().toString(), QString()); // the first M = 10
    EXPECT_FALSE(repeatGrid->model()->index(10, 5).data().toString().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(repeat, "edtcurcode")->text().startsWith(u"最大重码个数："_s));

    auto& follow = f.make<ui::Tfrmallgensui>();
    auto* followGrid = child<QTableView>(follow, "tabhistory");
    const auto followColumn = [followGrid] {
        QStringList texts;
        for (int r = 0; r < followGrid->model()->rowCount(); ++r)
            texts << followGrid->model()->index(r, 1).data().toString();
        return texts;
    };
    child<QPushButton>(follow, "btntongji")->click();
    const QStringList a = followColumn();
    child<QPushButton>(follow, "btntongji")->click();
    EXPECT_NE(a, followColumn());
}

TEST(ExclusionWindows, BigOddModeChangesOnlyTheCaptions)
{
    ExclusionFixture f;
    auto& bigOdd = f.make<ui::Tfrmallpiantai>();
    EXPECT_EQ(child<QCheckBox>(bigOdd, "chkda")->text(), u"大数个数>="_s);
    child<QLineEdit>(bigOdd, "edtdanum")->setText(u"1"_s);
    child<QRadioButton>(bigOdd, "optmode1")->click();
    EXPECT_EQ(child<QCheckBox>(bigOdd, "chkda")->text(), u"奇数个数>="_s);
    EXPECT_EQ(child<QLabel>(bigOdd, "lblda")->text(), u"时本期奇数个数"_s);
    EXPECT_EQ(child<QLabel>(bigOdd, "lblxiao")->text(), u"时本期奇数个数"_s);
    EXPECT_EQ(child<QCheckBox>(bigOdd, "chkxiao")->text(), u"奇数个数<="_s);
    EXPECT_EQ(child<QLineEdit>(bigOdd, "edtdanum")->text(), u"1"_s);
    EXPECT_EQ(child<QLineEdit>(bigOdd, "edtxiaonum2")->text(), u"3"_s);
    child<QRadioButton>(bigOdd, "optmode0")->click();
    EXPECT_EQ(child<QCheckBox>(bigOdd, "chkxiao")->text(), u"大数个数<="_s);
}

TEST(ExclusionWindows, RefusedSettingsShowWhyAndChangeNothing)
{
    ExclusionFixture f;
    auto& sum = f.make<ui::Tfrmallhei>();
    auto& repeat = f.make<ui::Tfrmallcongma>();
    auto& bigOdd = f.make<ui::Tfrmallpiantai>();
    auto& follow = f.make<ui::Tfrmallgensui>();
    const auto text = [](ui::ExclusionWindow& w, const char* name, const QString& value) {
        return [&w, name, value] { child<QLineEdit>(w, name)->setText(value); };
    };
    const auto period = [](ui::ExclusionWindow& w, int index) {
        return [&w, index] { child<QComboBox>(w, "comcurqi")->setCurrentIndex(index); };
    };
    const struct {
        const char* name;
        ui::ExclusionWindow* window;
        std::function<void()> set;
        QString fragment;
    } cases[] = {
        {"target not a number", &sum, text(sum, "edtjushu", u"abc"_s),
         u"“过滤到（注）”中的“abc”不是有效的整数"_s},
        {"negative target", &repeat, text(repeat, "edtjushu", u"-1"_s),
         u"“过滤到（注）”必须是 0 到"_s},
        {"no passes", &bigOdd,
         [&] {
             child<QRadioButton>(bigOdd, "optcishu")->setChecked(true);
             child<QLineEdit>(bigOdd, "edtcishu")->setText(u"0"_s);
         },
         u"“过滤到（次）”必须是 1 到"_s},
        {"sum bound", &sum, [&] { child<QComboBox>(sum, "comhei1")->setCurrentText(u"2x"_s); },
         u"“和值>=”中的“2x”不是有效的整数"_s},
        {"streak", &bigOdd, text(bigOdd, "edtyanxunum", u"x"_s), u"“延续期数”中的“x”"_s},
        {"negative streak", &bigOdd, text(bigOdd, "edtyanxunum", u"-1"_s),
         u"“延续期数”必须是 0 到"_s},
        {"threshold out of range", &bigOdd, text(bigOdd, "edtdanum", u"4"_s),
         u"“大数个数>=”必须是 0 到 3"_s},
        {"sum at the first draw", &sum, period(sum, 0), u"之前只有 0 期开奖记录"_s},
        {"repeat before M draws", &repeat, period(repeat, 5),
         u"之前只有 5 期开奖记录，重码期数为 10 时至少需要 10 期"_s},
        {"streak longer than the history", &bigOdd,
         [&] { child<QComboBox>(bigOdd, "comcurqi")->setCurrentIndex(1); },
         u"之前只有 1 期开奖记录，延续期数为 2 时至少需要 2 期"_s},
        {"follow needs two draws", &follow, period(follow, 1),
         u"之前只有 1 期开奖记录，跟随排除至少需要 2 期"_s},
    };
    for (const auto& c : cases) {
        ui::ExclusionWindow& w = *c.window;
        auto* edit = w.findChild<QLineEdit*>(u"edtjushu"_s);
        const QString targetBefore = edit->text();
        c.set();
        f.dialogs.messages.clear();
        searchButton(w)->click();
        ASSERT_EQ(f.dialogs.messages.size(), 1U) << c.name;
        EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error) << c.name;
        EXPECT_TRUE(f.dialogs.messages[0].text.contains(c.fragment))
            << c.name << ": " << f.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(searchButton(w)->text(), u"开始过滤"_s) << c.name;
        EXPECT_EQ(w.passesRun(), 0) << c.name;
        EXPECT_EQ(listed(w), 0) << c.name;
        EXPECT_TRUE(w.freshStart()) << c.name;
        EXPECT_TRUE(w.table().entries.empty()) << c.name;
        // Put the window back for the next case.
        edit->setText(targetBefore);
        child<QComboBox>(w, "comcurqi")
            ->setCurrentIndex(child<QComboBox>(w, "comcurqi")->count() - 1);
        for (const char* name : {"edtyanxunum", "edtdanum"})
            if (auto* box = w.findChild<QLineEdit*>(QLatin1StringView(name)))
                box->setText(u"2"_s);
        if (auto* bound = w.findChild<QComboBox*>(u"comhei1"_s); bound && &w == &sum)
            bound->setCurrentText(u"27"_s);
        if (auto* passes = w.findChild<QRadioButton*>(u"optjushu"_s))
            passes->setChecked(true);
    }
}

TEST(ExclusionWindows, RefusedFilesShowWhyAndChangeNothing)
{
    ExclusionFixture f;
    auto& repeat = f.make<ui::Tfrmallcongma>();

    child<QPushButton>(repeat, "btnsave")->click();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"号码表格为空，无法保存！"_s});
    EXPECT_TRUE(f.dialogs.fileDialogs.empty());

    searchButton(repeat)->click();
    const QStringList before = listedBets(repeat);
    const struct {
        QByteArray content;
        QString fragment;
    } cases[] = {
        {"01 02 03\r\n01 02\r\n", u"第 2 行“01 02”太短"_s},
        {"01 02 03\r\n0a 02 03\r\n", u"第 2 行“0a 02 03”的第 1 个号码不是两位数字"_s},
        {"01 02 12\r\n", u"第 1 行“01 02 12”的号码 12 不在 01 到 11 之间"_s},
        {"05 02 05\r\n", u"第 1 行“05 02 05”的号码 05 重复"_s},
    };
    for (const auto& c : cases) {
        f.dialogs.messages.clear();
        f.dialogs.fileAnswers = {f.writeFile(u"bad.txt"_s, c.content)};
        child<QPushButton>(repeat, "btnload")->click();
        ASSERT_EQ(f.dialogs.messages.size(), 1U);
        EXPECT_TRUE(f.dialogs.messages[0].text.contains(c.fragment))
            << f.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(listedBets(repeat), before);
        EXPECT_EQ(repeat.table().entries.size(), 164U);
    }

    // A save that cannot be written: an error and no "成功保存！"; an old file stays whole.
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {f.folder.folder().root() + u"/no such folder/list.txt"_s};
    child<QPushButton>(repeat, "btnsave")->click();
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_FALSE(f.dialogs.texts().contains(u"成功保存！"_s));

    // More than a million lines: the first million are read and the player is told.
    QByteArray many;
    many.reserve(10 * 1'000'010);
    for (int i = 0; i < 1'000'005; ++i)
        many += (i % 2 ? "01 02 03\r\n" : "04 05 06\r\n");
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {f.writeFile(u"many.txt"_s, many)};
    child<QPushButton>(repeat, "btnload")->click();
    EXPECT_EQ(repeat.table().entries.size(), 1'000'000U);
    EXPECT_EQ(listed(repeat), 0);
    EXPECT_EQ(
        f.dialogs.texts(),
        (QStringList{u"过滤后总注数为1000000超过了最大显示行数300000行，暂不显示请继续缩水！"_s,
                     u"文件超过 1000000 行，只载入了前 1000000 行，其余各行没有载入。"_s}));
}

TEST(ExclusionWindows, MenuItemsOpenTheWindowsAndClosingTheLotteryEndsASearch)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, makeDemoDraws(120, 84, {2026, 12, 9}, 5));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kGuangdong);
    w.updateMenuState();
    const struct {
        QString item, window, caption;
    } cases[] = {
        {u"mnuallhei"_s, u"Tfrmallhei"_s, u"无穷和值排除选号"_s},
        {u"mnuallcongma"_s, u"Tfrmallcongma"_s, u"无穷重码排除选号"_s},
        {u"mnuallpiantai"_s, u"Tfrmallpiantai"_s, u"无穷偏态排除选号"_s},
        {u"mnuallgensui"_s, u"Tfrmallgensui"_s, u"无穷历史跟随排除选号"_s},
    };
    for (const auto& c : cases) {
        w.menuItem(c.item)->trigger();
        QPointer<QWidget> window = w.toolWindows().find(c.window);
        ASSERT_TRUE(window) << c.item.toStdString();
        EXPECT_EQ(window->objectName(), c.window);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_TRUE(window->isVisible());
        // Usable on a 1024 x 768 screen.
        EXPECT_LE(window->frameGeometry().width(), 1024) << c.item.toStdString();
        EXPECT_LE(window->frameGeometry().height(), 740) << c.item.toStdString();
        EXPECT_LE(window->minimumSizeHint().height(), window->height()) << c.item.toStdString();
        EXPECT_LE(window->minimumSizeHint().width(), window->width()) << c.item.toStdString();
        window->findChild<QPushButton*>(u"btnclose"_s)->click();
        EXPECT_FALSE(window->isVisible());
        w.menuItem(c.item)->trigger();
        EXPECT_EQ(w.toolWindows().find(c.window), window.data()); // the same window again
        EXPECT_TRUE(window->isVisible());
    }

    // A search that would run for ever ends when the lottery is closed under it.
    QPointer<QWidget> bigOdd = w.toolWindows().find(u"Tfrmallpiantai"_s);
    bigOdd->findChild<QCheckBox*>(u"chkda"_s)->setChecked(false);
    bigOdd->findChild<QCheckBox*>(u"chkxiao"_s)->setChecked(false);
    QTimer::singleShot(80, &w, [&w] { w.mnucloseClick(); });
    stopAfter(*static_cast<ui::ExclusionWindow*>(bigOdd.data()), 5000); // a guard only
    static_cast<ui::Tfrmallpiantai*>(bigOdd.data())->btngenClick();
    test::flushDeferredDeletes();
    EXPECT_TRUE(bigOdd.isNull());
    EXPECT_EQ(w.toolWindows().count(), 0);
}

TEST(ExclusionWindows, ClosingTheMainWindowEndsASearch)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, makeDemoDraws(120, 84, {2026, 12, 9}, 5));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kGuangdong);
    w.updateMenuState();
    w.menuItem(u"mnuallcongma"_s)->trigger();
    auto* repeat = static_cast<ui::Tfrmallcongma*>(w.toolWindows().find(u"Tfrmallcongma"_s));
    ASSERT_NE(repeat, nullptr);
    // A pass count far beyond what could run before the guard.
    child<QRadioButton>(*repeat, "optcishu")->setChecked(true);
    child<QLineEdit>(*repeat, "edtcishu")->setText(u"1000000000"_s);
    child<QComboBox>(*repeat, "comAC")->setCurrentIndex(2);
    QTimer::singleShot(80, &w, [&w] { w.close(); });
    bool guardStopped = false;
    QTimer::singleShot(5000, repeat, [&guardStopped, repeat] {
        if (repeat->searching()) {
            guardStopped = true;
            searchButton(*repeat)->click();
        }
    });
    repeat->btngenClick();
    EXPECT_FALSE(guardStopped) << "only the guard's click ended the search";
    EXPECT_FALSE(repeat->searching());
    EXPECT_LT(repeat->passesRun(), 1000000000);
}
