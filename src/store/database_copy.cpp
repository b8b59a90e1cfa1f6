#include "store/database_copy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>
#include <sqlite3.h>

#include "store/db_engine.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora {

namespace {

// One SQLite connection, closed on destruction.
class Sqlite {
public:
    Sqlite(const QString& file, int flags)
    {
        const QByteArray name = QFile::encodeName(file);
        status_ = sqlite3_open_v2(name.constData(), &db_, flags, nullptr);
        if (status_ == SQLITE_OK)
            sqlite3_busy_timeout(db_, 5000);
    }
    ~Sqlite() { sqlite3_close(db_); }
    Sqlite(const Sqlite&) = delete;
    Sqlite& operator=(const Sqlite&) = delete;

    bool ok() const { return status_ == SQLITE_OK; }
    sqlite3* handle() const { return db_; }
    QString message() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }

private:
    sqlite3* db_ = nullptr;
    int status_ = SQLITE_OK;
};

// The text values of the first column of `sql`'s rows; nothing (and `error` set) on failure.
std::optional<QStringList> columnTexts(const Sqlite& db, const char* sql, QString& error)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &statement, nullptr) != SQLITE_OK) {
        error = db.message();
        return std::nullopt;
    }
    QStringList texts;
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW)
        texts << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    if (status != SQLITE_DONE)
        error = db.message();
    sqlite3_finalize(statement);
    if (status != SQLITE_DONE)
        return std::nullopt;
    return texts;
}

// Journal files of an earlier database under the same name would be applied to the new file.
void removeStaleJournals(const QString& file)
{
    for (const QString& suffix : {u"-journal"_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(file + suffix);
}

} // namespace

int removeStaleCopies(const QString& target)
{
    const QFileInfo targetInfo(target);
    const QString prefix = targetInfo.fileName() + QString::fromUtf16(kCopyInfix);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    const QFileInfoList files
        = targetInfo.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        // Our names only: the prefix, six characters QTemporaryFile chose, maybe "-journal".
        // (Compared as text: a wildcard filter would read "[" in a player's file name.)
        if (!file.fileName().startsWith(prefix))
            continue;
        const QString rest = file.fileName().mid(prefix.size());
        if (rest.size() != 6 && rest != rest.left(6) + u"-journal"_s)
            continue;
        if (file.lastModified().toUTC() > before)
            continue;
        if (QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

void copyDatabase(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        throw db::DbError(u"找不到数据库文件：%1"_s.arg(source));
    const Sqlite from(source, SQLITE_OPEN_READONLY);
    if (!from.ok())
        throw db::DbError(u"无法打开数据库文件：%1\n%2"_s.arg(source, from.message()));

    const QFileInfo targetInfo(target);
    // A copy onto itself is there already; replacing the file would cut it off from the
    // connections that hold it open.
    if (targetInfo.exists()
        && targetInfo.canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return;
    if (!targetInfo.absoluteDir().exists())
        throw db::DbError(u"文件夹不存在：%1"_s.arg(targetInfo.absolutePath()));
    removeStaleCopies(targetInfo.absoluteFilePath());
    QTemporaryFile temporary(targetInfo.absoluteFilePath() + QString::fromUtf16(kCopyInfix)
                             + u"XXXXXX"_s);
    if (!temporary.open())
        throw db::DbError(u"无法写入文件：%1\n%2"_s.arg(target, temporary.errorString()));
    temporary.close();
    const QString temporaryName = temporary.fileName();
    {
        const Sqlite to(temporaryName, SQLITE_OPEN_READWRITE);
        if (!to.ok())
            throw db::DbError(u"无法写入文件：%1\n%2"_s.arg(target, to.message()));
        sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
        if (!backup)
            throw db::DbError(u"无法复制数据库：%1\n%2"_s.arg(source, to.message()));
        const int stepped = sqlite3_backup_step(backup, -1);
        const int finished = sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE || finished != SQLITE_OK)
            throw db::DbError(u"复制数据库失败：%1\n%2"_s.arg(
                source, QString::fromUtf8(sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished))));
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                             | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces an existing target in one step.
    if (std::rename(QFile::encodeName(temporaryName).constData(),
                    QFile::encodeName(targetInfo.absoluteFilePath()).constData())
        != 0)
        throw db::DbError(u"无法写入文件：%1"_s.arg(target));
    temporary.setAutoRemove(false);
    removeStaleJournals(targetInfo.absoluteFilePath());
}

QString programDatabaseProblem(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return u"找不到文件：%1"_s.arg(file);
    const Sqlite db(file, SQLITE_OPEN_READONLY);
    if (!db.ok())
        return u"无法打开文件：%1\n%2"_s.arg(file, db.message());
    QString why;
    const std::optional<QStringList> check = columnTexts(db, "PRAGMA quick_check", why);
    if (!check || check->value(0) != u"ok"_s)
        return u"这个文件不是数据库，或者已经损坏：%1\n%2"_s.arg(
            file, check ? check->join(u'\n') : why);
    const std::optional<QStringList> tables =
        columnTexts(db, "SELECT name FROM sqlite_master WHERE type = 'table'", why);
    if (!tables)
        return u"这个文件不是数据库，或者已经损坏：%1\n%2"_s.arg(file, why);
    for (const QString& table : *tables)
        if (table.endsWith(schema::kNumberTableSuffix))
            return {};
    return u"这个数据库里没有任何彩票号码表，不是本程序的数据库：%1"_s.arg(file);
}

void restoreDatabase(const QString& source, const QString& target)
{
    const QString problem = programDatabaseProblem(source);
    if (!problem.isEmpty())
        throw db::DbError(problem);
    copyDatabase(source, target);
}

} // namespace pickora
