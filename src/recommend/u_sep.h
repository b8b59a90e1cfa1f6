#pragma once
// "最优间隔回补选号": the interval rebound method on the recommendation frame.

#include "recommend/interval_rebound.h"
#include "recommend/recommend_window.h"

namespace pickora::ui {

class Tfrmsep : public RecommendWindow {
    Q_OBJECT
public:
    explicit Tfrmsep(const DrawStore& store, QWidget* parent = nullptr);

    IntervalReboundSettings settings() const;

protected:
    Backtest computeBacktest() const override;
    std::optional<std::vector<int>> generate() override;

private:
    void FormCreate();

    QComboBox* comqishu;
    QComboBox* comcodenum;
};

} // namespace pickora::ui
