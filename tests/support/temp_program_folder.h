#pragma once
// A program folder in a temporary directory with its database, for the store and UI tests.

#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "store/draw_types.h"
#include "store/program_folder.h"

namespace pickora::test {

class TempProgramFolder {
public:
    TempProgramFolder();
    ProgramFolder folder() const { return ProgramFolder(dir_.path()); }
    QString databaseFile() const { return folder().databaseFile(); }
    // The database with the four default lotteries, empty.
    void createDatabase() const;
    // Appends rows to a lottery's number table.
    void addDraws(const QString& lottery, const std::vector<StoredDraw>& draws) const;
    // `count` consecutive draws (issues 10010101, 10010102, ...; numbers cycling through 1..11).
    static std::vector<StoredDraw> sampleDraws(int count);
    // The number of rows of a table, read with a connection of its own.
    int rowCount(const QString& table) const;
    // Runs one statement on the database.
    void exec(const QString& statement) const;

private:
    QTemporaryDir dir_;
};

} // namespace pickora::test
