#include "analysis/u_qujian.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/indicator_view.h"
#include "widgets/bar_chart.h"
#include "analysis/indicator_view_logic.h"
#include "widgets/text_table_model.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Zone 1..7: red, green, yellow, blue, white, grey, fuchsia.
const QList<QColor> kZoneColours = {Qt::red, Qt::green, Qt::yellow, Qt::blue,
                                    Qt::white, Qt::gray, QColor(255, 0, 255)};

// The widest the table may grow, so the table and the chart fit in a 1024-pixel window.
constexpr int kMaxTableWidth = 470;

} // namespace

Tfrmqujian::Tfrmqujian(const DrawStore& store, QWidget* parent)
    : QWidget(parent), store_(store), model_(new TextTableModel(this))
{
    setObjectName(u"Tfrmqujian"_s);
    setWindowTitle(u"区间分析"_s);

    Label1 = new QLabel(u"历史走势："_s, this);
    Label1->setObjectName(u"Label1"_s);
    tabhistory = new QTableView(this);
    tabhistory->setObjectName(u"tabhistory"_s);
    tabhistory->setModel(model_);
    styleAnalysisGrid(tabhistory);
    tabhistory->setFixedWidth(433);
    tabhistory->setMinimumHeight(441);

    chthistory = new BarChart(u"最近各期区间图表"_s, this);
    chthistory->setObjectName(u"chthistory"_s);
    // 729 x 305 where the screen allows; it gives way on a 1024-pixel screen.
    chthistory->setMinimumSize(420, 305);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(u"GroupBox1"_s);
    auto* boxes = new QGridLayout(GroupBox1);
    for (int z = 1; z <= kMaxZones; ++z) {
        auto* box = new QCheckBox(u"%1区间"_s.arg(z), GroupBox1);
        box->setObjectName(u"chkqu%1"_s.arg(z));
        box->setChecked(z == 1);
        connect(box, &QCheckBox::clicked, this, &Tfrmqujian::drawChart);
        boxes->addWidget(box, 0, z - 1);
        chkqu << box;
    }
    chkhistorybiao = new QCheckBox(u"显示标注"_s, GroupBox1);
    chkhistorybiao->setObjectName(u"chkhistorybiao"_s);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &Tfrmqujian::drawChart);
    boxes->addWidget(chkhistorybiao, 1, 0, 1, 2);

    Label6 = new QLabel(u"最近统计期数："_s, this);
    Label6->setObjectName(u"Label6"_s);
    comzuijingqishu = new QComboBox(this);
    comzuijingqishu->setObjectName(u"comzuijingqishu"_s);
    comzuijingqishu->setMinimumWidth(90);
    Label7 = new QLabel(u"区间数："_s, this);
    Label7->setObjectName(u"Label7"_s);
    comqujian = new QComboBox(this);
    comqujian->setObjectName(u"comqujian"_s);
    btntongji = new QPushButton(u"开始统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    btntongji->setDefault(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(Label6);
    controls->addWidget(comzuijingqishu);
    controls->addSpacing(16);
    controls->addWidget(Label7);
    controls->addWidget(comqujian);
    controls->addSpacing(16);
    controls->addWidget(btntongji);
    controls->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(tabhistory, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(chthistory, 1);
    right->addWidget(GroupBox1);
    right->addLayout(controls);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    const int drawCount = store.history().count();
    window_ = initialWindow(drawCount);
    fillPeriodWindowList(comzuijingqishu, drawCount, window_);
    for (int z = 1; z <= kMaxZones; ++z)
        comqujian->addItem(QString::number(z));
    zones_ = std::clamp(store.profile().pickCount, 1, kMaxZones);
    comqujian->setCurrentIndex(zones_ - 1);

    connect(comzuijingqishu, &QComboBox::currentIndexChanged, this,
            &Tfrmqujian::comzuijingqishuChange);
    connect(comqujian, &QComboBox::currentIndexChanged, this, &Tfrmqujian::comqujianChange);
    connect(btntongji, &QPushButton::clicked, this, &Tfrmqujian::btntongjiClick);

    backOnPicture(this);
    compute(false);
    drawChart();
    // "标准走势", "变幻走势" and the searches replace the rows: the view computes again from them.
    connect(&store, &DrawStore::rowsChanged, this, [this] {
        compute(store_.transformedMode());
        drawChart();
    });
}

void Tfrmqujian::compute(bool transformed)
{
    const std::vector<Draw>& draws = transformed ? store_.transformed().draws : store_.history().draws;
    computation_ = computeIntervals(draws, store_.profile().totalNumbers, store_.profile().pickCount,
                                    zones_);
    computedWindow_ = window_;
    QStringList headers{u"记录期号"_s, u"开奖号码"_s};
    for (const std::string& heading : computation_.headings)
        headers << text(heading);
    std::vector<QStringList> rows;
    rows.reserve(computation_.rows.size());
    for (const IntervalRow& r : computation_.rows) {
        QStringList row{text(r.issueText), text(r.numbersText)};
        for (const int count : r.counts)
            row << QString::number(count);
        rows.push_back(std::move(row));
    }
    model_->setTable(headers, std::move(rows));
    setColumnWidthToFit(tabhistory, 0, 60);
    setColumnWidthToFit(tabhistory, 1, 120);
    for (int z = 0; z < computation_.zones; ++z)
        setColumnWidthToFit(tabhistory, 2 + z, (433 - 210) / computation_.zones);
    // 433 pixels, or a little wider when the zone headings need it; beyond that the table
    // scrolls sideways instead of pushing the main window past a 1024-pixel screen.
    int columns = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        columns += tabhistory->columnWidth(c);
    tabhistory->setFixedWidth(std::clamp(columns + 30, 433, kMaxTableWidth));
    scrollToNewestRows(tabhistory);
}

void Tfrmqujian::computeStandard() { compute(false); }

void Tfrmqujian::computeTransformed() { compute(true); }

void Tfrmqujian::drawChart()
{
    const int count = static_cast<int>(computation_.rows.size());
    const int first = std::max(0, count - computedWindow_);
    std::vector<BarSeriesData> series;
    for (int z = 0; z < computation_.zones; ++z) {
        BarSeriesData s{u"%1区号码数"_s.arg(z + 1), kZoneColours.at(z), {},
                        chkqu.at(z)->isChecked()};
        for (int i = first; i < count; ++i)
            s.values << computation_.rows[static_cast<std::size_t>(i)].counts[static_cast<std::size_t>(z)];
        series.push_back(std::move(s));
    }
    // Each bar is labelled with its count, not with its issue number; the axis shows the
    // labels of the first series drawn.
    QStringList categories;
    const auto labelled = std::find_if(series.begin(), series.end(),
                                       [](const BarSeriesData& s) { return s.visible; });
    if (labelled != series.end())
        for (const qreal value : labelled->values)
            categories << QString::number(static_cast<int>(value));
    else
        for (int i = first; i < count; ++i)
            categories << QString();
    chthistory->showBars(categories, series, chkhistorybiao->isChecked());
}

void Tfrmqujian::comqujianChange(int index)
{
    // The table and chart follow at the next computation.
    zones_ = index + 1;
}

void Tfrmqujian::comzuijingqishuChange(int index)
{
    window_ = windowFromItem(index, store_.history().count());
}

void Tfrmqujian::btntongjiClick()
{
    compute(false);
    drawChart();
}

} // namespace pickora::ui
