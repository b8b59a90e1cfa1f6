#pragma once
// The frame shared by the eight indicator windows: the table of every draw with its value, a bar
// chart of the newest W draws, the summary against the theory and the advice line.

#include <QWidget>

#include "analysis/indicator_view_logic.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class BarChart;
class TextTableModel;

// The views lie over the main window's dark background picture: their labels, check boxes and
// group boxes get the window colour behind them, so their dark text stays readable.
void backOnPicture(QWidget* view);

class IndicatorView : public QWidget {
    Q_OBJECT
public:
    IndicatorView(IndicatorKind kind, const DrawStore& store, QWidget* parent = nullptr);

    IndicatorKind kind() const { return kind_; }
    int window() const { return window_; }
    const IndicatorComputation& computation() const { return computation_; }
    // The history in force decides the source: the main window calls these on a mode switch.
    void computeStandard();
    void computeTransformed();
    void drawChart();

    void comzuijingqishuChange(int index);
    void btntongjiClick();
    void chkhistorybiaoClick();

private:
    void compute(bool transformed);
    void fitTableWidth();

    IndicatorKind kind_;
    const DrawStore& store_;
    int window_ = 0;
    IndicatorComputation computation_;
    TextTableModel* model_;

    QLabel* Label1;
    QTableView* tabhistory;
    BarChart* chthistory;
    QGroupBox* GroupBox1;
    QCheckBox* chkhistorybiao;
    QLabel* Label5;
    QPlainTextEdit* mem;
    QLabel* Label6;
    QComboBox* comzuijingqishu;
    QPushButton* btntongji;
};

} // namespace pickora::ui
