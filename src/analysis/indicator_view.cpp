#include "analysis/indicator_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "widgets/bar_chart.h"
#include "analysis/indicator_view_logic.h"
#include "widgets/text_table_model.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

void backOnPicture(QWidget* view)
{
    for (QWidget* child : view->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) || qobject_cast<QCheckBox*>(child)
            || qobject_cast<QGroupBox*>(child)) {
            child->setBackgroundRole(QPalette::Window);
            child->setAutoFillBackground(true);
        }
    }
}

IndicatorView::IndicatorView(IndicatorKind kind, const DrawStore& store, QWidget* parent)
    : QWidget(parent), kind_(kind), store_(store), model_(new TextTableModel(this))
{
    const IndicatorMember& member = indicatorMember(kind);
    setWindowTitle(text(member.caption));

    Label1 = new QLabel(u"历史走势："_s, this);
    Label1->setObjectName(u"Label1"_s);
    tabhistory = new QTableView(this);
    tabhistory->setObjectName(u"tabhistory"_s);
    tabhistory->setModel(model_);
    styleAnalysisGrid(tabhistory);
    tabhistory->setFixedWidth(281);
    tabhistory->setMinimumHeight(441);

    chthistory = new BarChart(text(member.chartTitle), this);
    chthistory->setObjectName(u"chthistory"_s);
    chthistory->setMinimumSize(630, 241);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(u"GroupBox1"_s);
    chkhistorybiao = new QCheckBox(u"显示标注"_s, GroupBox1);
    chkhistorybiao->setObjectName(u"chkhistorybiao"_s);
    auto* groupLayout = new QHBoxLayout(GroupBox1);
    groupLayout->setContentsMargins(8, 4, 8, 4);
    groupLayout->addWidget(chkhistorybiao);

    Label5 = new QLabel(u"总结："_s, this);
    Label5->setObjectName(u"Label5"_s);
    mem = new QPlainTextEdit(this);
    mem->setObjectName(u"mem"_s);
    mem->setReadOnly(true);
    mem->setMinimumHeight(150);

    Label6 = new QLabel(u"最近统计期数："_s, this);
    Label6->setObjectName(u"Label6"_s);
    comzuijingqishu = new QComboBox(this);
    comzuijingqishu->setObjectName(u"comzuijingqishu"_s);
    comzuijingqishu->setMinimumWidth(90);
    btntongji = new QPushButton(u"重新统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    btntongji->setDefault(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(GroupBox1);
    controls->addSpacing(16);
    controls->addWidget(Label6);
    controls->addWidget(comzuijingqishu);
    controls->addSpacing(16);
    controls->addWidget(btntongji);
    controls->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(tabhistory, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(chthistory, 3);
    right->addLayout(controls);
    right->addWidget(Label5);
    right->addWidget(mem, 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    const int drawCount = store.history().count();
    window_ = initialWindow(drawCount);
    fillPeriodWindowList(comzuijingqishu, drawCount, window_);

    connect(comzuijingqishu, &QComboBox::currentIndexChanged, this,
            &IndicatorView::comzuijingqishuChange);
    connect(btntongji, &QPushButton::clicked, this, &IndicatorView::btntongjiClick);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &IndicatorView::chkhistorybiaoClick);

    backOnPicture(this);
    compute(store.transformedMode());
    drawChart();
    // "标准走势", "变幻走势" and the searches replace the rows: the view computes again from them.
    connect(&store, &DrawStore::rowsChanged, this, [this] {
        compute(store_.transformedMode());
        drawChart();
    });
}

void IndicatorView::compute(bool transformed)
{
    const std::vector<Draw>& draws
        = transformed ? store_.transformed().draws : store_.history().draws;
    const int n = store_.profile().totalNumbers;
    const int k = store_.profile().pickCount;
    computation_ = computeIndicatorView(kind_, draws, window_, n, k);

    std::vector<QStringList> rows;
    rows.reserve(computation_.rows.size());
    for (const IndicatorRow& r : computation_.rows)
        rows.push_back({text(r.issueText), text(r.numbersText), text(r.valueText)});
    model_->setTable({u"记录期号"_s, u"开奖号码"_s, text(indicatorMember(kind_).columnHeader)},
                     std::move(rows));
    setColumnWidthToFit(tabhistory, 0, 60);
    setColumnWidthToFit(tabhistory, 1, 120);
    setColumnWidthToFit(tabhistory, 2, 281 - 210);
    fitTableWidth();
    scrollToNewestRows(tabhistory);

    QStringList lines;
    for (const std::string& line : computation_.summary)
        lines << text(line);
    mem->setPlainText(lines.join(u'\n'));
}

void IndicatorView::fitTableWidth()
{
    // At least the usual 281 pixels, wider when the columns had to grow to show their texts.
    int columns = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        columns += tabhistory->columnWidth(c);
    tabhistory->setFixedWidth(std::max(281, columns + 30));
}

void IndicatorView::computeStandard() { compute(false); }

void IndicatorView::computeTransformed() { compute(true); }

void IndicatorView::drawChart()
{
    QStringList categories;
    BarSeriesData series{text(indicatorMember(kind_).columnHeader), QColor(Qt::red), {}, true};
    const int count = static_cast<int>(computation_.rows.size());
    for (int i = count - computation_.window; i < count; ++i) {
        const IndicatorRow& row = computation_.rows[static_cast<std::size_t>(i)];
        categories << text(row.issueText);
        series.values << QString::fromStdString(row.valueText).toInt();
    }
    chthistory->showBars(categories, {series}, chkhistorybiao->isChecked());
}

void IndicatorView::comzuijingqishuChange(int index)
{
    // Takes effect at the next "重新统计".
    window_ = windowFromItem(index, store_.history().count());
}

void IndicatorView::btntongjiClick()
{
    const bool followsMode = indicatorMember(kind_).recomputeFollowsMode;
    compute(followsMode && store_.transformedMode());
    drawChart();
}

void IndicatorView::chkhistorybiaoClick() { drawChart(); }

} // namespace pickora::ui
