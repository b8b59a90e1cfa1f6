#pragma once
// "最优亲密数字选号": the intimate numbers method on the recommendation frame, with the table
// of the counted intimate numbers.

#include "recommend/intimate_numbers.h"
#include "recommend/recommend_window.h"

class QButtonGroup;
class QGroupBox;

namespace pickora::ui {

class Tfrmqingmi : public RecommendWindow {
    Q_OBJECT
public:
    explicit Tfrmqingmi(const DrawStore& store, QWidget* parent = nullptr);

    IntimateSettings settings() const;
    const TextTableModel* codeModel() const { return codeModel_; }

    void optselClick();

protected:
    Backtest computeBacktest() const override;
    int firstChartRow() const override;
    std::optional<std::vector<int>> generate() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void applyCodeWidths();

    QGroupBox* optsel;
    QButtonGroup* selButtons;
    QLabel* lblselnum;
    QComboBox* comselnum;
    QComboBox* comjieduanqi;
    QTableView* tabcode;
    TextTableModel* codeModel_;
};

} // namespace pickora::ui
