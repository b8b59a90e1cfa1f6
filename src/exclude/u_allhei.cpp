#include "exclude/u_allhei.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "exclude/history_layout.h"
#include "exclude/slot_transform.h"
#include "store/u_public.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

ExclusionTraits sumTraits()
{
    ExclusionTraits t;
    t.searchButton = "btngen";
    t.headerBlanks = 48;
    t.searchBlanks = 4;
    t.loadBlanks = 42;
    t.continues = false;
    return t;
}

} // namespace

Tfrmallhei::Tfrmallhei(DrawStore& store, QWidget* parent)
    : ExclusionWindow(store, u"Tfrmallhei"_s, u"无穷和值排除选号"_s, sumTraits(), parent)
{
    const int n = store.profile().totalNumbers;
    const int k = store.profile().pickCount;
    createHistory(u"历史和值图表"_s, u"和值"_s, QColor(220, 30, 30));

    // The bounds: every possible sum, preselected near the ends of the range.
    QStringList sums;
    for (int s = k * (k + 1) / 2; s <= (2 * n - k + 1) * k / 2; ++s)
        sums << QString::number(s);
    const auto boundList = [&](const QString& name, int index) {
        auto* list = new QComboBox(this);
        list->setObjectName(name);
        list->setEditable(true);
        list->addItems(sums);
        list->setCurrentIndex(index);
        list->setFixedWidth(64);
        return list;
    };
    const int items = static_cast<int>(sums.size());
    comhei1 = boundList(u"comhei1"_s, items * 9 / 10 - 1);
    comhei2 = boundList(u"comhei2"_s, items * 2 / 10 - 1);

    comjieduannum->addItem(u"全部期"_s);
    for (int i = 1; i <= drawCount(); ++i)
        comjieduannum->addItem(QString::number(i));
    comjieduannum->setCurrentIndex(0);
    connect(comjieduannum, &QComboBox::currentIndexChanged, this, &Tfrmallhei::comjieduannumChange);

    mem = new QPlainTextEdit(this);
    mem->setObjectName(u"mem"_s);
    mem->setReadOnly(true);
    mem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mem->setFixedHeight(2 * mem->fontMetrics().lineSpacing() + 12);

    btntongji = new QPushButton(u"常规统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    btntongji2 = new QPushButton(u"变幻统计"_s, this);
    btntongji2->setObjectName(u"btntongji2"_s);
    connect(btntongji, &QPushButton::clicked, this, &Tfrmallhei::btntongjiClick);
    connect(btntongji2, &QPushButton::clicked, this, &Tfrmallhei::btntongji2Click);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &Tfrmallhei::chkhistorybiaoClick);

    // Left: the history.
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(new QLabel(u"历史中奖："_s, left));
    leftLayout->addWidget(tabhistory, 3);
    leftLayout->addWidget(chthistory, 2);
    auto* marks = new QHBoxLayout;
    marks->addWidget(chkhistorybiao);
    marks->addStretch();
    leftLayout->addLayout(marks);
    leftLayout->addWidget(new QLabel(u"统计汇总："_s, left));
    leftLayout->addWidget(mem);

    // Right: the settings, the list and the buttons.
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(labelled(u"阶段统计期："_s, comjieduannum));
    rightLayout->addWidget(new QLabel(u"以下和值范围将被过滤："_s, right));
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(new QLabel(u"和值>="_s, right));
    bounds->addWidget(comhei1);
    bounds->addWidget(new QLabel(u"或<="_s, right));
    bounds->addWidget(comhei2);
    bounds->addStretch();
    rightLayout->addLayout(bounds);
    rightLayout->addWidget(stopRuleBox());
    rightLayout->addWidget(labelled(u"目前投注期："_s, comcurqi));
    auto* statistics = new QHBoxLayout;
    statistics->addWidget(btntongji);
    statistics->addWidget(btntongji2);
    statistics->addWidget(btngen);
    rightLayout->addLayout(statistics);
    rightLayout->addWidget(listBox(), 1);
    rightLayout->addWidget(pb);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnsave, btnload, btnclear, btnclose})
        buttons->addWidget(b);
    rightLayout->addLayout(buttons);

    layoutHistoryWindow(this, left, right);
    btntongjiClick();
}

void Tfrmallhei::comjieduannumChange()
{
    windowPrime_ = std::max(0, comjieduannum->currentIndex());
}

void Tfrmallhei::showStatistics(const std::vector<Draw>& shown)
{
    const HistoryStatistics h =
        sumHistory(shown, store().profile().totalNumbers, store().profile().pickCount);
    mem->setPlainText(QString::fromStdString(h.summary));
    showHistory(h);
}

void Tfrmallhei::btntongjiClick()
{
    showStatistics(draws());
}

void Tfrmallhei::btntongji2Click()
{
    random().reseedFromClock();
    const Permutation p = drawPermutation(store().profile().totalNumbers, random());
    showStatistics(statisticsTransform(draws(), store().profile().pickCount, p, windowPrime_));
}

std::unique_ptr<ExclusionMember> Tfrmallhei::makeMember(ExclusionBasis basis)
{
    const int n = store().profile().totalNumbers;
    const int k = store().profile().pickCount;
    const auto high = readSetting(u"和值>="_s, comhei1->currentText(), 0, n * k);
    if (!high)
        return nullptr;
    const auto low = readSetting(u"或<="_s, comhei2->currentText(), 0, n * k);
    if (!low)
        return nullptr;
    if (!enoughDraws(1, u"和值排除"_s))
        return nullptr;
    return std::make_unique<SumExclusion>(std::move(basis), *high, *low);
}

} // namespace pickora::ui
