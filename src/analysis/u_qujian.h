#pragma once
// The interval window "区间分析": zone counts of every draw and a chart of the newest W draws,
// one series per zone.

#include <QList>
#include <QWidget>

#include "analysis/interval_analysis.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class BarChart;
class TextTableModel;

class Tfrmqujian : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmqujian(const DrawStore& store, QWidget* parent = nullptr);

    int window() const { return window_; }
    int zones() const { return zones_; }
    const IntervalComputation& computation() const { return computation_; }
    // The main window's mode buttons choose the history; "开始统计" always takes the stored one.
    void computeStandard();
    void computeTransformed();
    void drawChart();

    void comqujianChange(int index);
    void comzuijingqishuChange(int index);
    void btntongjiClick();

private:
    void compute(bool transformed);

    const DrawStore& store_;
    int window_ = 0;
    int zones_ = 0;
    int computedWindow_ = 0; // the chart covers the window of the last computation
    IntervalComputation computation_;
    TextTableModel* model_;

    QLabel* Label1;
    QTableView* tabhistory;
    BarChart* chthistory;
    QGroupBox* GroupBox1;
    QList<QCheckBox*> chkqu;
    QCheckBox* chkhistorybiao;
    QLabel* Label6;
    QComboBox* comzuijingqishu;
    QLabel* Label7;
    QComboBox* comqujian;
    QPushButton* btntongji;
};

} // namespace pickora::ui
