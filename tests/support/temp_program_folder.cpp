#include "support/temp_program_folder.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <stdexcept>

#include "store/db_engine.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora::test {

TempProgramFolder::TempProgramFolder()
{
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath(u"数据库"_s))
        throw std::runtime_error("cannot make a temporary program folder");
}

void TempProgramFolder::createDatabase() const { createDatabaseIfMissing(databaseFile()); }

void TempProgramFolder::addDraws(const QString& lottery, const std::vector<StoredDraw>& draws) const
{
    db::DbConnection connection(u"test"_s);
    connection.open(databaseFile());
    connection.beginTransaction();
    const QString statement = u"INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?, ?)"_s.arg(
        db::quoteIdentifier(schema::numberTable(lottery)));
    for (const StoredDraw& d : draws)
        connection.exec(statement, {QString::fromStdString(d.issueText), d.numbers[0], d.numbers[1],
                                    d.numbers[2], d.numbers[3], d.numbers[4],
                                    QString::fromStdString(dateOfIssue(d.issueText))});
    connection.commit();
}

std::vector<StoredDraw> TempProgramFolder::sampleDraws(int count)
{
    std::vector<StoredDraw> draws;
    for (int i = 0; i < count; ++i) {
        StoredDraw d;
        const int day = i / 80;
        d.issueText = QString::asprintf("10%02d%02d%02d", 1 + day / 28, 1 + day % 28, 1 + i % 80)
                          .toStdString();
        for (int j = 0; j < 5; ++j)
            d.numbers[static_cast<std::size_t>(j)] = (i + j * 2) % 11 + 1;
        draws.push_back(d);
    }
    return draws;
}

int TempProgramFolder::rowCount(const QString& table) const
{
    db::DbConnection connection(u"test"_s);
    connection.open(databaseFile());
    db::RecordSet rows(connection);
    rows.openTable(table);
    return rows.rowCount();
}

void TempProgramFolder::exec(const QString& statement) const
{
    db::DbConnection connection(u"test"_s);
    connection.open(databaseFile());
    connection.exec(statement);
}

} // namespace pickora::test
