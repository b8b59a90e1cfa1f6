// Fills a program folder with a demo database: the four lotteries with 3000 generated draws each.
// An existing database is left as it is. The database is built and filled under another name and
// renamed at the end, so the program never finds a half-made one.
//
// Usage: pickora_demo_database <program-folder>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "store/db_engine.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/program_folder.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

constexpr int kDemoDraws = 3000;
constexpr CalendarDate kLastDay{2026, 12, 9};

struct DemoLottery {
    int drawsPerDay;
    std::uint32_t seed;
};

// In the order of schema::defaultLotteries(): 重庆, 广东, 山东, 江西.
constexpr DemoLottery kDemoLotteries[] = {{85, 1}, {84, 2}, {87, 3}, {84, 4}};

void print(const QString& text) { std::printf("%s\n", qPrintable(text)); }
void printError(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

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
        for (qsizetype i = 0; i < lotteries.size(); ++i) {
            const DemoLottery& demo = kDemoLotteries[i];
            const QString insert =
                u"INSERT INTO %1 (%2, \"1\", \"2\", \"3\", \"4\", \"5\", %3) "
                "VALUES (?, ?, ?, ?, ?, ?, ?)"_s
                    .arg(db::quoteIdentifier(schema::numberTable(lotteries[i])),
                         db::quoteIdentifier(schema::kIssueColumn),
                         db::quoteIdentifier(schema::kDateColumn));
            for (const StoredDraw& draw :
                 makeDemoDraws(kDemoDraws, demo.drawsPerDay, kLastDay, demo.seed)) {
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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        printError(u"usage: pickora_demo_database <program-folder>"_s);
        return 2;
    }
    const ProgramFolder folder(arguments[1]);
    const QString file = folder.databaseFile();
    if (QFileInfo::exists(file)) {
        print(u"%1 already exists; left as it is."_s.arg(file));
        return 0;
    }

    const QString temporary = file + u".demo-new"_s;
    QFile::remove(temporary);
    try {
        createDatabaseIfMissing(temporary);
        const int rows = fillDatabase(temporary);
        if (!QFile::rename(temporary, file)) {
            QFile::remove(temporary);
            printError(u"cannot rename %1 to %2"_s.arg(temporary, file));
            return 1;
        }
        print(u"Demo database %1: %2 lotteries, %3 draws each (%4 rows)."_s.arg(file)
                  .arg(schema::defaultLotteries().size())
                  .arg(kDemoDraws)
                  .arg(rows));
    } catch (const db::DbError& error) {
        QFile::remove(temporary);
        printError(error.message());
        return 1;
    }
    return 0;
}
