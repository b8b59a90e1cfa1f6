#include "recommend/u_sibu.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/u_public.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* sentence(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setStyleSheet(u"color: red; font-weight: bold;"_s);
    return label;
}

} // namespace

Tfrmsibu::Tfrmsibu(const DrawStore& store, QWidget* parent)
    : RecommendWindow(RecommendMethod::FourStep, store, parent)
{
    setObjectName(u"Tfrmsibu"_s);
    FormCreate();
}

QLineEdit* Tfrmsibu::addStep(const QString& before, QComboBox* list, const QString& after, int step)
{
    auto* row = new QHBoxLayout;
    row->addWidget(sentence(this, u"lblstep%1a"_s.arg(step), before));
    row->addWidget(list);
    row->addWidget(sentence(this, u"lblstep%1b"_s.arg(step), after));
    auto* box = new QLineEdit(this);
    box->setObjectName(u"edtcode%1"_s.arg(step));
    box->setReadOnly(true);
    row->addWidget(box, 1);
    settingsArea()->addLayout(row);
    return box;
}

void Tfrmsibu::FormCreate()
{
    // The first window can hold at most the stored draws.
    com1 = addNumberList(u"com1"_s, 1, std::max(history().count(), 1), 40);
    com2 = addNumberList(u"com2"_s, 1, 5, 1);
    com3 = addNumberList(u"com3"_s, 1, 10, 10);
    com4 = addNumberList(u"com4"_s, 1, 10, 10);
    edtcode1 = addStep(u"第一步：选出最近"_s, com1, u"期中出次数最多号码"_s, 1);
    edtcode2 = addStep(u"第二步：第一步选号当中"_s, com2, u"期以上未出号"_s, 2);
    edtcode3 = addStep(u"第三步：选出最近"_s, com3, u"期未出3连号"_s, 3);
    edtcode4 = addStep(u"第四步：选出最近"_s, com4, u"期相对活跃冷码"_s, 4);
    btnclose = new QPushButton(u"关闭"_s, this);
    btnclose->setObjectName(u"btnclose"_s);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnclose);
    settingsArea()->addLayout(row);
    lblcurcode->setText(u"最终投注号码："_s);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmsibu::btncloseClick);
    startUp();
}

FourStepSettings Tfrmsibu::settings() const
{
    return {com1->currentIndex() + 1, com2->currentIndex() + 1, com3->currentIndex() + 1,
            com4->currentIndex() + 1};
}

Backtest Tfrmsibu::computeBacktest() const
{
    return fourStepBacktest(history().draws, profile().totalNumbers, profile().pickCount, settings());
}

int Tfrmsibu::firstShownRow() const { return fourStepFirstShownRow(settings()); }

std::optional<std::vector<int>> Tfrmsibu::generate()
{
    const FourStepSettings s = settings();
    const FourStep method(history().draws, profile().totalNumbers, profile().pickCount);
    const std::optional<FourStepPick> pick = method.recommend(target(), s);
    if (!pick) {
        dialogs::error(this, u"所选投注期之前的开奖号码不足%1期，无法按四步选号！请选择更靠后的投注期，"
                             "或减小第一步的期数。"_s
                                 .arg(FourStep::firstTarget(s)));
        return std::nullopt;
    }
    edtcode1->setText(fromUtf8(listText(pick->step1, NumberFormat::TwoDigits)));
    edtcode2->setText(fromUtf8(listText(pick->step2, NumberFormat::TwoDigits)));
    edtcode3->setText(fromUtf8(runNumbersText(pick->step3)));
    edtcode4->setText(fromUtf8(listText(pick->step4, NumberFormat::TwoDigits)));
    return pick->numbers;
}

} // namespace pickora::ui
