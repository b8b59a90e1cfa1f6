#include "exclude/u_allcongma.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

ExclusionTraits repeatTraits()
{
    ExclusionTraits t;
    t.searchButton = "btngen";
    t.headerBlanks = 48;
    t.searchBlanks = 42;
    t.loadBlanks = 42;
    t.continues = true;
    return t;
}

} // namespace

Tfrmallcongma::Tfrmallcongma(DrawStore& store, QWidget* parent)
    : ExclusionWindow(store, u"Tfrmallcongma"_s, u"无穷重码排除选号"_s, repeatTraits(), parent)
{
    const int k = store.profile().pickCount;
    createHistory(u"历史重码图表"_s, u"重码数"_s, QColor(220, 30, 30));

    comjieduannum->addItem(u"全部期"_s);
    for (int i = 1; i <= drawCount(); ++i)
        comjieduannum->addItem(QString::number(i));
    comjieduannum->setCurrentIndex(0);
    connect(comjieduannum, &QComboBox::currentIndexChanged, this,
            &Tfrmallcongma::comjieduannumChange);

    comqishu = new QComboBox(this);
    comqishu->setObjectName(u"comqishu"_s);
    for (int i = 1; i <= std::max(1, drawCount()); ++i)
        comqishu->addItem(QString::number(i));
    comqishu->setCurrentIndex(std::min(10, comqishu->count()) - 1);
    lookBack_ = comqishu->currentIndex() + 1;
    connect(comqishu, &QComboBox::currentIndexChanged, this, &Tfrmallcongma::comqishuChange);

    comAC = new QComboBox(this);
    comAC->setObjectName(u"comAC"_s);
    for (int i = 1; i <= k; ++i)
        comAC->addItem(QString::number(i));
    comAC->setCurrentIndex(k - 1);

    edtcurcode = new QLineEdit(this);
    edtcurcode->setObjectName(u"edtcurcode"_s);
    edtcurcode->setReadOnly(true);

    btntongji = new QPushButton(u"常规统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    btntongji2 = new QPushButton(u"变幻统计"_s, this);
    btntongji2->setObjectName(u"btntongji2"_s);
    connect(btntongji, &QPushButton::clicked, this, &Tfrmallcongma::btntongjiClick);
    connect(btntongji2, &QPushButton::clicked, this, &Tfrmallcongma::btntongji2Click);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &Tfrmallcongma::chkhistorybiaoClick);

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
    leftLayout->addWidget(edtcurcode);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(labelled(u"阶段期数："_s, comjieduannum));
    rightLayout->addWidget(labelled(u"重码期数："_s, comqishu));
    rightLayout->addWidget(labelled(u"过滤的重码数>="_s, comAC));
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

void Tfrmallcongma::comqishuChange()
{
    lookBack_ = std::max(0, comqishu->currentIndex()) + 1;
}

void Tfrmallcongma::comjieduannumChange()
{
    windowPrime_ = std::max(0, comjieduannum->currentIndex());
}

void Tfrmallcongma::showStatistics(const std::vector<Draw>& shown)
{
    const HistoryStatistics h =
        repeatHistory(shown, store().profile().pickCount, lookBack_, windowPrime_);
    edtcurcode->setText(QString::fromStdString(h.summary));
    showHistory(h);
}

void Tfrmallcongma::btntongjiClick()
{
    showStatistics(draws());
}

void Tfrmallcongma::btntongji2Click()
{
    random().reseedFromClock();
    const Permutation p = drawPermutation(store().profile().totalNumbers, random());
    showStatistics(statisticsTransform(draws(), store().profile().pickCount, p, windowPrime_));
}

std::unique_ptr<ExclusionMember> Tfrmallcongma::makeMember(ExclusionBasis basis)
{
    if (!enoughDraws(lookBack_, u"重码期数为 %1 时"_s.arg(lookBack_)))
        return nullptr;
    return std::make_unique<RepeatExclusion>(std::move(basis), lookBack_,
                                             comAC->currentIndex() + 1);
}

} // namespace pickora::ui
