#pragma once
// What the four "无穷…排除选号" windows share: the target period, the stop rule, the start/stop
// button and its search loop, the result list with save, load and clear, and the history grid
// and chart of the members that have one. A member adds its settings, its test and its view.

#include <QWidget>
#include <memory>
#include <optional>

#include "exclude/candidate_table.h"
#include "exclude/exclusion_members.h"
#include "exclude/history_statistics.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace pickora {
class DrawStore;
class RandomSource;
} // namespace pickora

namespace pickora::ui {

class BarChart;
class ExclusionListModel;
class TextTableModel;

struct ExclusionTraits {
    const char* searchButton = "btngen"; // the follow member's is "btnfilt"
    int headerBlanks = 48;
    int searchBlanks = 4;      // row prefix after a search
    int loadBlanks = 42;       // row prefix after a load
    bool continues = false;    // a finished search clears freshStart (repeat, big/odd)
    bool bigOddLoad = false;   // loads stop at the first blank line, keep repeats, no row limit
    bool saveListRows = false; // the follow member saves the list rows, the others the table
    QString saveCaption = QStringLiteral("保存");
    QString clearCaption = QStringLiteral("清除");
    QString countCaption = QStringLiteral("投注号码："); // the count label when the list is empty
    QString defaultTarget = QStringLiteral("10000");
    QString defaultPasses = QStringLiteral("10000");
};

class ExclusionWindow : public QWidget {
    Q_OBJECT
public:
    ExclusionWindow(DrawStore& store, const QString& className, const QString& caption,
                    ExclusionTraits traits, QWidget* parent);
    ~ExclusionWindow() override;

    bool freshStart() const { return freshStart_; }
    const CandidateTable& table() const { return table_; }
    const ExclusionListModel* listModel() const { return listModel_; }
    bool searching() const;
    // Passes begun by the running or the last search.
    long long passesRun() const { return passes_; }

    void searchClick(); // btngenClick / btnfiltClick
    void btnsaveClick();
    void btnloadClick();
    void btnclearClick();
    void btncloseClick() { hide(); }
    void comcurqiChange();

protected:
    // The member's test for one search, or nothing after it showed why the settings are refused.
    virtual std::unique_ptr<ExclusionMember> makeMember(ExclusionBasis basis) = 0;
    // After a search, finished or stopped (the member keeps the window of its last pass, say).
    virtual void searchEnded(const ExclusionMember&) {}
    virtual void afterClear() {}
    virtual void afterSearch() {}

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Shows "目前投注期之前只有 n 期开奖记录…" and returns false when fewer than `needed` draws
    // lie before the target period.
    bool enoughDraws(int needed, const QString& what);
    // A whole number of `box` in lo..hi, or nothing after a message naming the field.
    std::optional<int> readSetting(const QString& field, const QString& text, int lo, int hi);
    int targetPeriod() const { return target_; }
    int drawCount() const;
    const std::vector<Draw>& draws() const;
    ExclusionBasis basis() const;
    RandomSource& random() { return random_; }
    DrawStore& store() { return store_; }

    // The history grid, chart and marks box of the sum, repeat and follow members.
    void createHistory(const QString& chartTitle, const QString& seriesTitle, const QColor& color);
    void showHistory(const HistoryStatistics& statistics);
    void redrawChart();

    // Labelled rows for the layouts.
    QWidget* stopRuleBox();
    QWidget* listBox();
    QWidget* labelled(const QString& label, QWidget* control);

    ExclusionTraits traits_;
    QComboBox* comcurqi = nullptr;
    QComboBox* comjieduannum = nullptr;
    QRadioButton* optjushu = nullptr;
    QLineEdit* edtjushu = nullptr;
    QRadioButton* optcishu = nullptr;
    QLineEdit* edtcishu = nullptr;
    QPushButton* btngen = nullptr; // "btngen" or "btnfilt"
    QTableView* tabcode = nullptr;
    QLabel* lbljushu = nullptr;
    QProgressBar* pb = nullptr;
    QPushButton* btnsave = nullptr;
    QPushButton* btnload = nullptr;
    QPushButton* btnclear = nullptr;
    QPushButton* btnclose = nullptr;

    QTableView* tabhistory = nullptr;
    TextTableModel* historyModel_ = nullptr;
    BarChart* chthistory = nullptr;
    QCheckBox* chkhistorybiao = nullptr;
    HistoryStatistics history_;
    QString seriesTitle_;
    QColor seriesColor_;

private:
    void finishSearch(CandidateTable work, int remaining);
    void showCount(int count);

    DrawStore& store_;
    RandomSource& random_;
    CandidateTable table_;
    ExclusionListModel* listModel_ = nullptr;
    bool freshStart_ = true;
    int target_ = 0;
    long long passes_ = 0;
};

} // namespace pickora::ui
