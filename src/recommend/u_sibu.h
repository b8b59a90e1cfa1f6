#pragma once
// "最优四步综合选号": the four-step method on the recommendation frame, with a box for what each
// step selected.

#include "recommend/four_step.h"
#include "recommend/recommend_window.h"

namespace pickora::ui {

class Tfrmsibu : public RecommendWindow {
    Q_OBJECT
public:
    explicit Tfrmsibu(const DrawStore& store, QWidget* parent = nullptr);

    FourStepSettings settings() const;

    void btncloseClick() { close(); }

protected:
    Backtest computeBacktest() const override;
    int firstShownRow() const override;
    std::optional<std::vector<int>> generate() override;

private:
    void FormCreate();
    QLineEdit* addStep(const QString& before, QComboBox* list, const QString& after, int step);

    QComboBox* com1;
    QComboBox* com2;
    QComboBox* com3;
    QComboBox* com4;
    QLineEdit* edtcode1;
    QLineEdit* edtcode2;
    QLineEdit* edtcode3;
    QLineEdit* edtcode4;
    QPushButton* btnclose;
};

} // namespace pickora::ui
