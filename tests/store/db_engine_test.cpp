#include <QFile>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QProcess>
#include <unistd.h>
#include <gtest/gtest.h>

#include <iterator>
#include <optional>

#include "store/database_copy.h"
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

// Takes the write permission of a file or folder away while it lives. Root writes whatever the
// permissions say, so there the file or folder is made immutable instead.
class WriteProtected {
public:
    explicit WriteProtected(QString path) : path_(std::move(path))
    {
        if (::geteuid() == 0)
            ok_ = QProcess::execute(u"chattr"_s, {u"+i"_s, path_}) == 0;
        else
            ok_ = QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~WriteProtected()
    {
        if (::geteuid() == 0)
            QProcess::execute(u"chattr"_s, {u"-i"_s, path_});
        else
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ok() const { return ok_; }

private:
    QString path_;
    bool ok_ = false;
};

QString writeFailure(const QString& databaseFile)
{
    DbConnection connection(u"t"_s);
    connection.open(databaseFile);
    try {
        connection.exec(u"DELETE FROM %1"_s.arg(db::quoteIdentifier(schema::numberTable(kGuangdong))));
    } catch (const DbError& e) {
        return e.message();
    }
    return u"(written)"_s;
}

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

TEST(DbEngine, UnwritableOrEmptyDatabaseIsExplainedInThePlayersTerms)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(3));
    const QString file = folder.databaseFile();
    const QString native = QDir::toNativeSeparators(file);
    {
        const WriteProtected protectedFile(file);
        if (!protectedFile.ok())
            GTEST_SKIP() << "cannot write-protect a file here";
        EXPECT_EQ(writeFailure(file),
                  u"无法保存改动：数据库文件“%1”是只读的。\n"
                  "请去掉这个文件的只读属性（或者换一个可以写入的数据库文件），然后再试。"_s.arg(native));
    }
    {
        const WriteProtected protectedFolder(folder.folder().databaseFolder());
        ASSERT_TRUE(protectedFolder.ok());
        EXPECT_EQ(writeFailure(file),
                  u"无法保存改动：数据库所在的文件夹“%1”不能写入（保存改动时要在其中建立临时文件）。\n"
                  "请让这个文件夹可以写入（或者把程序放到可以写入的文件夹），然后再试。"_s
                      .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));
    }
    EXPECT_EQ(folder.rowCount(schema::numberTable(kGuangdong)), 3);
    EXPECT_EQ(writeFailure(file), u"(written)"_s);

    // A file of 0 bytes is a lost database, not an empty catalogue.
    QFile empty(file);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    empty.close();
    DbConnection connection(u"t"_s);
    try {
        connection.open(file);
        FAIL() << "opened an empty file";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), u"数据库文件“%1”是空的（0 字节），里面没有任何彩票。\n"
                               "请用“数据恢复”从备份恢复数据库；没有备份时，删除这个文件后重新启动本程序，"
                               "程序会建立一个新的数据库。"_s.arg(native));
    }
    EXPECT_FALSE(connection.isOpen());
    EXPECT_EQ(QFileInfo(file).size(), 0);
}

TEST(DbEngine, StoredNumbersAreReadStrictly)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    // A column without a declared type keeps every value as it was written.
    folder.exec(u"CREATE TABLE raw (k INTEGER, v)"_s);
    struct Case {
        const char* literal;
        std::optional<int> expected; // nothing: refused, naming the row and the value
        const char* shown;
    };
    const Case cases[] = {
        {"5", 5, ""},
        {"-3", -3, ""},
        {"'07'", 7, ""},
        {"'2147483647'", 2147483647, ""},
        {"5.7", std::nullopt, "“5.7”"},
        {"5.0", std::nullopt, "“5”"},
        {"4294967297", std::nullopt, "“4294967297”"},
        {"-2147483649", std::nullopt, "“-2147483649”"},
        {"'99999999999'", std::nullopt, "“99999999999”"},
        {"X'35'", std::nullopt, "二进制数据“35”"},
        {"' 5'", std::nullopt, "“ 5”"},
        {"'5a'", std::nullopt, "“5a”"},
        {"''", std::nullopt, "“”"},
        {"'-'", std::nullopt, "“-”"},
        {"'1e3'", std::nullopt, "“1e3”"},
    };
    int key = 0;
    for (const Case& c : cases)
        folder.exec(u"INSERT INTO raw VALUES (%1, %2)"_s.arg(++key).arg(QLatin1StringView(c.literal)));
    DbConnection connection(u"t"_s);
    connection.open(folder.databaseFile());
    RecordSet rows(connection);
    rows.openTable(u"raw"_s, u"k"_s);
    ASSERT_EQ(rows.rowCount(), static_cast<int>(std::size(cases)));
    rows.first();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.literal);
        if (c.expected) {
            EXPECT_EQ(rows.integer(u"v"_s), *c.expected);
        } else {
            try {
                const int read = rows.integer(u"v"_s);
                ADD_FAILURE() << "read as " << read;
            } catch (const DbError& e) {
                EXPECT_EQ(e.message(), u"数据表“raw”第 %1 行的“v”列的值%2不是整数。"_s
                                           .arg(rows.position() + 1)
                                           .arg(QString::fromUtf8(c.shown)));
            }
        }
        rows.next();
    }

    // The number columns' INTEGER affinity stores a real with a fraction as it is: refused too.
    folder.exec(u"INSERT INTO \"广东体彩11选5彩票号码表\" VALUES ('10061201', 5.7, 2, 3, 4, 5, '')"_s);
    RecordSet numbers(connection);
    numbers.openTable(schema::numberTable(kGuangdong), schema::kIssueColumn);
    numbers.first();
    EXPECT_THROW(numbers.integer(u"1"_s), DbError);
    EXPECT_EQ(numbers.integer(u"2"_s), 2);
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

TEST(DatabaseCopy, LeftoversOfKilledCopiesAreRemovedByTheNextCopy)
{
    test::TempProgramFolder folder;
    folder.createDatabase();
    QTemporaryDir out;
    const QString target = out.filePath(u"备份.mdb"_s);
    const auto leave = [](const QString& path, int secondsAgo) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000, 'x'));
        file.flush(); // a later flush would set the time again
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                                     QFileDevice::FileModificationTime));
    };
    const QString ours = target + u".pickora-copy-"_s;
    leave(ours + u"Ab3xYz"_s, 600);           // a killed copy
    leave(ours + u"Ab3xYz-journal"_s, 600);   // and its journal
    leave(ours + u"Q9w8e7"_s, 0);             // a copy still being written
    leave(ours + u"toolongname"_s, 600);      // not a name we make
    leave(target + u".Ab3xYz"_s, 600);        // someone else's file
    copyDatabase(folder.databaseFile(), target);

    QStringList left = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{u"备份.mdb"_s, u"备份.mdb.Ab3xYz"_s, u"备份.mdb.pickora-copy-Q9w8e7"_s,
                                 u"备份.mdb.pickora-copy-toolongname"_s}));
    EXPECT_EQ(programDatabaseProblem(target), QString());

    // The program's start clears its own database folder the same way.
    leave(folder.databaseFile() + u".pickora-copy-Zz0000"_s, 120);
    EXPECT_EQ(removeStaleCopies(folder.databaseFile()), 1);
    EXPECT_EQ(QDir(folder.folder().databaseFolder()).entryList(QDir::Files),
              QStringList{u"彩票数据.mdb"_s});
}
