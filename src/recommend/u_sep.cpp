#include "recommend/u_sep.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmsep::Tfrmsep(const DrawStore& store, QWidget* parent)
    : RecommendWindow(RecommendMethod::IntervalRebound, store, parent)
{
    setObjectName(u"Tfrmsep"_s);
    FormCreate();
}

void Tfrmsep::FormCreate()
{
    const int n = profile().totalNumbers;
    const int k = profile().pickCount;
    auto* lblqishu = new QLabel(u"间隔期数："_s, this);
    lblqishu->setObjectName(u"lblqishu"_s);
    comqishu = addNumberList(u"comqishu"_s, 1, 20, 5);
    auto* lblcodenum = new QLabel(u"选号个数："_s, this);
    lblcodenum->setObjectName(u"lblcodenum"_s);
    comcodenum = addNumberList(u"comcodenum"_s, 1, n, 2 * k);
    auto* row = new QHBoxLayout;
    row->addWidget(lblqishu);
    row->addWidget(comqishu);
    row->addSpacing(24);
    row->addWidget(lblcodenum);
    row->addWidget(comcodenum);
    row->addStretch();
    settingsArea()->addLayout(row);
    startUp();
}

IntervalReboundSettings Tfrmsep::settings() const
{
    return {comqishu->currentIndex() + 1, comcodenum->currentIndex() + 1};
}

Backtest Tfrmsep::computeBacktest() const
{
    return intervalReboundBacktest(history().draws, profile().totalNumbers, profile().pickCount,
                                   settings());
}

std::optional<std::vector<int>> Tfrmsep::generate()
{
    const IntervalRebound method(history().draws, profile().totalNumbers, profile().pickCount);
    return method.recommend(target(), settings()).numbers;
}

} // namespace pickora::ui
