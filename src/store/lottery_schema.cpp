#include "store/lottery_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/db_engine.h"

using namespace Qt::StringLiterals;

namespace pickora {

QStringList schema::defaultLotteries()
{
    return {u"重庆体彩11选5"_s, u"广东体彩11选5"_s, u"山东体彩11选5"_s, u"江西体彩11选5"_s};
}

void createLotteryTables(const db::DbConnection& connection, const LotteryOptions& options)
{
    using db::quoteIdentifier;
    const QString numbers = quoteIdentifier(schema::numberTable(options.name));
    connection.exec(u"CREATE TABLE %1 (%2 VARCHAR(8), \"1\" INTEGER, \"2\" INTEGER, "
                    "\"3\" INTEGER, \"4\" INTEGER, \"5\" INTEGER, %3 VARCHAR(10))"_s
                        .arg(numbers, quoteIdentifier(schema::kIssueColumn),
                             quoteIdentifier(schema::kDateColumn)));
    // The ordered select by issue is the only query the tables see often.
    connection.exec(u"CREATE INDEX %1 ON %2 (%3)"_s.arg(
        quoteIdentifier(schema::numberTable(options.name) + u"_期号"_s), numbers,
        quoteIdentifier(schema::kIssueColumn)));
    const QString optionsTable = quoteIdentifier(schema::optionsTable(options.name));
    connection.exec(u"CREATE TABLE %1 (\"彩票名称\" VARCHAR(20), \"彩票类型\" INTEGER, "
                    "\"号码总数\" INTEGER, \"选择号码数\" INTEGER, \"开奖时间\" VARCHAR(10), "
                    "\"开奖星期\" VARCHAR(7))"_s.arg(optionsTable));
    connection.exec(u"INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?)"_s.arg(optionsTable),
                    {options.name, options.type, options.totalNumbers, options.pickCount,
                     options.drawTime, options.drawWeekdays});
}

bool createDatabaseIfMissing(const QString& databaseFile)
{
    if (QFileInfo::exists(databaseFile))
        return false;
    const QFileInfo target(databaseFile);
    if (!QDir().mkpath(target.absolutePath()))
        throw db::DbError(u"无法创建文件夹：%1"_s.arg(target.absolutePath()));
    const QString temporary = databaseFile + u".new"_s;
    QFile::remove(temporary);
    {
        // An empty file is a valid empty SQLite database.
        QFile empty(temporary);
        if (!empty.open(QIODevice::WriteOnly))
            throw db::DbError(u"无法创建数据库文件：%1\n%2"_s.arg(temporary, empty.errorString()));
    }
    try {
        db::DbConnection connection(u"create"_s);
        connection.open(temporary, db::DbConnection::EmptyFile::Allow);
        connection.beginTransaction();
        for (const QString& name : schema::defaultLotteries())
            createLotteryTables(connection, {.name = name});
        connection.commit();
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    if (!QFile::rename(temporary, databaseFile)) {
        QFile::remove(temporary);
        throw db::DbError(u"无法创建数据库文件：%1"_s.arg(databaseFile));
    }
    return true;
}

} // namespace pickora
