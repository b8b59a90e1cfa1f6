#pragma once
// "固定计划投资": the smallest multiplier of every period that keeps the expected profit.

#include "invest/plan_window.h"

class QPushButton;

namespace pickora::ui {

class Tfrmgudingjihua : public PlanWindow {
    Q_OBJECT
public:
    explicit Tfrmgudingjihua(ProgramFolder folder, QWidget* parent = nullptr);

    const PlanTable& planTable() const { return table_; }

    void btnalaClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void btncloseClick() { hide(); }

protected:
    // What the phased plan changes.
    Tfrmgudingjihua(ProgramFolder folder, const QString& objectName, const QString& caption,
                    QWidget* parent);
    void build();
    virtual void addExtraFields() {}
    virtual std::optional<PlanResult> generate(const PlanSettings& settings);
    virtual QStringList settingsTexts() const;
    virtual QString proposedFileName() const { return QStringLiteral("固定投资计划表.txt"); }
    virtual QString loadedFirstHeader() const { return QStringLiteral("投注时间"); }
    // A bad value while loading: the fixed plan shows how many rows were read completely and
    // goes on to the summary (true); the phased plan stops there (false).
    virtual bool reportBadRow(int completeRows);
    virtual void print();

    PlanTable table_;
    QPushButton* btnala = nullptr;
    QPushButton* btnsave = nullptr;
    QPushButton* btnload = nullptr;
    QPushButton* btnprint = nullptr;
    QPushButton* btnclose = nullptr;
};

// The seven column headers of the fixed and phased plans.
QStringList planHeaders();

} // namespace pickora::ui
