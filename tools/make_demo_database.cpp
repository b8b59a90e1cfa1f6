// Fills a program folder with a demo database: the four lotteries with 3000 generated draws each.
// An existing database keeps its draws; it only gets the demo marker if it lacks it. The database is built and filled under another name and
// renamed at the end, so the program never finds a half-made one.
//
// Usage: pickora_demo_database <program-folder>

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "store/db_engine.h"
#include "store/demo_database.h"
#include "store/lottery_schema.h"
#include "store/program_folder.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

void print(const QString& text) { std::printf("%s\n", qPrintable(text)); }
void printError(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

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
    try {
        if (QFileInfo::exists(file)) {
            markAsDemoDatabase(file);
            print(u"%1 already exists; its draws are kept."_s.arg(file));
            return 0;
        }
        const int rows = createDemoDatabase(file);
        print(u"Demo database %1: %2 lotteries, %3 draws each (%4 rows)."_s.arg(file)
                  .arg(schema::defaultLotteries().size())
                  .arg(kDemoDrawsPerLottery)
                  .arg(rows));
    } catch (const db::DbError& error) {
        printError(error.message());
        return 1;
    }
    return 0;
}
