#pragma once
// The frame of the four "最优…选号" windows: the target period list, "生成号码" with its output
// line, the back-test grid down the left side, the summary memo, the history chart and (for two
// methods) the hit-distribution chart. Each method's window adds its settings and its rule.

#include <QWidget>
#include <optional>
#include <vector>

#include "recommend/backtest.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pickora {
class DrawStore;
class DrawHistory;
struct LotteryProfile;
}

namespace pickora::ui {

class BarChart;
class TextTableModel;

class RecommendWindow : public QWidget {
    Q_OBJECT
public:
    // With no stored draw there is nothing to recommend from: tells the player and gives false.
    static bool historyAvailable(const DrawStore& store, QWidget* parent);

    RecommendMethod method() const { return method_; }
    // The target T: an index into the history, the count for the next period.
    int target() const;
    const Backtest& backtest() const { return backtest_; }

    void comcurqiChange();
    void btngenClick();
    void btntongjiClick();
    void chkhistorybiaoClick();
    void CheckBox1Click();

protected:
    RecommendWindow(RecommendMethod method, const DrawStore& store, QWidget* parent);

    // The method's rule: its back-test with the current settings, the first row the grid and
    // the history chart show, and the output of "生成号码" (nothing when refused, after saying
    // why).
    virtual Backtest computeBacktest() const = 0;
    virtual int firstShownRow() const { return 0; }
    virtual int firstChartRow() const { return firstShownRow(); }
    virtual std::optional<std::vector<int>> generate() = 0;
    // The target has changed (the stems-and-branches window shows its date).
    virtual void targetChanged() {}

    // The methods' settings go here, between the charts and the frame's controls.
    QBoxLayout* settingsArea() const { return settingsArea_; }
    // Fills the target list (last item chosen), runs the back-test and draws the charts.
    void startUp();
    const DrawHistory& history() const;
    const LotteryProfile& profile() const;
    QComboBox* addNumberList(const QString& name, int from, int to, int defaultValue);
    // Sets the widths of the history grid's columns (they follow the grid's width).
    void applyColumnWidths();

    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QLabel* lblcurcode = nullptr;
    QPushButton* btngen = nullptr;

private:
    void showBacktest();
    void drawHistoryChart();
    void drawDistributionChart();

    const RecommendMethod method_;
    const DrawStore& store_;
    Backtest backtest_;
    int shownFrom_ = 0; // the first history row the grid shows
    int chartFrom_ = 0;
    TextTableModel* model_;

    QLabel* lblhistory;
    QTableView* tabhistory;
    BarChart* chthistory;
    QCheckBox* chkhistorybiao;
    BarChart* chtcishu = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QBoxLayout* settingsArea_;
    QLabel* lblcurqi;
    QComboBox* comcurqi;
    QPushButton* btntongji;
    QLineEdit* edtcurcode;
    QLabel* lblmem;
    QPlainTextEdit* mem;
};

} // namespace pickora::ui
