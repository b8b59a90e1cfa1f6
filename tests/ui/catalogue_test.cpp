#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "support/child.h"
#include "shell/u_index.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

QStringList listed(const ui::Tfrmindex& catalogue)
{
    QStringList names;
    auto* list = test::child<QListWidget>(catalogue, u"lstcaipiao"_s);
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void select(ui::Tfrmindex& catalogue, const QString& name)
{
    auto* list = test::child<QListWidget>(catalogue, u"lstcaipiao"_s);
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
}

QList<bool> ticked(const ui::Tfrmindex& catalogue)
{
    QList<bool> states;
    for (const QCheckBox* box : catalogue.weekdayBoxes())
        states << box->isChecked();
    return states;
}

} // namespace

TEST(Catalogue, ListsNumberTablesInEngineOrderAndShowsTheSelectedDefinition)
{
    test::MainWindowFixture f;
    f.folder.exec(u"CREATE TABLE \"别的表\" (x INTEGER)"_s);
    f.folder.exec(u"UPDATE \"山东体彩11选5彩票选项表\" SET \"开奖星期\" = '135', \"彩票类型\" = 1"_s);
    f.folder.exec(u"UPDATE \"江西体彩11选5彩票选项表\" SET \"开奖星期\" = '246', \"开奖时间\" = '09:10'"_s);
    ui::Tfrmindex catalogue(*f.store);
    EXPECT_EQ(catalogue.windowTitle(), u"彩票操作"_s);
    EXPECT_EQ(listed(catalogue), schema::defaultLotteries());
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcaisum"_s)->text(), u"10"_s);
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcaisel"_s)->text(), u"3"_s);
    EXPECT_FALSE(test::child<QPushButton>(catalogue, u"btnadd"_s)->isEnabled());
    EXPECT_FALSE(test::child<QPushButton>(catalogue, u"btndel"_s)->isEnabled());

    select(catalogue, u"山东体彩11选5"_s);
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcainame"_s)->text(), u"山东体彩11选5"_s);
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcaisum"_s)->text(), u"11"_s);
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcaisel"_s)->text(), u"5"_s);
    EXPECT_TRUE(test::child<QGroupBox>(catalogue, u"optcaitype"_s)
                    ->findChildren<QRadioButton*>()
                    .at(1)
                    ->isChecked());
    EXPECT_EQ(ticked(catalogue), (QList<bool>{true, false, true, false, true, false, false}));

    select(catalogue, u"江西体彩11选5"_s);
    EXPECT_EQ(ticked(catalogue), (QList<bool>{false, true, false, true, false, true, false}));
    EXPECT_EQ(test::child<QLineEdit>(catalogue, u"edtcaitime"_s)->text(), u"09:10"_s);
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(Catalogue, WeekdayBoxesLieInTwoRowsOfFourAndThree)
{
    test::MainWindowFixture f;
    ui::Tfrmindex catalogue(*f.store);
    const auto& boxes = catalogue.weekdayBoxes();
    ASSERT_EQ(boxes.size(), 7);
    auto* group = test::child<QGroupBox>(catalogue, u"grpweek"_s);
    const int width = group->width() / 4 - 6;
    for (int n = 1; n <= 7; ++n) {
        const QCheckBox* box = boxes[n - 1];
        EXPECT_EQ(box->text(), QString::number(n));
        EXPECT_EQ(box->parentWidget(), group);
        EXPECT_EQ(box->width(), width);
        EXPECT_EQ(box->x(), ((n - 1) % 4) * (width + 6) + 5);
        EXPECT_EQ(box->y() == boxes[0]->y(), n <= 4) << n;
    }
}

TEST(Catalogue, PositionIsKeptAfterExitAndNothingSelectedIsRefused)
{
    test::MainWindowFixture f;
    f.store->setDrawPosition(DrawPosition::Middle);
    {
        ui::Tfrmindex catalogue(*f.store);
        const auto buttons = test::child<QGroupBox>(catalogue, u"optpos"_s)->findChildren<QRadioButton*>();
        EXPECT_TRUE(buttons.at(1)->isChecked()); // shows the position in force
        buttons.at(2)->click();
        catalogue.btnopenClick();
        ASSERT_EQ(f.dialogs.messages.size(), 1U);
        EXPECT_EQ(f.dialogs.messages[0].title, u"错误"_s);
        EXPECT_EQ(f.dialogs.messages[0].text, u"请选择彩票！"_s);
        EXPECT_FALSE(catalogue.opened());
        test::child<QPushButton>(catalogue, u"btnext"_s)->click();
    }
    EXPECT_EQ(f.store->drawPosition(), DrawPosition::Back);
    EXPECT_FALSE(f.store->lotteryOpen());
}

TEST(Catalogue, DatabaseWithoutLotteriesListsNothing)
{
    test::MainWindowFixture f;
    for (const QString& name : schema::defaultLotteries())
        f.folder.exec(u"DROP TABLE %1"_s.arg(db::quoteIdentifier(schema::numberTable(name))));
    ui::Tfrmindex catalogue(*f.store);
    EXPECT_TRUE(listed(catalogue).isEmpty());
    catalogue.btnopenClick();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"请选择彩票！"_s});
}

TEST(Catalogue, BrokenDatabaseOrMissingTablesEndWithAMessage)
{
    test::MainWindowFixture f;
    f.folder.exec(u"DROP TABLE \"广东体彩11选5彩票号码表\""_s);
    f.folder.exec(u"DROP TABLE \"重庆体彩11选5彩票选项表\""_s);
    f.folder.exec(u"INSERT INTO \"山东体彩11选5彩票号码表\" VALUES ('10010101', NULL, 2, 3, 4, 5, '')"_s);
    ui::Tfrmindex catalogue(*f.store);
    select(catalogue, u"重庆体彩11选5"_s); // its options table is gone
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);

    select(catalogue, u"山东体彩11选5"_s); // a number column holds no value
    catalogue.btnopenClick();
    ASSERT_EQ(f.dialogs.messages.size(), 2U);
    EXPECT_TRUE(f.dialogs.messages[1].text.contains(u"没有值"_s));
    EXPECT_FALSE(f.store->lotteryOpen());
    EXPECT_FALSE(catalogue.opened());

    QFile::remove(f.folder.databaseFile());
    ui::Tfrmindex noDatabase(*f.store);
    EXPECT_TRUE(listed(noDatabase).isEmpty());
    EXPECT_TRUE(f.dialogs.messages.back().text.contains(u"找不到数据库文件"_s));
    EXPECT_FALSE(QFile::exists(f.folder.databaseFile()));
}

TEST(Catalogue, StoredRowsAreReadStrictlyAndSuspiciousOnesNamed)
{
    test::MainWindowFixture f;
    const QString table = db::quoteIdentifier(schema::numberTable(u"山东体彩11选5"_s));
    f.folder.addDraws(u"山东体彩11选5"_s, {{"10010101", {1, 2, 3, 4, 5}},
                                           {"10010102", {4, 4, 6, 7, 8}},
                                           {"10010101", {1, 2, 3, 4, 5}}});
    ui::Tfrmindex catalogue(*f.store);
    select(catalogue, u"山东体彩11选5"_s);
    catalogue.btnopenClick();
    EXPECT_TRUE(catalogue.opened());
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Warning);
    EXPECT_EQ(f.dialogs.messages[0].text, u"以下记录可能有误，请核对（数据库没有改动）：\n"
                                          "第 2 行的期号 10010101 与第 1 行相同。\n"
                                          "第 3 行（期号 10010102）的号码 04 出现了不止一次。"_s);
    EXPECT_EQ(f.store->history().count(), 3);
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(u"山东体彩11选5"_s)), 3);
    f.store->closeDrawStore();

    // A real with a fraction is not rounded into a valid-looking draw.
    f.dialogs.messages.clear();
    f.folder.exec(u"INSERT INTO %1 VALUES ('10010103', 5.7, 2, 3, 4, 5, '')"_s.arg(table));
    ui::Tfrmindex again(*f.store);
    select(again, u"山东体彩11选5"_s);
    again.btnopenClick();
    EXPECT_FALSE(again.opened());
    EXPECT_FALSE(f.store->lotteryOpen());
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].text,
              u"数据表“山东体彩11选5彩票号码表”第 4 行的“1”列的值“5.7”不是整数。"_s);
}

TEST(Catalogue, EmptyDatabaseFileIsExplainedNotListedAsEmpty)
{
    test::MainWindowFixture f;
    QFile file(f.folder.databaseFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    ui::Tfrmindex catalogue(*f.store);
    EXPECT_TRUE(listed(catalogue).isEmpty());
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(f.dialogs.messages[0].text.contains(u"是空的（0 字节），里面没有任何彩票"_s))
        << f.dialogs.messages[0].text.toStdString();
}
