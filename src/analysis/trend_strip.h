#pragma once
// The statistics strip under the trend grid: a fixed table of five rows ("出现次数" .. "当前遗漏")
// whose columns are the grid's columns, so each value sits under its number's column.

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

#include "analysis/number_statistics.h"

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

// The statistics of the rows in force (standard or transformed), computed once per history.
class TrendStatisticsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TrendStatisticsModel(const DrawStore& store, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Recomputes the statistics from the store's rows.
    void reload();

private:
    const DrawStore& store_;
    int drawCount_ = 0;
    std::vector<NumberStatistics> statistics_;
};

// The strip's view: no headers, no scroll bars of its own (it follows the grid's horizontal
// scrolling), exactly five rows high. Each row's caption spans the issue and numbers columns.
class TrendStrip : public QTableView {
    Q_OBJECT
public:
    TrendStrip(TrendStatisticsModel* model, QWidget* parent = nullptr);
    TrendStatisticsModel* statistics() const { return model_; }
    // Follows `grid`'s horizontal scrolling.
    void follow(QTableView* grid);

private:
    TrendStatisticsModel* model_;
};

} // namespace pickora::ui
