#include "widgets/text_table_model.h"


#include <QComboBox>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <algorithm>

namespace pickora::ui {

void TextTableModel::setTable(QStringList headers, std::vector<QStringList> rows)
{
    beginResetModel();
    headers_ = std::move(headers);
    rows_ = std::move(rows);
    endResetModel();
}

void TextTableModel::appendRow(QStringList row)
{
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[static_cast<std::size_t>(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole && firstColumnFixed_ && index.column() == 0)
        return QPalette().color(QPalette::Button);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return headers_.value(section);
    return {};
}

void styleAnalysisGrid(QTableView* grid)
{
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->horizontalHeader()->setFixedHeight(24);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setWordWrap(false);
}

void setColumnWidthToFit(QTableView* grid, int column, int width)
{
    const QAbstractItemModel* model = grid->model();
    const QFontMetrics body(grid->font());
    const QFontMetrics header(grid->horizontalHeader()->font());
    int needed = header.horizontalAdvance(model->headerData(column, Qt::Horizontal).toString()) + 12;
    // Rows of one column hold texts of one shape: the first and last rows stand for the rest.
    for (const int row : {0, model->rowCount() - 1})
        if (row >= 0)
            needed = std::max(needed, body.horizontalAdvance(model->index(row, column).data().toString()) + 10);
    grid->setColumnWidth(column, std::max(width, needed));
}

void fillPeriodWindowList(QComboBox* list, int drawCount, int initialWindow)
{
    QStringList items{QStringLiteral("全部期")};
    items.reserve(drawCount + 1);
    for (int i = 1; i <= drawCount; ++i)
        items << QString::number(i);
    list->addItems(items);
    list->setCurrentIndex(initialWindow);
}

void scrollToNewestRows(QTableView* grid)
{
    // 24 visible rows counting the header: the body row (rows - 24) is the first one shown.
    const int bodyRows = grid->model() ? grid->model()->rowCount() : 0;
    const int gridRows = bodyRows + 1;
    if (gridRows > 24)
        grid->scrollTo(grid->model()->index(gridRows - 24 - 1, 0), QAbstractItemView::PositionAtTop);
}

} // namespace pickora::ui
