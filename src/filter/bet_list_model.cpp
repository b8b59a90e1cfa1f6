#include "filter/bet_list_model.h"

#include "filter/bet_list.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

void BetListModel::showKept(const CombinationSpace& space, int blanks, bool show)
{
    beginResetModel();
    rows_.clear();
    blanks_ = blanks;
    if (show)
        for (const CandidateEntry& e : space.entries)
            if (e.excluded == 0)
                rows_.push_back(e);
    endResetModel();
}

void BetListModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int BetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BetListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant BetListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return QString::fromStdString(betCell(rows_[static_cast<std::size_t>(index.row())], blanks_));
}

QVariant BetListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? u"序号"_s : QString(28, u' ') + u"投注号码"_s;
}

} // namespace pickora::ui
