#include "exclude/exclusion_list_model.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

ExclusionListModel::ExclusionListModel(int pickCount, int headerBlanks, QObject* parent)
    : QAbstractTableModel(parent), pickCount_(pickCount), headerBlanks_(headerBlanks)
{
}

void ExclusionListModel::showBets(std::vector<Candidate> bets, int blanks)
{
    beginResetModel();
    bets_ = std::move(bets);
    blanks_ = blanks;
    endResetModel();
}

void ExclusionListModel::clear()
{
    showBets({}, blanks_);
}

QString ExclusionListModel::cell(int row) const
{
    return QString::fromStdString(
        candidateCell(bets_.at(static_cast<std::size_t>(row)), pickCount_, blanks_));
}

int ExclusionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(bets_.size());
}

int ExclusionListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ExclusionListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return cell(index.row());
}

QVariant ExclusionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? u"序号"_s : QString(headerBlanks_, u' ') + u"投注号码"_s;
}

} // namespace pickora::ui
