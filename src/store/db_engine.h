#pragma once
// A small record-set layer over SQLite (QtSql's QSQLITE driver): named connections, table listing,
// ordered record sets with a cursor, and the row changes the windows make. Every failure throws
// DbError with a message a player can read.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

#include "store/store_error.h"

namespace pickora::db {

class DbError : public StoreError {
public:
    explicit DbError(const QString& message) : StoreError(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// "name" with every embedded double quote doubled, safe for any table or column name.
QString quoteIdentifier(const QString& name);

// One named connection to one database file; closed and removed on destruction.
class DbConnection {
public:
    // `purpose` becomes part of the connection's unique name (one connection per window).
    explicit DbConnection(const QString& purpose);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Whether a file of 0 bytes may be opened: SQLite takes it for an empty database, which only
    // the code that is making a new database wants; anywhere else it is a lost database.
    enum class EmptyFile { Refuse, Allow };
    // Opens an existing database file; a missing file or one that is not a database throws.
    void open(const QString& databaseFile, EmptyFile empty = EmptyFile::Refuse);
    bool isOpen() const { return open_; }
    void close();
    const QString& connectionName() const { return name_; }
    const QString& databaseFile() const { return file_; }

    // The user tables in the order they were created.
    QStringList tableNames() const;
    // Runs a statement with bound values; throws on failure (a read-only file or folder is named
    // as such, with what the player can do about it).
    void exec(const QString& statement, const QVariantList& values = {}) const;
    void beginTransaction() const;
    void commit() const;
    void rollback() const;

private:
    QString name_;
    QString file_;
    bool open_ = false;
};

// The rows of one table, optionally ordered by one column, read into memory with a cursor over
// them. Changes go to the file at once and are mirrored in memory.
class RecordSet {
public:
    explicit RecordSet(DbConnection& connection) : connection_(connection) {}

    // Throws when the table does not exist.
    void openTable(const QString& table, const QString& orderColumn = {});
    void close();
    bool isOpen() const { return open_; }
    const QString& tableName() const { return table_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int position() const { return position_; }
    void first() { position_ = 0; }
    void next() { if (position_ < rowCount()) ++position_; }
    void last() { position_ = rowCount() - 1; }
    void moveTo(int row) { position_ = row; }
    bool eof() const { return position_ < 0 || position_ >= rowCount(); }

    int columnCount() const { return static_cast<int>(columns_.size()); }
    const QStringList& columnNames() const { return columns_; }
    // Position of a column by name; throws when there is none.
    int fieldIndex(const QString& column) const;

    bool isNull(int column) const;
    QString text(int column) const;
    QString text(const QString& column) const { return text(fieldIndex(column)); }
    // The current row's value as a whole number; a missing value or text throws, naming both.
    int integer(int column) const;
    int integer(const QString& column) const { return integer(fieldIndex(column)); }

    // Deletes the current row; the cursor stays on the row that follows.
    void deleteCurrent();
    // Deletes the first `count` rows in one transaction.
    void deleteFirst(int count);

    // A new row or an edit of the current one, buffered until post() or cancel().
    void append();
    void edit();
    void setField(const QString& column, const QVariant& value);
    bool isEditing() const { return mode_ != Mode::Browse; }
    void post();
    void cancel();

    // Reads the rows again from the file (the cursor goes to the first row).
    void requery();

private:
    enum class Mode { Browse, Append, Edit };
    const QVariantList& currentRow() const;
    QString selectText() const;

    DbConnection& connection_;
    QString table_;
    QString orderColumn_;
    bool open_ = false;
    QStringList columns_;
    std::vector<QVariantList> rows_;
    std::vector<qint64> rowIds_;
    int position_ = -1;
    Mode mode_ = Mode::Browse;
    QVariantList buffer_;
};

} // namespace pickora::db
