#pragma once
// "可变投资计划": the plan built period by period while playing, from the bets of each period.

#include "invest/plan_window.h"

class QPushButton;

namespace pickora::ui {

class Tfrmkeibianjihua : public PlanWindow {
    Q_OBJECT
public:
    explicit Tfrmkeibianjihua(ProgramFolder folder, QWidget* parent = nullptr);

    const PlanTable& planTable() const { return table_; }
    bool building() const { return building_; }

    void btnnewClick();
    void btnjisuanClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void btncloseClick() { hide(); }

private:
    void startBuilding();
    void stopBuilding();
    QStringList settingsTexts() const;

    PlanTable table_; // one row per period added; the counter is its size
    bool building_ = false;
    QLineEdit* edtjushu = nullptr;
    QPushButton* btnnew = nullptr;
    QPushButton* btnjisuan = nullptr;
    QPushButton* btnsave = nullptr;
    QPushButton* btnload = nullptr;
    QPushButton* btnprint = nullptr;
    QPushButton* btnclose = nullptr;
};

// The eight column headers of the variable plan.
QStringList variablePlanHeaders();

} // namespace pickora::ui
