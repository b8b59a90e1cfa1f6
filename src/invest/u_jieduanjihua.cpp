#include "invest/u_jieduanjihua.h"

#include <QLineEdit>

#include "widgets/table_report.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmjieduanjihua::Tfrmjieduanjihua(ProgramFolder folder, QWidget* parent)
    : Tfrmgudingjihua(std::move(folder), u"Tfrmjieduanjihua"_s, u"阶段计划投资"_s, parent)
{
    build();
}

void Tfrmjieduanjihua::addExtraFields()
{
    edtjieduan = addField("edtjieduan", u"阶段次数："_s, u"10"_s);
}

std::optional<PlanResult> Tfrmjieduanjihua::generate(const PlanSettings& settings)
{
    const auto stages = readField(edtjieduan);
    if (!stages || !accept(checkStageCount(*stages)))
        return std::nullopt;
    return phasedPlan(settings, *stages);
}

QStringList Tfrmjieduanjihua::settingsTexts() const
{
    return Tfrmgudingjihua::settingsTexts() << edtjieduan->text();
}

bool Tfrmjieduanjihua::reportBadRow(int completeRows)
{
    dialogs::error(this, u"载入停止：第 %1 期的数据不是有效的整数。"_s.arg(completeRows + 1));
    return false;
}

void Tfrmjieduanjihua::print()
{
    const QString line = u"前期亏损:%1 预测利润:%2 单倍投入:%3 单注奖金:%4 投注天数:%5 阶段次数:%6 打印日期:%7"_s
                             .arg(edtprekui->text(), edtlirun->text(), edtinofsin->text(),
                                  edtoutofsin->text(), edtdays->text(), edtjieduan->text(),
                                  reportDateToday());
    printPlan(ReportLayout::PhasedPlan, u"阶段投资计划表"_s, line);
}

} // namespace pickora::ui
