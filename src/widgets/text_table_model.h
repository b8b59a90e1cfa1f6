#pragma once
// A read-only table of texts for the analysis grids: a header row and body rows, rebuilt whole
// on every computation.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QComboBox;
class QTableView;

namespace pickora::ui {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(QStringList headers, std::vector<QStringList> rows);
    void appendRow(QStringList row);
    // Shows the first column like a header (the plan grids' period column).
    void setFirstColumnFixed(bool fixed) { firstColumnFixed_ = fixed; }
    const QStringList& headers() const { return headers_; }
    const std::vector<QStringList>& rows() const { return rows_; }
    QString text(int row, int column) const { return rows_.at(row).value(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
    bool firstColumnFixed_ = false;
};

// The grids of the analysis windows: a plain look, no selection, rows 24 pixels apart.
void styleAnalysisGrid(QTableView* grid);
// Sets a column's width to `width`, or wider when its header or widest text would be clipped.
void setColumnWidthToFit(QTableView* grid, int column, int width);
// The "最近统计期数：" list: "全部期", then 1 .. D, showing `initialWindow` (item n is window n).
void fillPeriodWindowList(QComboBox* list, int drawCount, int initialWindow);
// Shows the last body rows: the first visible row becomes (row count - 24) when there are more.
void scrollToNewestRows(QTableView* grid);

} // namespace pickora::ui
