#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "support/temp_program_folder.h"

using namespace Qt::StringLiterals;
using namespace pickora;
using pickora::db::DbConnection;
using pickora::db::DbError;
using pickora::db::RecordSet;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

} // namespace

TEST(DbEngine, FirstStartCreatesFourLotteriesInOrderAndNeverOverwrites)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(createDatabaseIfMissing(folder.databaseFile()));
    DbConnection connection(u"t"_s);
    connection.open(folder.databaseFile());
    QStringList numberTables;
    for (const QString& t : connection.tableNames())
        if (t.endsWith(schema::kNumberTableSuffix))
            numberTables << t;
    EXPECT_EQ(numberTables, (QStringList{u"重庆体彩11选5彩票号码表"_s, u"广东体彩11选5彩票号码表"_s,
                                         u"山东体彩11选5彩票号码表"_s, u"江西体彩11选5彩票号码表"_s}));
    RecordSet options(connection);
    options.openTable(schema::optionsTable(kGuangdong));
    ASSERT_EQ(options.rowCount(), 1);
    EXPECT_EQ(options.text(u"彩票名称"_s), kGuangdong);
    EXPECT_EQ(options.integer(u"彩票类型"_s), 0);
    EXPECT_EQ(options.integer(u"号码总数"_s), 11);
    EXPECT_EQ(options.integer(u"选择号码数"_s), 5);
    EXPECT_EQ(options.text(u"开奖星期"_s), u"1234567"_s);
    RecordSet numbers(connection);
    numbers.openTable(schema::numberTable(kGuangdong), schema::kIssueColumn);
    EXPECT_EQ(numbers.columnNames(),
              (QStringList{u"记录期号"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"开奖日期"_s}));
    connection.close();

    folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(3));
    EXPECT_FALSE(createDatabaseIfMissing(folder.databaseFile()));
    EXPECT_EQ(folder.rowCount(schema::numberTable(kGuangdong)), 3);
    EXPECT_FALSE(QFileInfo::exists(folder.databaseFile() + u".new"_s));
}

TEST(DbEngine, MissingOrDamagedFileIsRefusedAndNeverCreated)
{
    test::TempProgramFolder folder;
    DbConnection connection(u"t"_s);
    try {
        connection.open(folder.databaseFile());
        FAIL() << "opened a missing file";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(u"找不到数据库文件"_s)) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.databaseFile()));
    EXPECT_FALSE(connection.isOpen());

    QFile damaged(folder.databaseFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    EXPECT_THROW(connection.open(folder.databaseFile()), DbError);
    EXPECT_FALSE(connection.isOpen());
}

TEST(DbEngine, MissingTableAndMissingValuesThrowReadableErrors)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    DbConnection connection(u"t"_s);
    connection.open(folder.databaseFile());
    RecordSet rows(connection);
    EXPECT_THROW(rows.openTable(u"没有这个彩票号码表"_s), DbError);

    folder.exec(u"INSERT INTO \"广东体彩11选5彩票号码表\" VALUES ('10061201', 5, NULL, 'x', 8, 1, '')"_s);
    rows.openTable(schema::numberTable(kGuangdong), schema::kIssueColumn);
    rows.first();
    EXPECT_EQ(rows.integer(u"1"_s), 5);
    EXPECT_TRUE(rows.isNull(rows.fieldIndex(u"2"_s)));
    for (const QString& column : {u"2"_s, u"3"_s}) {
        try {
            rows.integer(column);
            FAIL() << "read a bad value of column " << column.toStdString();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(u"“%1”列"_s.arg(column))) << e.message().toStdString();
        }
    }
    EXPECT_THROW(rows.fieldIndex(u"6"_s), DbError);
}

TEST(DbEngine, QuotedNamesCannotBreakOrInjectIntoStatements)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    const QString odd = u"a\"; DROP TABLE \"广东体彩11选5彩票号码表\"; --"_s;
    DbConnection connection(u"t"_s);
    connection.open(folder.databaseFile());
    createLotteryTables(connection, {.name = odd});
    RecordSet rows(connection);
    rows.openTable(schema::numberTable(odd), schema::kIssueColumn);
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_TRUE(connection.tableNames().contains(schema::numberTable(kGuangdong)));
    EXPECT_TRUE(connection.tableNames().contains(schema::numberTable(odd)));
    EXPECT_EQ(db::quoteIdentifier(u"x\"y"_s), u"\"x\"\"y\""_s);
}

TEST(DbEngine, RecordSetCursorAppendEditDelete)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    // Stored out of order: the record set follows the issue order.
    folder.addDraws(kGuangdong, {{"10061203", {1, 2, 3, 4, 5}}, {"10061201", {6, 7, 8, 9, 10}}});
    DbConnection connection(u"t"_s);
    connection.open(folder.databaseFile());
    RecordSet rows(connection);
    rows.openTable(schema::numberTable(kGuangdong), schema::kIssueColumn);
    ASSERT_EQ(rows.rowCount(), 2);
    rows.first();
    EXPECT_EQ(rows.text(0), u"10061201"_s);
    rows.last();
    EXPECT_EQ(rows.text(u"记录期号"_s), u"10061203"_s);
    rows.next();
    EXPECT_TRUE(rows.eof());

    rows.append();
    rows.setField(u"记录期号"_s, u"10061202"_s);
    for (int c = 1; c <= 5; ++c)
        rows.setField(QString::number(c), c + 1);
    rows.post();
    EXPECT_EQ(rows.position(), 1); // the new row sits in issue order
    EXPECT_EQ(rows.integer(u"5"_s), 6);

    rows.first();
    rows.edit();
    rows.setField(u"1"_s, 11);
    rows.cancel();
    rows.requery();
    EXPECT_EQ(rows.integer(u"1"_s), 6);
    rows.edit();
    rows.setField(u"1"_s, 11);
    rows.post();
    rows.requery();
    EXPECT_EQ(rows.integer(u"1"_s), 11);

    rows.deleteCurrent();
    EXPECT_EQ(rows.text(0), u"10061202"_s);
    EXPECT_EQ(folder.rowCount(schema::numberTable(kGuangdong)), 2);
    rows.deleteFirst(5); // more than there are
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_TRUE(rows.eof());
    EXPECT_EQ(folder.rowCount(schema::numberTable(kGuangdong)), 0);
}
