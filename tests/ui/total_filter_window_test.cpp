#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/child.h"
#include "filter/bet_list_model.h"
#include "filter/total_filter.h"
#include "filter/u_totalfilt.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

struct FilterFixture : test::MainWindowFixture {
    FilterFixture()
    {
        folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(30));
        openLottery(kGuangdong);
        window = std::make_unique<ui::Tfrmtotalfilt>(*store);
    }
    template <class T>
    T* find(const char* name)
    {
        return test::child<T>(filter(), QLatin1StringView(name));
    }
    ui::Tfrmtotalfilt& filter() { return *this->window; }
    void range(const char* check, const char* low, const char* high, const QString& from,
               const QString& to)
    {
        find<QCheckBox>(check)->setChecked(true);
        find<QComboBox>(low)->setCurrentText(from);
        find<QComboBox>(high)->setCurrentText(to);
    }
    int listed() { return filter().listModel()->rowCount(); }
    std::unique_ptr<ui::Tfrmtotalfilt> window;
};

} // namespace

TEST(TotalFilterWindow, RunsNarrowAndClearStartsAgain)
{
    FilterFixture f;
    EXPECT_EQ(f.find<QComboBox>("comhei1")->count(), 25); // 6 .. 30
    EXPECT_EQ(f.find<QComboBox>("comsandu1")->itemText(0), u"3"_s);
    EXPECT_EQ(f.find<QComboBox>("comdaxiao1")->currentIndex(), -1);

    f.filter().btnfiltClick();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"请选择过滤条件！"_s});

    f.range("chkjishu", "comjiou1", "comjiou2", u"3"_s, u"3"_s);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.listed(), 120);
    EXPECT_EQ(f.find<QLabel>("lbljushu")->text(), u"120注"_s);
    EXPECT_FALSE(f.find<QCheckBox>("chkjishu")->isChecked());
    EXPECT_EQ(f.find<QComboBox>("comjiou1")->currentText(), u"3"_s); // the lists keep their values
    EXPECT_FALSE(f.filter().freshStart());

    f.range("chkhei", "comhei1", "comhei2", u"9"_s, u"9"_s);
    f.filter().btnfiltClick();
    ASSERT_EQ(f.listed(), 6);
    const auto* model = f.filter().listModel();
    EXPECT_EQ(model->index(0, 0).data().toString(), u"1"_s);
    EXPECT_EQ(model->index(0, 1).data().toString(), QString(24, u' ') + u"01 03 05 "_s);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QString(28, u' ') + u"投注号码"_s);

    // Nothing survives: the message, and the narrowing stays exactly as it was.
    f.range("chkhei", "comhei1", "comhei2", u"30"_s, u"30"_s);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.dialogs.texts().last(), u"没有符合条件的投注号码，请重新选择过滤条件！"_s);
    EXPECT_EQ(keptCount(f.store->combinations()), 6);
    EXPECT_EQ(f.listed(), 6);

    f.filter().btnclearClick();
    EXPECT_TRUE(f.filter().freshStart());
    EXPECT_EQ(f.listed(), 0);
    EXPECT_EQ(f.find<QComboBox>("comhei1")->currentIndex(), -1);
    f.range("chkhei", "comhei1", "comhei2", u"6"_s, u"30"_s);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.listed(), 990);
}

TEST(TotalFilterWindow, ChecksBlockTheRun)
{
    FilterFixture f;
    f.find<QComboBox>("compiandu1")->setCurrentText(u"5"_s); // an unchecked pair, reversed
    f.find<QComboBox>("compiandu2")->setCurrentText(u"2"_s);
    f.range("chkhei", "comhei1", "comhei2", u"6"_s, u"9"_s);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.dialogs.texts().last(), u"请前面组合框中的数值应该小于等于后面组合框中的数值！"_s);
    f.find<QComboBox>("compiandu2")->setCurrentText(u"6"_s);

    f.find<QCheckBox>("chkdanma")->setChecked(true);
    f.find<QLineEdit>("edtdanma")->setText(u"1,2"_s);
    f.find<QLineEdit>("edtnum1")->setText(u"2"_s);
    f.find<QLineEdit>("edtnum2")->setText(u"2"_s);
    f.filter().btnfiltClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"1,2"_s));
    EXPECT_TRUE(f.filter().freshStart());
    f.find<QLineEdit>("edtdanma")->setText(u"1 2"_s);
    f.find<QCheckBox>("chkhei")->setChecked(false);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.listed(), 54);
}

TEST(TotalFilterWindow, BallTilesAndRandomPick)
{
    FilterFixture f;
    f.filter().tileClick(1);
    EXPECT_EQ(f.dialogs.texts().last(), u"请先在《选择球号》框上打勾！"_s);
    EXPECT_TRUE(f.filter().selectedBalls().isEmpty());
    f.find<QCheckBox>("chkhongqiu")->click();
    EXPECT_TRUE(f.find<QPushButton>("btnsuiji1")->isEnabled());
    f.filter().tileClick(1);
    f.filter().tileClick(2);
    EXPECT_EQ(f.find<QLineEdit>("edtsuiji1")->text(), u"2"_s);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.dialogs.texts().last(), u"请至少选择3个球号！"_s);
    f.filter().tileClick(3);
    f.filter().btnfiltClick();
    EXPECT_EQ(f.listed(), 6);

    f.find<QLineEdit>("edtsuiji1")->setText(u"12"_s);
    f.filter().btnsuiji1Click();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"0 到 11"_s));
    f.find<QLineEdit>("edtsuiji1")->setText(u"5"_s);
    f.filter().btnsuiji1Click();
    EXPECT_EQ(f.filter().selectedBalls().size(), 5);
    EXPECT_FALSE(f.find<QPushButton>("ball12")->isEnabled()); // tiles above N stay blank

    f.filter().setBallPicking(false);
    EXPECT_FALSE(f.find<QCheckBox>("chkhongqiu")->isChecked());
    EXPECT_FALSE(f.find<QCheckBox>("chkhongqiu")->isEnabled());
    EXPECT_FALSE(f.find<QPushButton>("ball01")->isEnabled());
}

TEST(TotalFilterWindow, CopyLoadAndRefusedLoad)
{
    FilterFixture f;
    f.filter().btnsaveClick();
    const QString all = QApplication::clipboard()->text();
    EXPECT_TRUE(all.startsWith(u"01 02 03 \r\n"_s));
    EXPECT_TRUE(all.endsWith(u"11 10 09 \r\n"_s));
    EXPECT_EQ(all.count(u'\n'), 990);

    const QString file = f.folder.folder().path(u"bets.txt"_s);
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("01 02 03 \r\n01 02 03 \r\n04 05 06 \r\n01 02 03 \r\n");
    out.close();
    f.range("chkhei", "comhei1", "comhei2", u"6"_s, u"9"_s);
    f.dialogs.fileAnswers = {file};
    f.filter().btnloadClick();
    EXPECT_EQ(f.listed(), 3);
    EXPECT_EQ(f.find<QLabel>("lbljushu")->text(), u"3 注"_s);
    EXPECT_EQ(f.filter().listModel()->index(1, 1).data().toString(), QString(20, u' ') + u"04 05 06 "_s);
    EXPECT_EQ(f.filter().selectedBalls(), (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(f.find<QCheckBox>("chkhongqiu")->isChecked());
    EXPECT_FALSE(f.find<QCheckBox>("chkhei")->isChecked());
    EXPECT_EQ(f.find<QComboBox>("comhei1")->currentIndex(), -1);
    EXPECT_EQ(f.store->combinations().entries.size(), 3U);

    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("01 02 03\r\n01 0x 03\r\n");
    out.close();
    f.dialogs.fileAnswers = {file};
    f.filter().btnloadClick();
    EXPECT_TRUE(f.dialogs.texts().last().contains(u"第 2 行"_s));
    EXPECT_EQ(f.store->combinations().entries.size(), 3U);
    EXPECT_EQ(f.listed(), 3);
}

TEST(TotalFilterWindow, BigBaseTab)
{
    FilterFixture f;
    QApplication::clipboard()->setText(u"01 02 03 \r\n01 02 04 \r\n"_s);
    f.filter().btnpstClick(1);
    EXPECT_EQ(f.find<QLabel>("lbl1")->text(), u"大底1：2注"_s);
    f.find<QPlainTextEdit>("mem2")->setPlainText(u"01 02 04\n05 06 07"_s);
    EXPECT_EQ(f.find<QLabel>("lbl2")->text(), u"大底2：2注"_s);
    f.find<QLineEdit>("edtcuo2")->setText(u"1"_s);
    f.filter().btnjiaoqizClick();
    EXPECT_EQ(f.find<QLabel>("lbl")->text(), u"最终交集：3注"_s);
    EXPECT_EQ(f.find<QPlainTextEdit>("mem")->toPlainText(), u"01 02 03 \n01 02 04 \n05 06 07 \n"_s);
    // The memo shows LF ends; the copy ends every line with CR LF.
    f.find<QPushButton>("btncopyz")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), u"01 02 03 \r\n01 02 04 \r\n05 06 07 \r\n"_s);

    f.find<QLineEdit>("edtkaijiangz")->setText(u"5 6 7"_s);
    f.filter().btnduijiangzClick();
    EXPECT_EQ(f.find<QLineEdit>("edtresultz")->text(), u"中"_s);
    f.find<QLineEdit>("edtkaijiangz")->setText(u"07 06 05"_s);
    f.filter().btnduijiangzClick();
    EXPECT_EQ(f.find<QLineEdit>("edtresultz")->text(), u"X"_s);
    f.find<QLineEdit>("edtkaijiangz")->setText(u"07 06"_s);
    f.filter().btnduijiangzClick();
    EXPECT_EQ(f.dialogs.messages.back().kind, ui::MessageKind::Error);

    f.filter().btnclsClick();
    EXPECT_EQ(f.find<QLabel>("lbl1")->text(), u"大底1："_s);
    EXPECT_EQ(f.find<QLabel>("lbl")->text(), u"最终交集："_s);
    f.find<QLineEdit>("edtcuo2")->setText(u"0"_s);
    f.filter().btnjiaoqizClick();
    EXPECT_EQ(f.find<QLabel>("lbl")->text(), u"最终交集：990注"_s);
}

TEST(TotalFilterWindow, OpenedFromMenuAndToolBarAndForgottenAtClose)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(10));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kGuangdong);
    w.updateMenuState();
    w.toolButton(u"tlbala"_s)->click();
    QPointer<QWidget> first = w.toolWindows().find(u"Tfrmtotalfilt"_s);
    ASSERT_TRUE(first);
    test::child<QPushButton>(*first, u"btnclose"_s)->click();
    EXPECT_FALSE(first->isVisible());
    w.menuItem(u"mnutotalfilt"_s)->trigger();
    EXPECT_TRUE(first->isVisible());
    w.mnucloseClick();
    test::flushDeferredDeletes(); // closed windows go once control is back in the event loop
    EXPECT_TRUE(first.isNull());
}
