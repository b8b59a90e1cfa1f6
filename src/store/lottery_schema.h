#pragma once
// The tables of one lottery and the database a first start creates.

#include <QString>
#include <QStringList>

namespace pickora {

class DrawHistory;

namespace schema {

inline const QString kNumberTableSuffix = QStringLiteral("彩票号码表");
inline const QString kOptionsTableSuffix = QStringLiteral("彩票选项表");
inline const QString kIssueColumn = QStringLiteral("记录期号");
inline const QString kDateColumn = QStringLiteral("开奖日期");

inline QString numberTable(const QString& lottery) { return lottery + kNumberTableSuffix; }
inline QString optionsTable(const QString& lottery) { return lottery + kOptionsTableSuffix; }

// The four games this program serves, in the order the downloads process them.
QStringList defaultLotteries();

} // namespace schema

namespace db {
class DbConnection;
}

struct LotteryOptions {
    QString name;
    int type = 0;
    int totalNumbers = 11;
    int pickCount = 5;
    QString drawTime = QStringLiteral("09:00-23:00");
    QString drawWeekdays = QStringLiteral("1234567");
};

// Creates the number table and the options table (with its one row) of a lottery.
void createLotteryTables(const db::DbConnection& connection, const LotteryOptions& options);

// Creates `databaseFile` holding the four default lotteries. The file is built under a temporary
// name and renamed, so an interrupted start never leaves a half-made database; an existing file
// is never touched. Returns false (and does nothing) when the file already exists.
bool createDatabaseIfMissing(const QString& databaseFile);

} // namespace pickora
