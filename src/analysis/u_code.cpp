#include "analysis/u_code.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/indicator_view_logic.h"
#include "analysis/trend_grid_layout.h"
#include "analysis/trend_strip.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace tg = trendgrid;

namespace {

QColor toColor(tg::Rgb c) { return QColor(c.r, c.g, c.b); }

// The omission values of empty cells: darker than the fill, lighter than the dots.
const QColor kOmissionText(95, 95, 60);

// Fills a cell by its column kind and draws its text placed by the column's sample text.
void paintCell(QPainter* painter, const QRect& rect, const QPalette& palette, int column,
               int totalNumbers, int pickCount, bool header, const QString& text)
{
    QColor fill;
    switch (tg::columnKind(column, totalNumbers)) {
    case tg::ColumnKind::Issue:
    case tg::ColumnKind::Numbers: fill = palette.color(QPalette::ToolTipBase); break;
    case tg::ColumnKind::Separator: fill = toColor(tg::kSeparatorFill); break;
    case tg::ColumnKind::Number: fill = toColor(tg::kNumberFill); break;
    }
    painter->fillRect(rect, fill);
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter->fontMetrics();
    const QString sample
        = QString::fromStdString(tg::sampleText(column, totalNumbers, pickCount, header));
    const tg::Offset offset = tg::textOffset(rect.width(), rect.height(),
                                             metrics.horizontalAdvance(sample), metrics.height());
    painter->setPen(palette.color(QPalette::Text));
    painter->drawText(QPoint(rect.left() + offset.dx, rect.top() + offset.dy + metrics.ascent()),
                      text);
}

class TrendCellDelegate : public QStyledItemDelegate {
public:
    TrendCellDelegate(const DrawStore& store, QObject* parent)
        : QStyledItemDelegate(parent), store_(store)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const auto* model = static_cast<const TrendGridModel*>(index.model());
        painter->save();
        painter->setFont(option.font);
        paintCell(painter, option.rect, option.palette, index.column(),
                  store_.profile().totalNumbers, store_.profile().pickCount, false,
                  model->cellText(index.row(), index.column()));
        const QVariant omission = index.data(TrendGridModel::OmissionRole);
        if (omission.isValid()) {
            painter->setPen(kOmissionText);
            painter->drawText(option.rect, Qt::AlignCenter, QString::number(omission.toInt()));
        }
        painter->restore();
    }

private:
    const DrawStore& store_;
};

// The header row, painted like the body: fills by column kind, texts placed by their samples.
class TrendHeader : public QHeaderView {
public:
    TrendHeader(const DrawStore& store, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent), store_(store)
    {
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override
    {
        painter->save();
        paintCell(painter, rect, palette(), section, store_.profile().totalNumbers,
                  store_.profile().pickCount, true,
                  QString::fromStdString(tg::headerText(section, store_.profile().totalNumbers)));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
    }

private:
    const DrawStore& store_;
};

} // namespace

TrendGridModel::TrendGridModel(const DrawStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store)
{
}

int TrendGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : store_.history().count();
}

int TrendGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tg::columnCount(store_.profile().totalNumbers);
}

QString TrendGridModel::cellText(int row, int column) const
{
    const DrawHistory& h = store_.history();
    const int draw = tg::drawOfRow(row + 1, h.count());
    switch (tg::columnKind(column, store_.profile().totalNumbers)) {
    case tg::ColumnKind::Issue:
    case tg::ColumnKind::Numbers: {
        const std::string_view text = h.rowText(draw, column);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case tg::ColumnKind::Separator: return {};
    case tg::ColumnKind::Number:
        return h.rowText(draw, column) == "1" ? u"●"_s : QString();
    }
    return {};
}

QVariant TrendGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == OmissionRole) {
        const int totalNumbers = store_.profile().totalNumbers;
        if (!showOmission_ || tg::columnKind(index.column(), totalNumbers) != tg::ColumnKind::Number
            || omissions_.totalNumbers() != totalNumbers)
            return {};
        const int draw = tg::drawOfRow(index.row() + 1, omissions_.drawCount());
        const int number = tg::numberOfColumn(index.column());
        if (draw < 0 || draw >= omissions_.drawCount() || omissions_.at(draw, number) == 0)
            return {};
        return omissions_.at(draw, number);
    }
    if (role != Qt::DisplayRole)
        return {};
    return cellText(index.row(), index.column());
}

QVariant TrendGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromStdString(tg::headerText(section, store_.profile().totalNumbers));
}

void TrendGridModel::reload()
{
    beginResetModel();
    omissions_ = CellOmissions(presenceMasks(store_.history()), store_.profile().totalNumbers);
    endResetModel();
}

void TrendGridModel::setShowOmission(bool show)
{
    if (show == showOmission_)
        return;
    showOmission_ = show;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {OmissionRole});
}

Tfrmcode::Tfrmcode(const DrawStore& store, QWidget* parent)
    : QWidget(parent), store_(store), model_(new TrendGridModel(store, this)),
      grdcode_(new QTableView(this)), chkyilou_(new QCheckBox(u"显示遗漏"_s, this)),
      grdtongji_(new TrendStrip(new TrendStatisticsModel(store), this))
{
    model_->reload();
    setObjectName(u"Tfrmcode"_s);
    setWindowTitle(u"号码走势"_s);
    grdcode_->setObjectName(u"grdcode"_s);
    grdcode_->setHorizontalHeader(new TrendHeader(store, grdcode_));
    grdcode_->setModel(model_);
    grdcode_->setItemDelegate(new TrendCellDelegate(store, grdcode_));
    grdcode_->verticalHeader()->hide();
    grdcode_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdcode_->verticalHeader()->setDefaultSectionSize(tg::kRowHeight);
    grdcode_->horizontalHeader()->setFixedHeight(tg::kRowHeight);
    grdcode_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdcode_->horizontalHeader()->setMinimumSectionSize(1); // the 8-pixel separators
    grdcode_->horizontalHeader()->setHighlightSections(false);
    grdcode_->setSelectionMode(QAbstractItemView::NoSelection);
    grdcode_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdcode_->setFocusPolicy(Qt::NoFocus);
    grdcode_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    chkyilou_->setObjectName(u"chkyilou"_s);
    grdtongji_->setObjectName(u"grdtongji"_s);
    grdtongji_->follow(grdcode_);
    connect(chkyilou_, &QCheckBox::toggled, this, &Tfrmcode::chkyilouClick);

    // With no draws the grid is blank: this says how to get draws in.
    lblempty_ = new QLabel(QString::fromUtf8(kNoDrawsHint), this);
    lblempty_->setObjectName(u"lblempty"_s);
    lblempty_->setWordWrap(true);
    lblempty_->setAutoFillBackground(true);
    lblempty_->setMargin(12);
    lblempty_->setVisible(store.history().count() == 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* options = new QHBoxLayout;
    options->setContentsMargins(6, 2, 6, 2);
    options->addWidget(chkyilou_);
    options->addStretch();
    layout->addLayout(options);
    layout->addWidget(lblempty_);
    layout->addWidget(grdcode_);
    layout->addWidget(grdtongji_);

    connect(&store, &DrawStore::rowsChanged, this, [this] {
        model_->reload();
        grdtongji_->statistics()->reload();
        FormActivate();
    });
}

int Tfrmcode::gridRowCount() const { return tg::rowCount(model_->rowCount()); }

int Tfrmcode::gridColumnCount() const { return model_->columnCount(); }

void Tfrmcode::FormActivate()
{
    lblempty_->setVisible(store_.history().count() == 0);
    applyColumnWidths();
    grdcode_->scrollToTop();
}

void Tfrmcode::applyColumnWidths()
{
    // The strip takes the grid's widths so that each value sits under its number's column.
    const int columns = model_->columnCount();
    for (int c = 0; c < columns; ++c) {
        const int width = tg::columnWidth(c, store_.profile().totalNumbers, grdcode_->width());
        grdcode_->setColumnWidth(c, width);
        grdtongji_->setColumnWidth(c, width);
    }
}

void Tfrmcode::chkyilouClick() { model_->setShowOmission(chkyilou_->isChecked()); }

void Tfrmcode::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyColumnWidths();
}

void Tfrmcode::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormActivate();
}

} // namespace pickora::ui
