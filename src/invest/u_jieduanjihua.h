#pragma once
// "阶段计划投资": the fixed plan cut into stages, one multiplier for every period of a stage.

#include "invest/u_gudingjihua.h"

namespace pickora::ui {

class Tfrmjieduanjihua : public Tfrmgudingjihua {
    Q_OBJECT
public:
    explicit Tfrmjieduanjihua(ProgramFolder folder, QWidget* parent = nullptr);

protected:
    void addExtraFields() override;
    std::optional<PlanResult> generate(const PlanSettings& settings) override;
    QStringList settingsTexts() const override;
    QString proposedFileName() const override { return QStringLiteral("阶段投资计划表.txt"); }
    QString loadedFirstHeader() const override { return QStringLiteral("投注期号"); }
    bool reportBadRow(int completeRows) override;
    void print() override;

private:
    QLineEdit* edtjieduan = nullptr;
};

} // namespace pickora::ui
