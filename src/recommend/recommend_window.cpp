#include "recommend/recommend_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "store/u_public.h"
#include "widgets/bar_chart.h"
#include "widgets/dialogs.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QCheckBox* marksBox(QWidget* parent, const QString& name)
{
    auto* box = new QCheckBox(u"显示标注"_s, parent);
    box->setObjectName(name);
    return box;
}

// A chart with its "显示标注" box in its top right corner, over the chart.
QGridLayout* chartWithBox(QWidget* chart, QCheckBox* box)
{
    auto* cell = new QGridLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    cell->addWidget(chart, 0, 0);
    cell->addWidget(box, 0, 0, Qt::AlignTop | Qt::AlignRight);
    box->raise();
    return cell;
}

} // namespace

bool RecommendWindow::historyAvailable(const DrawStore& store, QWidget* parent)
{
    if (store.history().count() > 0)
        return true;
    dialogs::warning(parent, u"当前彩票还没有开奖数据，无法推荐选号！请先添加或下载开奖数据。"_s);
    return false;
}

RecommendWindow::RecommendWindow(RecommendMethod method, const DrawStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), method_(method), store_(store),
      model_(new TextTableModel(this))
{
    const MethodTraits& traits = methodTraits(method);
    const QString caption = fromUtf8(traits.caption);
    setWindowTitle(caption);

    lblhistory = new QLabel(u"历史中奖："_s, this);
    lblhistory->setObjectName(u"lblhistory"_s);
    tabhistory = new QTableView(this);
    tabhistory->setObjectName(u"tabhistory"_s);
    tabhistory->setModel(model_);
    styleAnalysisGrid(tabhistory);
    tabhistory->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tabhistory->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    chthistory = new BarChart(caption + u"历史中奖图表"_s, this);
    chthistory->setObjectName(u"chthistory"_s);
    chkhistorybiao = marksBox(this, u"chkhistorybiao"_s);
    if (traits.hasDistribution) {
        chtcishu = new BarChart(u"历史中奖次数图表"_s, this);
        chtcishu->setObjectName(u"chtcishu"_s);
        CheckBox1 = marksBox(this, u"CheckBox1"_s);
    }

    lblcurqi = new QLabel(u"目前投注期："_s, this);
    lblcurqi->setObjectName(u"lblcurqi"_s);
    comcurqi = new QComboBox(this);
    comcurqi->setObjectName(u"comcurqi"_s);
    comcurqi->setMinimumContentsLength(10);
    btngen = new QPushButton(u"生成号码"_s, this);
    btngen->setObjectName(u"btngen"_s);
    btntongji = new QPushButton(u"历史统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    lblcurcode = new QLabel(u"目前投注号码："_s, this);
    lblcurcode->setObjectName(u"lblcurcode"_s);
    edtcurcode = new QLineEdit(this);
    edtcurcode->setObjectName(u"edtcurcode"_s);
    edtcurcode->setReadOnly(true);
    lblmem = new QLabel(fromUtf8(traits.memoLabel), this);
    lblmem->setObjectName(u"lblmem"_s);
    mem = new QPlainTextEdit(this);
    mem->setObjectName(u"mem"_s);
    mem->setReadOnly(true);
    mem->setFixedHeight(54);

    // The grid down the left side; charts, settings, controls and summary on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(lblhistory);
    left->addWidget(tabhistory, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(chartWithBox(chthistory, chkhistorybiao), 3);
    if (chtcishu)
        right->addLayout(chartWithBox(chtcishu, CheckBox1), 2);
    settingsArea_ = new QVBoxLayout;
    right->addLayout(settingsArea_);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(lblcurqi);
    targetRow->addWidget(comcurqi);
    targetRow->addSpacing(12);
    targetRow->addWidget(btngen);
    targetRow->addWidget(btntongji);
    targetRow->addStretch();
    right->addLayout(targetRow);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(lblcurcode);
    outputRow->addWidget(edtcurcode, 1);
    right->addLayout(outputRow);
    right->addWidget(lblmem);
    right->addWidget(mem);
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->addLayout(left, 2);
    root->addLayout(right, 3);

    connect(comcurqi, &QComboBox::currentIndexChanged, this, &RecommendWindow::comcurqiChange);
    connect(btngen, &QPushButton::clicked, this, &RecommendWindow::btngenClick);
    connect(btntongji, &QPushButton::clicked, this, &RecommendWindow::btntongjiClick);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &RecommendWindow::chkhistorybiaoClick);
    if (CheckBox1)
        connect(CheckBox1, &QCheckBox::clicked, this, &RecommendWindow::CheckBox1Click);

    // The windows start 1080 pixels wide; on a smaller screen they take what there is.
    QSize size(1080, method == RecommendMethod::FourStep ? 743 : 681);
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(available.size());
        resize(size);
        move(available.center() - rect().center());
    } else {
        resize(size);
    }
}

const DrawHistory& RecommendWindow::history() const { return store_.history(); }

const LotteryProfile& RecommendWindow::profile() const { return store_.profile(); }

QComboBox* RecommendWindow::addNumberList(const QString& name, int from, int to, int defaultValue)
{
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    list->addItems(items);
    list->setCurrentIndex(std::clamp(defaultValue, from, std::max(from, to)) - from);
    return list;
}

int RecommendWindow::target() const { return std::max(comcurqi->currentIndex(), 0); }

void RecommendWindow::startUp()
{
    const DrawHistory& h = history();
    QStringList periods;
    periods.reserve(h.count() + 1);
    for (const Draw& draw : h.draws)
        periods << QString::number(draw.issue);
    periods << QString::number(targetIssue(h.draws, h.count()));
    {
        const QSignalBlocker block(comcurqi);
        comcurqi->clear();
        comcurqi->addItems(periods);
        comcurqi->setCurrentIndex(static_cast<int>(periods.size()) - 1);
    }
    targetChanged();
    showBacktest();
}

void RecommendWindow::comcurqiChange() { targetChanged(); }

void RecommendWindow::btngenClick()
{
    if (history().count() == 0) {
        historyAvailable(store_, this);
        return;
    }
    const std::optional<std::vector<int>> numbers = generate();
    if (!numbers)
        return;
    edtcurcode->setText(fromUtf8(outputText(comcurqi->currentText().toStdString(), *numbers,
                                            methodTraits(method_).format)));
}

void RecommendWindow::btntongjiClick() { showBacktest(); }

void RecommendWindow::chkhistorybiaoClick() { drawHistoryChart(); }

void RecommendWindow::CheckBox1Click() { drawDistributionChart(); }

void RecommendWindow::showBacktest()
{
    backtest_ = computeBacktest();
    const int rows = static_cast<int>(backtest_.rows.size());
    shownFrom_ = std::clamp(firstShownRow(), 0, rows);
    chartFrom_ = std::clamp(firstChartRow(), 0, rows);

    std::vector<QStringList> table;
    table.reserve(static_cast<std::size_t>(rows - shownFrom_));
    for (int i = shownFrom_; i < rows; ++i) {
        const BacktestRow& row = backtest_.rows[static_cast<std::size_t>(i)];
        table.push_back({fromUtf8(row.issue), fromUtf8(row.drawn), fromUtf8(row.bet),
                         fromUtf8(row.hits)});
    }
    model_->setTable({u"记录期号"_s, u"开奖号码"_s, u"投注号码"_s, u"中奖个数"_s}, std::move(table));
    applyColumnWidths();
    tabhistory->scrollToBottom();

    mem->clear();
    QString summary = fromUtf8(summaryText(method_, backtest_.summary));
    const std::string chance = chanceText(backtest_.summary, profile().totalNumbers);
    if (!chance.empty())
        summary += u'\n' + fromUtf8(chance);
    mem->setPlainText(summary);

    drawHistoryChart();
    drawDistributionChart();
}

void RecommendWindow::drawHistoryChart()
{
    QStringList issues;
    BarSeriesData hits{u"中奖个数"_s, Qt::red, {}, true};
    for (std::size_t i = static_cast<std::size_t>(chartFrom_); i < backtest_.rows.size(); ++i) {
        issues << fromUtf8(backtest_.rows[i].issue);
        hits.values << backtest_.rows[i].hitCount;
    }
    chthistory->showBars(issues, {hits}, chkhistorybiao->isChecked());
}

void RecommendWindow::drawDistributionChart()
{
    if (!chtcishu)
        return;
    QStringList counts;
    BarSeriesData times{u"各中奖号码数出现次数"_s, Qt::blue, {}, true};
    for (std::size_t h = 0; h < backtest_.distribution.size(); ++h) {
        counts << QString::number(h);
        times.values << backtest_.distribution[h];
    }
    chtcishu->showBars(counts, {times}, CheckBox1->isChecked());
}

void RecommendWindow::applyColumnWidths()
{
    const int width = tabhistory->width();
    std::array<int, 4> widths{};
    switch (method_) {
    case RecommendMethod::IntervalRebound:
        widths = {60, 100, 130, width - 320};
        break;
    case RecommendMethod::IntimateNumbers:
    case RecommendMethod::StemsBranches:
        widths = {55, 100, 130, 50};
        break;
    case RecommendMethod::FourStep:
        widths = {60, 100, width - 240, 50};
        break;
    }
    // A column whose texts would be clipped (a long issue number) is made wide enough.
    for (int c = 0; c < 4; ++c)
        setColumnWidthToFit(tabhistory, c, std::max(widths[static_cast<std::size_t>(c)], 40));
}

void RecommendWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyColumnWidths();
}

void RecommendWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the window, its settings and its back-test stay until the lottery is
    // closed.
    event->ignore();
    hide();
}

} // namespace pickora::ui
