#include "analysis/trend_strip.h"

#include <QColor>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>

#include "analysis/trend_grid_layout.h"
#include "store/u_public.h"

namespace pickora::ui {

namespace tg = trendgrid;

TrendStatisticsModel::TrendStatisticsModel(const DrawStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store)
{
    reload();
}

int TrendStatisticsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kStatisticRows;
}

int TrendStatisticsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tg::columnCount(store_.profile().totalNumbers);
}

QVariant TrendStatisticsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = static_cast<StatisticRow>(index.row());
    const tg::ColumnKind kind = tg::columnKind(index.column(), store_.profile().totalNumbers);
    switch (role) {
    case Qt::DisplayRole:
        if (kind == tg::ColumnKind::Issue)
            return QString::fromUtf8(statisticCaption(row));
        if (kind == tg::ColumnKind::Number && drawCount_ > 0) {
            const auto number = static_cast<std::size_t>(tg::numberOfColumn(index.column()));
            if (number >= 1 && number <= statistics_.size())
                return QString::fromStdString(statisticText(statistics_[number - 1], row));
        }
        return {};
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        switch (kind) {
        case tg::ColumnKind::Issue:
        case tg::ColumnKind::Numbers: return QPalette().color(QPalette::ToolTipBase);
        case tg::ColumnKind::Separator:
            return QColor(tg::kSeparatorFill.r, tg::kSeparatorFill.g, tg::kSeparatorFill.b);
        case tg::ColumnKind::Number:
            return QColor(tg::kNumberFill.r, tg::kNumberFill.g, tg::kNumberFill.b);
        }
        return {};
    default: return {};
    }
}

void TrendStatisticsModel::reload()
{
    beginResetModel();
    const DrawHistory& history = store_.history();
    drawCount_ = history.count();
    statistics_ = numberStatistics(presenceMasks(history), store_.profile().totalNumbers);
    endResetModel();
}

TrendStrip::TrendStrip(TrendStatisticsModel* model, QWidget* parent)
    : QTableView(parent), model_(model)
{
    model_->setParent(this);
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(tg::kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(kStatisticRows * tg::kRowHeight + 2 * frameWidth());
    const auto spanCaptions = [this] {
        clearSpans();
        for (int r = 0; r < kStatisticRows; ++r)
            setSpan(r, 0, 1, 2);
    };
    spanCaptions();
    connect(model_, &QAbstractItemModel::modelReset, this, spanCaptions);
}

void TrendStrip::follow(QTableView* grid)
{
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(),
            &QScrollBar::setValue);
}

} // namespace pickora::ui
