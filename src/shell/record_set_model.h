#pragma once
// A table model over one number table's record set, in the manner of QSqlTableModel with manual
// submit: one row at a time is edited or inserted in a buffer, checked and written by post(), or
// dropped by cancel(). The draw editor's grid and navigator work through it.

#include <QAbstractTableModel>
#include <QVariantList>

#include "store/db_engine.h"

namespace pickora::ui {

class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class State { Browse, Edit, Insert };

    explicit RecordSetModel(db::DbConnection& connection, QObject* parent = nullptr);

    // Opens the rows of `table` ordered by the issue column (any pending change is dropped).
    void openTable(const QString& table);
    void close();
    bool isOpen() const { return rows_.isOpen(); }
    db::RecordSet& recordSet() { return rows_; }

    // Whether the grid may change cells (the editor's adding mode).
    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }

    State state() const { return state_; }
    bool isEditing() const { return state_ != State::Browse; }
    // The row being edited or inserted, or -1.
    int pendingRow() const { return state_ == State::Browse ? -1 : pendingRow_; }
    // Whether the pending row is a new one whose cells are all still empty.
    bool pendingRowBlank() const;

    // Puts `row` into editing; an empty table gets a new row instead. Needs the browse state.
    void edit(int row);
    // A new empty row at `row` (0..rowCount()). Needs the browse state.
    void insertAt(int row);
    // Checks and writes the pending row. On success gives the row where it now stands (the order
    // may move it); on refusal gives -1, sets `error` and keeps the row in editing.
    int post(QString& error);
    void cancel();
    // Deletes `row` at once (a row being inserted is just dropped). Throws db::DbError.
    void deleteRow(int row);
    // Reads the rows again. Needs the browse state. Throws db::DbError.
    void refresh();

    // Why `values` (one per column) cannot be stored, or an empty text.
    QString problemWith(const QVariantList& values) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    // The record set's row shown at model row `row`, or -1 for the pending new row.
    int storedRow(int row) const;
    QVariantList storedValues(int stored);

    db::RecordSet rows_;
    bool editable_ = false;
    State state_ = State::Browse;
    int pendingRow_ = -1;
    QVariantList buffer_;
    QVariantList original_;
};

} // namespace pickora::ui
