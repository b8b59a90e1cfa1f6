#pragma once
// "最优开奖干支选号": the stems-and-branches method on the recommendation frame, showing the
// target's date, day stem and day branch.

#include "recommend/recommend_window.h"
#include "recommend/stems_branches.h"

class QButtonGroup;
class QGroupBox;

namespace pickora::ui {

class Tfrmganzhi : public RecommendWindow {
    Q_OBJECT
public:
    explicit Tfrmganzhi(const DrawStore& store, QWidget* parent = nullptr);

    bool additional() const; // "附加"

    void btncloseClick() { close(); }

protected:
    Backtest computeBacktest() const override;
    std::optional<std::vector<int>> generate() override;
    void targetChanged() override;
    // Enter anywhere in the window presses the default button "生成号码".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    QLineEdit* addBox(const QString& name, const QString& labelName, const QString& label,
                      QBoxLayout* row);

    QGroupBox* optadd;
    QButtonGroup* addButtons;
    QLineEdit* edtdate;
    QLineEdit* edttiangan;
    QLineEdit* edtdizhi;
    QPushButton* btnclose;
};

} // namespace pickora::ui
