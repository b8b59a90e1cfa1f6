#include "exclude/u_allgensui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "exclude/follow_number.h"
#include "store/u_public.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

ExclusionTraits followTraits()
{
    ExclusionTraits t;
    t.searchButton = "btnfilt";
    t.headerBlanks = 28;
    t.searchBlanks = 22;
    t.loadBlanks = 22;
    t.continues = false;
    t.saveListRows = true;
    t.saveCaption = u"保存号码"_s;
    t.clearCaption = u"清空"_s;
    t.countCaption = QString();
    t.defaultTarget = u"50"_s;
    t.defaultPasses = u"1"_s;
    return t;
}

} // namespace

QGroupBox* Tfrmallgensui::radioGroup(const QString& name, const QString& first,
                                     const QString& second)
{
    auto* group = new QGroupBox(this);
    group->setObjectName(name);
    auto* a = new QRadioButton(first, group);
    a->setObjectName(name + u"0"_s);
    auto* b = new QRadioButton(second, group);
    b->setObjectName(name + u"1"_s);
    a->setChecked(true);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(a);
    layout->addWidget(b);
    return group;
}

bool Tfrmallgensui::secondChosen(const QGroupBox* group) const
{
    return group->findChild<QRadioButton*>(group->objectName() + u"1"_s)->isChecked();
}

Tfrmallgensui::Tfrmallgensui(DrawStore& store, QWidget* parent)
    : ExclusionWindow(store, u"Tfrmallgensui"_s, u"无穷历史跟随排除选号"_s, followTraits(), parent)
{
    const int k = store.profile().pickCount;
    createHistory(u"历史跟随图表"_s, u"跟随数"_s, QColor(220, 30, 30));

    opttype1 = radioGroup(u"opttype1"_s, u"排名模式"_s, u"排列模式"_s);
    opttype2 = radioGroup(u"opttype2"_s, u"次数模式"_s, u"间隔模式"_s);
    opttype3 = radioGroup(u"opttype3"_s, u"固定阶段"_s, u"随机阶段"_s);
    opttype4 = radioGroup(u"opttype4"_s, u"有限阶段期数"_s, u"最大阶段期数"_s);
    optmode = radioGroup(u"optmode"_s, u"常规"_s, u"变幻"_s);
    optmode->findChild<QRadioButton*>(u"optmode1"_s)->setChecked(true);
    for (QRadioButton* option : optmode->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::clicked, this, &Tfrmallgensui::optmodeClick);

    QStringList follows;
    for (int i = 0; i <= k; ++i)
        follows << QString::number(i);
    comhei1 = new QComboBox(this);
    comhei1->setObjectName(u"comhei1"_s);
    comhei1->addItems(follows);
    comhei1->setCurrentIndex(k);
    comhei2 = new QComboBox(this);
    comhei2->setObjectName(u"comhei2"_s);
    comhei2->addItems(follows);
    comhei2->setCurrentIndex(0);

    for (int i = 1; i <= 1000; ++i)
        comjieduannum->addItem(QString::number(i));
    comjieduannum->setCurrentIndex(99);

    edthuishu = new QLineEdit(u"2"_s, this);
    edthuishu->setObjectName(u"edthuishu"_s);
    edthuishu->setFixedWidth(40);

    btntongji = new QPushButton(u"变幻统计"_s, this);
    btntongji->setObjectName(u"btntongji"_s);
    connect(btntongji, &QPushButton::clicked, this, &Tfrmallgensui::btntongjiClick);
    // The marks box redraws nothing by itself: the next drawing of the chart follows it.

    page = new QTabWidget(this);
    page->setObjectName(u"page"_s);
    page->addTab(tabhistory, u"历史统计"_s);
    page->addTab(listBox(), u"投注号码"_s);

    auto* right = new QVBoxLayout;
    right->addWidget(chthistory, 1);
    right->addWidget(chkhistorybiao);
    for (QGroupBox* g : {opttype1, opttype2, opttype3, opttype4, optmode})
        right->addWidget(g);
    right->addWidget(stopRuleBox());
    right->addWidget(new QLabel(u"以下跟随数将被过滤："_s, this));
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(new QLabel(u">="_s, this));
    bounds->addWidget(comhei1);
    bounds->addWidget(new QLabel(u"或<="_s, this));
    bounds->addWidget(comhei2);
    bounds->addStretch();
    right->addLayout(bounds);
    right->addWidget(labelled(u"阶段统计期："_s, comjieduannum));
    right->addWidget(labelled(u"对比号码数："_s, edthuishu));
    right->addWidget(labelled(u"目前投注期："_s, comcurqi));
    auto* buttons1 = new QHBoxLayout;
    for (QPushButton* b : {btntongji, btngen, btnsave})
        buttons1->addWidget(b);
    auto* buttons2 = new QHBoxLayout;
    for (QPushButton* b : {btnclear, btnload, btnclose})
        buttons2->addWidget(b);
    right->addLayout(buttons1);
    right->addLayout(buttons2);

    auto* top = new QHBoxLayout;
    top->addWidget(page, 1);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top, 1);
    layout->addWidget(pb);

    // "变幻" is chosen at start: the count mode is on, and the boxes keep their first values.
    showStatistics(draws());
}

bool Tfrmallgensui::transformedMode() const
{
    return secondChosen(optmode);
}

FollowSettings Tfrmallgensui::settings() const
{
    FollowSettings s;
    s.transformed = transformedMode();
    s.arrangement = secondChosen(opttype1);
    s.longestGap = secondChosen(opttype2);
    s.randomWindow = secondChosen(opttype3);
    s.maximumWindow = secondChosen(opttype4);
    s.phaseLength = comjieduannum->currentText().toInt();
    s.groupSize = followGroupSize(edthuishu->text().toStdString());
    s.high = comhei1->currentIndex();
    s.low = comhei2->currentIndex();
    return s;
}

void Tfrmallgensui::optmodeClick()
{
    if (transformedMode()) {
        optjushu->setEnabled(true);
        optjushu->setChecked(true);
        edtcishu->setText(u"100"_s);
        btntongji->setText(u"变幻统计"_s);
    } else {
        optcishu->setChecked(true);
        optjushu->setEnabled(false);
        edtcishu->setText(u"1"_s);
        btntongji->setText(u"常规统计"_s);
    }
}

void Tfrmallgensui::showStatistics(const std::vector<Draw>& shown)
{
    pb->setRange(0, 0);
    pb->show();
    showHistory(followHistory(shown, store().profile().pickCount, settings().groupSize));
    pb->hide();
}

void Tfrmallgensui::btntongjiClick()
{
    if (!transformedMode()) {
        showStatistics(draws());
    } else {
        const FollowSettings s = settings();
        random().reseedFromClock();
        const Permutation p = drawPermutation(store().profile().totalNumbers, random());
        const int window = FollowExclusion::windowFor(s, targetPeriod(), random());
        showStatistics(followTransformedDraws(draws(), store().profile().pickCount, s, p, window));
    }
    page->setCurrentIndex(0);
}

std::unique_ptr<ExclusionMember> Tfrmallgensui::makeMember(ExclusionBasis basis)
{
    if (!enoughDraws(2, u"跟随排除"_s))
        return nullptr;
    return std::make_unique<FollowExclusion>(std::move(basis), settings());
}

void Tfrmallgensui::afterSearch()
{
    page->setCurrentIndex(1);
}

} // namespace pickora::ui
