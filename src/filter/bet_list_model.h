#pragma once
// The list of kept bets, read from the combination space on demand: no text is stored per row,
// so hundreds of thousands of rows cost nothing until they are shown.

#include <QAbstractTableModel>
#include <vector>

#include "store/combination_space.h"

namespace pickora::ui {

class BetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lists the kept entries of `space` with `blanks` blanks before each bet; `show` false leaves
    // the list empty (too many rows to show).
    void showKept(const CombinationSpace& space, int blanks, bool show = true);
    void clear();
    int blanks() const { return blanks_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<CandidateEntry> rows_; // copies: the space may change under a later run
    int blanks_ = 24;
};

} // namespace pickora::ui
