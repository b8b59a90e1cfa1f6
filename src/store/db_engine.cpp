#include "store/db_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <cstdint>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace pickora::db {

namespace {

QString uniqueConnectionName(const QString& purpose)
{
    static std::atomic<int> counter{0};
    return u"pickora-%1-%2"_s.arg(purpose).arg(++counter);
}

// SQLite's primary result codes that mean the file or its folder cannot be written.
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCantOpen = 14;

// What went wrong, in the player's terms where the cause is known: a failed write to a read-only
// database file, or to a folder where SQLite cannot create its journal beside the file.
QString failureText(const QString& what, const QSqlError& error, const QString& file)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff; // extended codes keep it low
    if (ok && code == kSqliteReadOnly)
        return u"无法保存改动：数据库文件“%1”是只读的。\n"
               "请去掉这个文件的只读属性（或者换一个可以写入的数据库文件），然后再试。"_s
            .arg(QDir::toNativeSeparators(file));
    if (ok && code == kSqliteCantOpen)
        return u"无法保存改动：数据库所在的文件夹“%1”不能写入（保存改动时要在其中建立临时文件）。\n"
               "请让这个文件夹可以写入（或者把程序放到可以写入的文件夹），然后再试。"_s
            .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    return u"%1\n%2"_s.arg(what, error.text());
}

DbError queryError(const QString& what, const QSqlQuery& query)
{
    return DbError(u"%1\n%2"_s.arg(what, query.lastError().text()));
}

} // namespace

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

DbConnection::DbConnection(const QString& purpose) : name_(uniqueConnectionName(purpose)) {}

DbConnection::~DbConnection() { close(); }

void DbConnection::open(const QString& databaseFile, EmptyFile empty)
{
    close();
    // SQLite would silently create a missing file; a missing database is an error here.
    const QFileInfo info(databaseFile);
    if (!info.isFile())
        throw DbError(u"找不到数据库文件：%1"_s.arg(databaseFile));
    // ... and would read an empty file as a database without tables.
    if (info.size() == 0 && empty == EmptyFile::Refuse)
        throw DbError(u"数据库文件“%1”是空的（0 字节），里面没有任何彩票。\n"
                      "请用“数据恢复”从备份恢复数据库；没有备份时，删除这个文件后重新启动本程序，"
                      "程序会建立一个新的数据库。"_s
                          .arg(QDir::toNativeSeparators(databaseFile)));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name_);
        db.setDatabaseName(databaseFile);
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DbError(u"无法打开数据库文件：%1\n%2"_s.arg(databaseFile, why));
        }
        // SQLite reads the header lazily: ask for the schema now so that a damaged or foreign
        // file is refused here rather than halfway through an action.
        QSqlQuery probe(db);
        if (!probe.exec(u"SELECT count(*) FROM sqlite_master"_s)) {
            const QString why = probe.lastError().text();
            probe = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DbError(u"数据库文件已损坏或不是本程序的数据库：%1\n%2"_s.arg(databaseFile, why));
        }
    }
    file_ = databaseFile;
    open_ = true;
}

void DbConnection::close()
{
    if (!open_)
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    open_ = false;
}

QStringList DbConnection::tableNames() const
{
    if (!open_)
        throw DbError(u"数据库没有打开。"_s);
    QSqlQuery query(QSqlDatabase::database(name_, false));
    if (!query.exec(u"SELECT name FROM sqlite_master WHERE type = 'table' "
                    "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"_s))
        throw queryError(u"无法列出数据库中的表。"_s, query);
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

void DbConnection::exec(const QString& statement, const QVariantList& values) const
{
    if (!open_)
        throw DbError(u"数据库没有打开。"_s);
    QSqlQuery query(QSqlDatabase::database(name_, false));
    if (!query.prepare(statement))
        throw DbError(failureText(u"数据库操作失败。"_s, query.lastError(), file_));
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError(failureText(u"数据库操作失败。"_s, query.lastError(), file_));
}

void DbConnection::beginTransaction() const
{
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (!db.transaction())
        throw DbError(failureText(u"无法开始数据库事务。"_s, db.lastError(), file_));
}

void DbConnection::commit() const
{
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (!db.commit())
        throw DbError(failureText(u"无法提交数据库事务。"_s, db.lastError(), file_));
}

void DbConnection::rollback() const { QSqlDatabase::database(name_, false).rollback(); }

// ---------------------------------------------------------------------------------------------

QString RecordSet::selectText() const
{
    QString text = u"SELECT rowid, * FROM %1"_s.arg(quoteIdentifier(table_));
    if (!orderColumn_.isEmpty())
        text += u" ORDER BY %1, rowid"_s.arg(quoteIdentifier(orderColumn_));
    else
        text += u" ORDER BY rowid"_s;
    return text;
}

void RecordSet::openTable(const QString& table, const QString& orderColumn)
{
    close();
    table_ = table;
    orderColumn_ = orderColumn;
    requery();
    open_ = true;
}

void RecordSet::close()
{
    open_ = false;
    rows_.clear();
    rowIds_.clear();
    columns_.clear();
    position_ = -1;
    mode_ = Mode::Browse;
    buffer_.clear();
}

void RecordSet::requery()
{
    if (!connection_.isOpen())
        throw DbError(u"数据库没有打开。"_s);
    QSqlQuery query(QSqlDatabase::database(connection_.connectionName(), false));
    query.setForwardOnly(true);
    if (!query.exec(selectText()))
        throw queryError(u"无法读取数据表“%1”。"_s.arg(table_), query);
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int c = 1; c < record.count(); ++c)
        columns << record.fieldName(c);
    std::vector<QVariantList> rows;
    std::vector<qint64> ids;
    while (query.next()) {
        ids.push_back(query.value(0).toLongLong());
        QVariantList row;
        row.reserve(columns.size());
        for (int c = 1; c < record.count(); ++c)
            row << query.value(c);
        rows.push_back(std::move(row));
    }
    columns_ = columns;
    rows_ = std::move(rows);
    rowIds_ = std::move(ids);
    position_ = rows_.empty() ? -1 : 0;
    mode_ = Mode::Browse;
}

int RecordSet::fieldIndex(const QString& column) const
{
    const int index = columns_.indexOf(column);
    if (index < 0)
        throw DbError(u"数据表“%1”中没有列“%2”。"_s.arg(table_, column));
    return index;
}

const QVariantList& RecordSet::currentRow() const
{
    if (eof())
        throw DbError(u"数据表“%1”没有当前行。"_s.arg(table_));
    return rows_[position_];
}

bool RecordSet::isNull(int column) const { return currentRow().at(column).isNull(); }

QString RecordSet::text(int column) const { return currentRow().at(column).toString(); }

namespace {

// A stored whole number: an integer value, or text of digits alone (a minus sign allowed),
// within the range of int. Reals, blobs and anything else are not coerced.
std::optional<int> strictInteger(const QVariant& value)
{
    qint64 number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        bool ok = false;
        number = value.toLongLong(&ok);
        if (!ok || (value.typeId() == QMetaType::ULongLong && value.toULongLong() > INT64_MAX))
            return std::nullopt;
        break;
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        const qsizetype start = text.startsWith(u'-') ? 1 : 0;
        if (text.size() == start || text.size() - start > 10)
            return std::nullopt;
        for (qsizetype i = start; i < text.size(); ++i)
            if (text[i] < u'0' || text[i] > u'9')
                return std::nullopt;
        number = text.toLongLong();
        break;
    }
    default:
        return std::nullopt;
    }
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

QString storedValueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return u"二进制数据“%1”"_s.arg(QString::fromLatin1(value.toByteArray().left(16).toHex()));
    return u"“%1”"_s.arg(value.toString());
}

} // namespace

int RecordSet::integer(int column) const
{
    const QVariant& value = currentRow().at(column);
    const std::optional<int> number = value.isNull() ? std::nullopt : strictInteger(value);
    if (!number)
        throw DbError(u"数据表“%1”第 %2 行的“%3”列%4。"_s.arg(
            table_, QString::number(position_ + 1), columns_.at(column),
            value.isNull() ? u"没有值"_s : u"的值%1不是整数"_s.arg(storedValueText(value))));
    return *number;
}

void RecordSet::deleteCurrent()
{
    currentRow();
    connection_.exec(u"DELETE FROM %1 WHERE rowid = ?"_s.arg(quoteIdentifier(table_)),
                     {rowIds_[position_]});
    rows_.erase(rows_.begin() + position_);
    rowIds_.erase(rowIds_.begin() + position_);
    if (position_ >= rowCount())
        position_ = rowCount() - 1;
}

void RecordSet::deleteFirst(int count)
{
    count = std::min(count, rowCount());
    if (count <= 0)
        return;
    connection_.beginTransaction();
    try {
        const QString statement = u"DELETE FROM %1 WHERE rowid = ?"_s.arg(quoteIdentifier(table_));
        for (int i = 0; i < count; ++i)
            connection_.exec(statement, {rowIds_[i]});
        connection_.commit();
    } catch (...) {
        connection_.rollback();
        throw;
    }
    rows_.erase(rows_.begin(), rows_.begin() + count);
    rowIds_.erase(rowIds_.begin(), rowIds_.begin() + count);
    position_ = rows_.empty() ? -1 : 0;
}

void RecordSet::append()
{
    buffer_ = QVariantList(columns_.size());
    mode_ = Mode::Append;
}

void RecordSet::edit()
{
    buffer_ = currentRow();
    mode_ = Mode::Edit;
}

void RecordSet::setField(const QString& column, const QVariant& value)
{
    if (mode_ == Mode::Browse)
        throw DbError(u"数据表“%1”不在编辑状态。"_s.arg(table_));
    buffer_[fieldIndex(column)] = value;
}

void RecordSet::post()
{
    if (mode_ == Mode::Browse)
        return;
    QStringList quoted;
    for (const QString& c : columns_)
        quoted << quoteIdentifier(c);
    qint64 id = 0;
    if (mode_ == Mode::Append) {
        const QString marks = QStringList(QList<QString>(columns_.size(), u"?"_s)).join(u", ");
        connection_.exec(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(quoteIdentifier(table_),
                                                                  quoted.join(u", "), marks),
                         buffer_);
        QSqlQuery last(QSqlDatabase::database(connection_.connectionName(), false));
        last.exec(u"SELECT last_insert_rowid()"_s);
        last.next();
        id = last.value(0).toLongLong();
    } else {
        id = rowIds_[position_];
        QStringList assignments;
        for (const QString& c : quoted)
            assignments << c + u" = ?"_s;
        QVariantList values = buffer_;
        values << id;
        connection_.exec(u"UPDATE %1 SET %2 WHERE rowid = ?"_s.arg(quoteIdentifier(table_),
                                                                   assignments.join(u", ")),
                         values);
    }
    mode_ = Mode::Browse;
    buffer_.clear();
    // Re-read so that the row sits where the order puts it, and keep the cursor on it.
    requery();
    for (int i = 0; i < rowCount(); ++i)
        if (rowIds_[i] == id)
            position_ = i;
}

void RecordSet::cancel()
{
    mode_ = Mode::Browse;
    buffer_.clear();
}

} // namespace pickora::db
