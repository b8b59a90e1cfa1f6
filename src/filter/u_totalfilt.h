#pragma once
// "总体过滤": narrowing the ordered bets by indicator ranges, dan numbers and picked balls
// (tab "常规过滤"), and intersecting pasted bet lists with a prize check (tab "大底交集").

#include <QList>
#include <QWidget>
#include <array>

#include "filter/total_filter.h"
#include "store/program_folder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace pickora {
class DrawStore;
class RandomSource;
}

namespace pickora::ui {

class BetListModel;

class Tfrmtotalfilt : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmtotalfilt(DrawStore& store, QWidget* parent = nullptr);

    bool freshStart() const { return freshStart_; }
    const BetListModel* listModel() const { return listModel_; }
    QList<int> selectedBalls() const;
    // "标准走势" lets the player pick balls; "变幻走势" unticks and locks the picking.
    void setBallPicking(bool enabled);

    void btnfiltClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void btnclearClick();
    void btncloseClick() { hide(); }
    void tileClick(int number);
    void btnsuiji1Click();
    void chkhongqiuClick();

    void btnpstClick(int memo);
    void memChange(int memo);
    void btnjiaoqizClick();
    void btncopyzClick();
    void btnclsClick();
    void btnduijiangzClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFilterTab();
    QWidget* buildBaseTab();
    FilterForm readForm() const;
    std::optional<FilterConditions> readConditions();
    FilterContext context() const;
    void setTile(int number, bool selected);
    bool tileSelected(int number) const;
    void updateSelectionCount();
    void showList(int blanks, int kept);
    // Lets the window paint while a long loop runs, at most every few milliseconds.

    DrawStore& store_;
    RandomSource& random_;
    bool freshStart_ = true;

    QTabWidget* tabs = nullptr;
    std::array<QCheckBox*, 7> indicatorBoxes{};
    std::array<QComboBox*, 7> lowLists{};
    std::array<QComboBox*, 7> highLists{};
    QCheckBox* chkdanma = nullptr;
    QLineEdit* edtdanma = nullptr;
    QLineEdit* edtnum1 = nullptr;
    QLineEdit* edtnum2 = nullptr;
    QCheckBox* chkhongqiu = nullptr;
    QLineEdit* edtzhong1 = nullptr;
    QLineEdit* edtzhong2 = nullptr;
    QPushButton* btnsuiji1 = nullptr;
    QLineEdit* edtsuiji1 = nullptr;
    QList<QPushButton*> tiles;
    QTableView* grdtotalcode = nullptr;
    BetListModel* listModel_ = nullptr;
    QLabel* lbljushu = nullptr;
    QProgressBar* pb = nullptr;
    QPushButton* btnsave = nullptr;
    QPushButton* btnclear = nullptr;
    QPushButton* btnfilt = nullptr;
    QPushButton* btnload = nullptr;
    QPushButton* btnprint = nullptr;
    QPushButton* btnclose = nullptr;

    std::array<QLabel*, 8> baseLabels{};
    std::array<QPlainTextEdit*, 8> baseMemos{};
    QLabel* lbl = nullptr;
    QPlainTextEdit* mem = nullptr;
    QLineEdit* edtkaijiangz = nullptr;
    QLineEdit* edtresultz = nullptr;
    QLineEdit* edtcuo1 = nullptr;
    QLineEdit* edtcuo2 = nullptr;
};

} // namespace pickora::ui
