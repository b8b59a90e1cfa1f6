#pragma once
// The frame shared by the two omission windows ("中奖偏态分析选号" and "中奖回补分析选号"):
// a table rating every number against the theoretical rate, a chart of four figures per number,
// and buttons that sort both. Always over the standard history.

#include <QList>
#include <QWidget>
#include <vector>

#include "analysis/omission_analysis.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QTableView;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class BarChart;
class TextTableModel;

class OmissionWindow : public QWidget {
    Q_OBJECT
public:
    OmissionVariant variant() const { return variant_; }
    // Kept between computations; every button sets it before computing.
    SortMode sortMode() const { return sortMode_; }
    // The rows as the table shows them.
    const std::vector<OmissionRow>& rows() const { return rows_; }

    void btnalaClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void chk0Click();
    void chk1Click();
    void chk2Click();
    void chk3Click();
    void chkhistorybiaoClick();

protected:
    OmissionWindow(OmissionVariant variant, const DrawStore& store, QWidget* parent);
    // Enter anywhere in the window presses the default button "分析".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void compute(SortMode mode);
    void drawChart();

    const DrawStore& store_;
    const OmissionVariant variant_;
    SortMode sortMode_ = SortMode::None;
    std::vector<OmissionRow> rows_;
    TextTableModel* model_;

    QTableView* tabhistory;
    BarChart* chthistory;
    QGroupBox* GroupBox1;
    QCheckBox* chk0;
    QCheckBox* chk1;
    QCheckBox* chk2;
    QCheckBox* chk3;
    QCheckBox* chkhistorybiao;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* btnala;
    QPushButton* Button4;
};

} // namespace pickora::ui
