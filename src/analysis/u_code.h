#pragma once
// The number trend grid: one row per draw, newest on top, a dot for every number drawn.

#include <QAbstractTableModel>
#include <QWidget>

#include "analysis/number_statistics.h"

class QCheckBox;
class QLabel;
class QTableView;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

// Reads the store's row texts; keeps no cell strings of its own. Row r shows draw D - 1 - r.
class TrendGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TrendGridModel(const DrawStore& store, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row text of draw `drawIndex` in grid column `column` (as the store keeps it).
    QString cellText(int row, int column) const;
    void reload();

    // Under this role an empty number cell gives its omission at that draw (an int) while the
    // omissions are shown; other cells give nothing.
    static constexpr int OmissionRole = Qt::UserRole + 1;
    bool showOmission() const { return showOmission_; }
    void setShowOmission(bool show);

private:
    const DrawStore& store_;
    bool showOmission_ = false;
    CellOmissions omissions_; // of the rows in force, recomputed by reload()
};

class TrendStrip;

class Tfrmcode : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmcode(const DrawStore& store, QWidget* parent = nullptr);

    QTableView* grid() const { return grdcode_; }
    // The hint shown instead of draws when the lottery has none.
    QLabel* emptyHint() const { return lblempty_; }
    TrendGridModel* model() const { return model_; }
    // The statistics strip under the grid and the "显示遗漏" check box above it.
    TrendStrip* strip() const { return grdtongji_; }
    QCheckBox* omissionBox() const { return chkyilou_; }
    // Rows including the header row, as a player counts them.
    int gridRowCount() const;
    int gridColumnCount() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void applyColumnWidths();
    void chkyilouClick();

    const DrawStore& store_;
    TrendGridModel* model_;
    QTableView* grdcode_;
    QCheckBox* chkyilou_;
    TrendStrip* grdtongji_;
    QLabel* lblempty_ = nullptr;
};

} // namespace pickora::ui
