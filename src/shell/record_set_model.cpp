#include "shell/record_set_model.h"

#include <algorithm>

#include "store/draw_history.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

bool isNumberColumn(const QString& column)
{
    return column.size() == 1 && column.at(0) >= u'1' && column.at(0) <= u'5';
}

bool isIssue(const QString& text)
{
    if (text.size() != 8)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString shown(const QVariant& value)
{
    const QString text = value.toString().trimmed();
    return text.isEmpty() ? u"（空）"_s : u"“%1”"_s.arg(text);
}

} // namespace

RecordSetModel::RecordSetModel(db::DbConnection& connection, QObject* parent)
    : QAbstractTableModel(parent), rows_(connection)
{
}

void RecordSetModel::openTable(const QString& table)
{
    beginResetModel();
    state_ = State::Browse;
    buffer_.clear();
    try {
        rows_.openTable(table, schema::kIssueColumn);
    } catch (...) {
        rows_.close();
        endResetModel();
        throw;
    }
    endResetModel();
}

void RecordSetModel::close()
{
    beginResetModel();
    state_ = State::Browse;
    buffer_.clear();
    rows_.close();
    endResetModel();
}

int RecordSetModel::storedRow(int row) const
{
    if (state_ != State::Insert || row < pendingRow_)
        return row;
    return row == pendingRow_ ? -1 : row - 1;
}

QVariantList RecordSetModel::storedValues(int stored)
{
    rows_.moveTo(stored);
    QVariantList values;
    for (int c = 0; c < rows_.columnCount(); ++c)
        values << (rows_.isNull(c) ? QVariant() : QVariant(rows_.text(c)));
    return values;
}

int RecordSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return rows_.rowCount() + (state_ == State::Insert ? 1 : 0);
}

int RecordSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_.columnCount();
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (state_ != State::Browse && index.row() == pendingRow_)
        return buffer_.value(index.column());
    auto& rows = const_cast<db::RecordSet&>(rows_);
    const int stored = storedRow(index.row());
    if (stored < 0 || stored >= rows.rowCount())
        return {};
    rows.moveTo(stored);
    return rows.isNull(index.column()) ? QVariant() : QVariant(rows.text(index.column()));
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return rows_.columnNames().value(section);
    // The row marker of a data grid: the row being edited or inserted.
    if (state_ != State::Browse && section == pendingRow_)
        return state_ == State::Insert ? u"*"_s : u"I"_s;
    return QString();
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || role != Qt::EditRole || !index.isValid())
        return false;
    if (state_ == State::Browse)
        edit(index.row());
    else if (index.row() != pendingRow_)
        return false; // the pending row must be posted or cancelled first
    buffer_[index.column()] = value.toString().trimmed();
    emit dataChanged(index, index);
    return true;
}

void RecordSetModel::edit(int row)
{
    if (state_ != State::Browse || !rows_.isOpen())
        return;
    if (rows_.rowCount() == 0) {
        insertAt(0);
        return;
    }
    row = std::clamp(row, 0, rows_.rowCount() - 1);
    original_ = storedValues(row);
    buffer_ = original_;
    pendingRow_ = row;
    state_ = State::Edit;
    emit headerDataChanged(Qt::Vertical, row, row);
}

void RecordSetModel::insertAt(int row)
{
    if (state_ != State::Browse || !rows_.isOpen())
        return;
    row = std::clamp(row, 0, rows_.rowCount());
    beginInsertRows({}, row, row);
    buffer_ = QVariantList(rows_.columnCount());
    original_.clear();
    pendingRow_ = row;
    state_ = State::Insert;
    endInsertRows();
}

QString RecordSetModel::problemWith(const QVariantList& values) const
{
    const QStringList& columns = rows_.columnNames();
    for (int c = 0; c < columns.size(); ++c) {
        const QString& column = columns.at(c);
        const QString text = values.value(c).toString().trimmed();
        if (column == schema::kIssueColumn && !isIssue(text))
            return u"期号%1不对：“记录期号”必须是 8 位数字（两位年、月、日加两位当天的期数，"
                   "例如 26120901）。"_s.arg(shown(text));
        if (isNumberColumn(column)) {
            bool ok = false;
            const int number = text.toInt(&ok);
            if (!ok || number < 1 || number > 11)
                return u"第 %1 个号码%2不对：号码必须是 1 到 11 之间的整数。"_s.arg(column,
                                                                                   shown(text));
        }
    }
    return {};
}

int RecordSetModel::post(QString& error)
{
    error.clear();
    if (state_ == State::Browse)
        return -1;
    if (state_ == State::Edit && buffer_ == original_) {
        // Nothing changed: leave the row as it is stored.
        cancel();
        return pendingRow_;
    }
    error = problemWith(buffer_);
    if (!error.isEmpty())
        return -1;
    const QStringList columns = rows_.columnNames();
    QVariantList values = buffer_;
    for (int c = 0; c < columns.size(); ++c) {
        const QString text = values.at(c).toString().trimmed();
        if (isNumberColumn(columns.at(c)))
            values[c] = text.toInt();
        else if (columns.at(c) == schema::kDateColumn && text.isEmpty())
            // A draw's date follows from its issue; fill it in when it was left empty.
            values[c] = QString::fromStdString(
                dateOfIssue(values.value(rows_.fieldIndex(schema::kIssueColumn)).toString().toStdString()));
        else
            values[c] = text;
    }
    beginResetModel();
    try {
        if (state_ == State::Edit) {
            rows_.moveTo(pendingRow_);
            rows_.edit();
        } else {
            rows_.append();
        }
        for (int c = 0; c < columns.size(); ++c)
            rows_.setField(columns.at(c), values.at(c));
        rows_.post();
    } catch (const db::DbError& e) {
        rows_.cancel();
        endResetModel();
        error = e.message();
        return -1;
    }
    state_ = State::Browse;
    buffer_.clear();
    original_.clear();
    endResetModel();
    return rows_.position();
}

bool RecordSetModel::pendingRowBlank() const
{
    return state_ == State::Insert
           && std::all_of(buffer_.begin(), buffer_.end(),
                          [](const QVariant& v) { return v.toString().trimmed().isEmpty(); });
}

void RecordSetModel::cancel()
{
    if (state_ == State::Insert) {
        beginRemoveRows({}, pendingRow_, pendingRow_);
        state_ = State::Browse;
        buffer_.clear();
        endRemoveRows();
        return;
    }
    if (state_ == State::Edit) {
        state_ = State::Browse;
        buffer_.clear();
        original_.clear();
        emit dataChanged(index(pendingRow_, 0), index(pendingRow_, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, pendingRow_, pendingRow_);
    }
}

void RecordSetModel::deleteRow(int row)
{
    if (state_ == State::Insert && row == pendingRow_) {
        cancel();
        return;
    }
    const int stored = storedRow(row);
    cancel();
    if (stored < 0 || stored >= rows_.rowCount())
        return;
    beginResetModel();
    try {
        rows_.moveTo(stored);
        rows_.deleteCurrent();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void RecordSetModel::refresh()
{
    if (state_ != State::Browse || !rows_.isOpen())
        return;
    beginResetModel();
    try {
        rows_.requery();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

} // namespace pickora::ui
