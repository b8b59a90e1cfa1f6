#include "invest/u_keibianjihua.h"

#include <QLineEdit>
#include <QPushButton>

#include "invest/plan_bounds.h"
#include "widgets/text_table_model.h"
#include "widgets/table_report.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

QStringList variablePlanHeaders()
{
    return {u"投注期号"_s, u"投注倍数"_s, u"当期注数"_s,  u"当期投注"_s,
            u"当期总投入"_s, u"当期中奖"_s, u"当期净利润"_s, u"当期利润率(%)"_s};
}

Tfrmkeibianjihua::Tfrmkeibianjihua(ProgramFolder folder, QWidget* parent)
    : PlanWindow(std::move(folder), u"Tfrmkeibianjihua"_s, u"可变投资计划"_s, parent)
{
    addSharedFields();
    edtjushu = addField("edtjushu", u"本期注数："_s, u"8"_s);
    btnnew = addButton("btnnew", u"新建"_s);
    btnjisuan = addButton("btnjisuan", u"添加本期计划"_s);
    btnsave = addButton("btnsave", u"保存"_s);
    btnload = addButton("btnload", u"载入"_s);
    btnprint = addButton("btnprint", u"打印"_s);
    btnclose = addButton("btnclose", u"关闭"_s);
    btnload->setDefault(true);
    btnjisuan->setEnabled(false);
    connect(btnnew, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnnewClick);
    connect(btnjisuan, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnjisuanClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnloadClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmkeibianjihua::btncloseClick);
    finishLayout(variablePlanHeaders());
}

QStringList Tfrmkeibianjihua::settingsTexts() const
{
    return {edtprekui->text(), edtlirun->text(),  edtinofsin->text(),
            edtoutofsin->text(), edtdays->text(), edtjushu->text()};
}

void Tfrmkeibianjihua::startBuilding()
{
    building_ = true;
    btnnew->setText(u"取消保存"_s);
    btnjisuan->setEnabled(true);
}

void Tfrmkeibianjihua::stopBuilding()
{
    building_ = false;
    btnnew->setText(u"新建"_s);
}

void Tfrmkeibianjihua::btnnewClick()
{
    table_.clear();
    showTable(variablePlanHeaders(), {});
    if (!building_) {
        startBuilding();
        btnload->setEnabled(false);
        btnprint->setEnabled(false);
        btnclose->setEnabled(false);
    } else {
        stopBuilding();
        btnjisuan->setEnabled(false);
        for (QPushButton* b : {btnsave, btnload, btnprint, btnclose})
            b->setEnabled(true);
    }
}

void Tfrmkeibianjihua::btnjisuanClick()
{
    const auto days = readField(edtdays);
    if (!days)
        return;
    if (*days < 1) {
        dialogs::error(this, u"投注期数必须大于 0！"_s);
        return;
    }
    if (static_cast<std::int64_t>(table_.size()) >= *days) {
        dialogs::information(this, u"投资期限已满%1天!"_s.arg(*days));
        return;
    }
    PlanSettings s;
    s.periods = *days;
    for (const auto& [edit, target] :
         {std::pair{edtprekui, &s.priorLoss}, std::pair{edtlirun, &s.expectedProfit},
          std::pair{edtoutofsin, &s.unitPrize}}) {
        const auto value = readField(edit);
        if (!value)
            return;
        *target = *value;
    }
    const auto bets = readField(edtjushu);
    if (!bets)
        return;
    // The unit stake box plays no part here: the stake follows from the bets.
    s.unitStake = 1;
    if (!accept(checkPlanInputs(s, false)) || !accept(checkBetInput(*bets, s)))
        return;
    const PlanResult next = variablePeriod(s, table_, *bets);
    // A refused period is not added: the next one would otherwise build on an unfinished row.
    if (next.tooLarge) {
        dialogs::warning(this, u"所需倍数太大，无法投注！"_s);
        return;
    }
    if (next.outOfRange || next.rows.empty()) {
        dialogs::warning(this, QString::fromUtf8(kPlanOutOfRange));
        return;
    }
    table_.push_back(next.rows.front());
    model_->appendRow(rowTexts(next.rows.front()));
    const auto count = static_cast<std::int64_t>(table_.size());
    dialogs::information(this, u"平均每期净利润为:"_s + QString::number(columnAverage(table_, 6, count)));
}

void Tfrmkeibianjihua::btnsaveClick()
{
    if (!savePlan(u"可变投资计划表.txt"_s, settingsTexts()))
        return;
    stopBuilding();
    for (QPushButton* b : {btnload, btnprint, btnclose})
        b->setEnabled(true);
}

void Tfrmkeibianjihua::btnloadClick()
{
    const auto plan = loadPlan(u"可变投资计划表.txt"_s, 6, 8);
    if (!plan)
        return;
    std::int64_t periods = 0;
    if (plan->missingSettings || !parseWholeNumber(plan->settings[4], periods) || periods < 1
        || periods > kMaxPeriods) {
        dialogs::error(this, u"这不是一个投资计划文件：投注期数不是 1 到 %1 之间的整数。"_s.arg(kMaxPeriods));
        return;
    }
    if (plan->failed) {
        dialogs::error(this, u"载入停止：第 %1 期的数据不是有效的整数。"_s.arg(plan->rows.size() + 1));
        return;
    }
    if (static_cast<std::int64_t>(plan->rows.size()) > periods) {
        dialogs::error(this, u"文件中的计划有 %1 期，超过了它的投注期数 %2。"_s.arg(plan->rows.size())
                                 .arg(periods));
        return;
    }
    if (const std::string problem = checkPlanRows(plan->rows); !problem.empty()) {
        dialogs::error(this, u"载入停止："_s + QString::fromStdString(problem));
        return;
    }
    QList<QLineEdit*> boxes = {edtprekui, edtlirun, edtinofsin, edtoutofsin, edtdays, edtjushu};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(QString::fromStdString(plan->settings[static_cast<std::size_t>(i)]));
    table_.assign(plan->rows.begin(), plan->rows.end());
    std::vector<QStringList> rows;
    for (const PlanRow& row : table_)
        rows.push_back(rowTexts(row));
    showTable(variablePlanHeaders(), std::move(rows));
    const auto count = static_cast<std::int64_t>(table_.size());
    dialogs::information(this, u"平均每期净利润为:"_s + QString::number(columnAverage(table_, 6, count)));
    // The loaded plan can be continued.
    startBuilding();
}

void Tfrmkeibianjihua::btnprintClick()
{
    const QString line = u"前期亏损:%1 预测利润:%2 单倍投入:%3 单注奖金:%4 投注天数:%5 本期注数:%6 打印日期:%7"_s
                             .arg(edtprekui->text(), edtlirun->text(), edtinofsin->text(),
                                  edtoutofsin->text(), edtdays->text(), edtjushu->text(),
                                  reportDateToday());
    printPlan(ReportLayout::VariablePlan, u"可变投资计划表"_s, line);
}

} // namespace pickora::ui
