#include "store/demo_database.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QVariantList>
#include <cstdint>
#include <iterator>

#include "store/db_engine.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora {

namespace {

constexpr CalendarDate kLastDay{2026, 12, 9};

struct DemoLottery {
    int drawsPerDay;
    std::uint32_t seed;
};

// In the order of schema::defaultLotteries(): 重庆, 广东, 山东, 江西.
constexpr DemoLottery kDemoLotteries[] = {{85, 1}, {84, 2}, {87, 3}, {84, 4}};

// The marker table and its one row, inside the caller's transaction.
void writeMarker(const db::DbConnection& connection)
{
    const QString table = db::quoteIdentifier(QString::fromUtf16(kDemoMarkerTable));
    connection.exec(u"CREATE TABLE %1 (%2 TEXT)"_s.arg(table, db::quoteIdentifier(u"说明"_s)));
    connection.exec(u"INSERT INTO %1 VALUES (?)"_s.arg(table),
                    {u"这些开奖号码是程序生成的模拟数据，不是真实的开奖结果。"_s});
}

// Writes the demo draws of every lottery into an existing database in one transaction.
int fillDatabase(const QString& file)
{
    const QStringList lotteries = schema::defaultLotteries();
    if (lotteries.size() != static_cast<qsizetype>(std::size(kDemoLotteries)))
        throw db::DbError(u"the demo settings do not match the lotteries"_s);
    db::DbConnection connection(u"demo"_s);
    connection.open(file);
    connection.beginTransaction();
    int rows = 0;
    try {
        writeMarker(connection);
        for (qsizetype i = 0; i < lotteries.size(); ++i) {
            const DemoLottery& demo = kDemoLotteries[i];
            const QString insert =
                u"INSERT INTO %1 (%2, \"1\", \"2\", \"3\", \"4\", \"5\", %3) "
                "VALUES (?, ?, ?, ?, ?, ?, ?)"_s
                    .arg(db::quoteIdentifier(schema::numberTable(lotteries[i])),
                         db::quoteIdentifier(schema::kIssueColumn),
                         db::quoteIdentifier(schema::kDateColumn));
            for (const StoredDraw& draw :
                 makeDemoDraws(kDemoDrawsPerLottery, demo.drawsPerDay, kLastDay, demo.seed)) {
                QVariantList values{QString::fromStdString(draw.issueText)};
                for (int n : draw.numbers)
                    values.append(n);
                values.append(QString::fromStdString(dateOfIssue(draw.issueText)));
                connection.exec(insert, values);
                ++rows;
            }
        }
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
    return rows;
}

} // namespace

bool isDemoDatabase(const QString& file)
{
    if (!QFileInfo::exists(file))
        return false;
    try {
        db::DbConnection connection(u"demo-check"_s);
        connection.open(file);
        return connection.tableNames().contains(QString::fromUtf16(kDemoMarkerTable));
    } catch (const db::DbError&) {
        return false;
    }
}

void markAsDemoDatabase(const QString& file)
{
    db::DbConnection connection(u"demo-mark"_s);
    connection.open(file);
    if (connection.tableNames().contains(QString::fromUtf16(kDemoMarkerTable)))
        return;
    connection.beginTransaction();
    try {
        writeMarker(connection);
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

int createDemoDatabase(const QString& file)
{
    if (QFileInfo::exists(file))
        throw db::DbError(u"%1 already exists"_s.arg(file));
    const QString temporary = file + u".demo-new"_s;
    QFile::remove(temporary);
    try {
        createDatabaseIfMissing(temporary);
        const int rows = fillDatabase(temporary);
        if (!QFile::rename(temporary, file))
            throw db::DbError(u"cannot rename %1 to %2"_s.arg(temporary, file));
        return rows;
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

} // namespace pickora
