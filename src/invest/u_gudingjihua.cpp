#include "invest/u_gudingjihua.h"

#include <QLineEdit>
#include <QPushButton>

#include "invest/plan_bounds.h"
#include "widgets/text_table_model.h"
#include "widgets/table_report.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

QStringList planHeaders()
{
    return {u"投注期号"_s, u"投注倍数"_s, u"当期投注"_s, u"当期总投入"_s,
            u"当期中奖"_s, u"当期净利润"_s, u"当期利润率(%)"_s};
}

Tfrmgudingjihua::Tfrmgudingjihua(ProgramFolder folder, QWidget* parent)
    : Tfrmgudingjihua(std::move(folder), u"Tfrmgudingjihua"_s, u"固定计划投资"_s, parent)
{
    build();
}

Tfrmgudingjihua::Tfrmgudingjihua(ProgramFolder folder, const QString& objectName,
                                 const QString& caption, QWidget* parent)
    : PlanWindow(std::move(folder), objectName, caption, parent)
{
}

void Tfrmgudingjihua::build()
{
    addSharedFields();
    addExtraFields();
    btnala = addButton("btnala", u"生成计划"_s);
    btnsave = addButton("btnsave", u"保存"_s);
    btnload = addButton("btnload", u"载入"_s);
    btnprint = addButton("btnprint", u"打印"_s);
    btnclose = addButton("btnclose", u"关闭"_s);
    btnala->setDefault(true);
    btnala->setAutoDefault(true);
    // Enter in any box generates the plan, as the default button does in a dialog.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::returnPressed, this, &Tfrmgudingjihua::btnalaClick);
    connect(btnala, &QPushButton::clicked, this, &Tfrmgudingjihua::btnalaClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmgudingjihua::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmgudingjihua::btnloadClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmgudingjihua::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmgudingjihua::btncloseClick);
    finishLayout(planHeaders());
}

std::optional<PlanResult> Tfrmgudingjihua::generate(const PlanSettings& settings)
{
    return fixedPlan(settings);
}

QStringList Tfrmgudingjihua::settingsTexts() const
{
    return {edtprekui->text(), edtlirun->text(), edtinofsin->text(), edtoutofsin->text(),
            edtdays->text()};
}

void Tfrmgudingjihua::btnalaClick()
{
    const auto settings = readSettings();
    if (!settings || !accept(checkPlanInputs(*settings)))
        return;
    const auto result = generate(*settings);
    if (!result)
        return;
    if (result->tooLarge) {
        dialogs::warning(this, u"所需倍数太大，无法投注！"_s);
        return;
    }
    if (result->outOfRange) {
        dialogs::warning(this, QString::fromUtf8(kPlanOutOfRange));
        return;
    }
    table_ = result->rows;
    std::vector<QStringList> rows;
    rows.reserve(table_.size());
    for (const PlanRow& row : table_)
        rows.push_back(rowTexts(row));
    // A phased plan may end before its last stage is full; the grid still has D rows.
    rows.resize(static_cast<std::size_t>(settings->periods));
    showTable(planHeaders(), std::move(rows));
    dialogs::information(this, u"平均每期净利润为:"_s
                                   + QString::number(columnAverage(table_, 5, settings->periods)));
}

void Tfrmgudingjihua::btnsaveClick() { savePlan(proposedFileName(), settingsTexts()); }

bool Tfrmgudingjihua::reportBadRow(int completeRows)
{
    // The count of complete rows, then the summary of what was read, as after a whole file.
    dialogs::information(this, QString::number(completeRows));
    return true;
}

void Tfrmgudingjihua::btnloadClick()
{
    const QStringList current = settingsTexts();
    const auto plan = loadPlan(proposedFileName(), static_cast<int>(current.size()), 7);
    if (!plan)
        return;
    std::int64_t periods = 0;
    if (plan->missingSettings || !parseWholeNumber(plan->settings[4], periods) || periods < 1
        || periods > kMaxPeriods) {
        dialogs::error(this, u"这不是一个投资计划文件：投注期数不是 1 到 %1 之间的整数。"_s.arg(kMaxPeriods));
        return;
    }
    if (static_cast<std::int64_t>(plan->cells.size()) > periods) {
        dialogs::error(this, u"文件中的计划有 %1 期，超过了它的投注期数 %2。"_s.arg(plan->cells.size())
                                 .arg(periods));
        return;
    }
    if (const std::string problem = checkPlanRows(plan->rows); !problem.empty()) {
        dialogs::error(this, u"载入停止："_s + QString::fromStdString(problem));
        return;
    }
    const QStringList names = {u"edtprekui"_s, u"edtlirun"_s, u"edtinofsin"_s, u"edtoutofsin"_s,
                         u"edtdays"_s, u"edtjieduan"_s};
    for (std::size_t i = 0; i < plan->settings.size(); ++i)
        findChild<QLineEdit*>(names.at(static_cast<qsizetype>(i)))
            ->setText(QString::fromStdString(plan->settings[i]));

    QStringList headers = planHeaders();
    headers[0] = loadedFirstHeader();
    std::vector<QStringList> rows(static_cast<std::size_t>(periods));
    for (std::size_t r = 0; r < plan->cells.size(); ++r)
        for (const std::string& cell : plan->cells[r])
            rows[r] << QString::fromStdString(cell);
    showTable(headers, std::move(rows));
    table_.assign(plan->rows.begin(), plan->rows.end());
    if (plan->failed && !reportBadRow(static_cast<int>(plan->rows.size())))
        return;
    dialogs::information(this, u"平均每期中奖金额为:"_s
                                   + QString::number(columnAverage(table_, 5, periods)));
}

void Tfrmgudingjihua::print()
{
    const QString line = u"前期亏损:%1  预测利润:%2  单倍投入:%3  单注奖金:%4  投注天数:%5  打印日期:%6"_s
                             .arg(edtprekui->text(), edtlirun->text(), edtinofsin->text(),
                                  edtoutofsin->text(), edtdays->text(), reportDateToday());
    printPlan(ReportLayout::FixedPlan, u"固定投资计划表"_s, line);
}

void Tfrmgudingjihua::btnprintClick() { print(); }

} // namespace pickora::ui
