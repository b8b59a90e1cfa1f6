#pragma once
// "投资模式分析": a list of digit bets against the draw history — which draws it would have won,
// the gaps between wins and their statistics — a replay of a multiplier strategy over those gaps
// ("分析") with the running balance drawn as a line, and a search of the strategy settings for the
// best balance ("搜索"), which runs on every core while the window keeps painting.

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "invest/investment_mode.h"
#include "invest/investment_simulation.h"
#include "store/program_folder.h"

class QButtonGroup;
class QCheckBox;
class QChartView;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;
class QToolButton;
class QLineSeries;

namespace pickora {
class DrawStore;
class RandomSource;
class Ttozithread;
struct InvestmentSettingsFile;
}

namespace pickora::ui {

class TextTableModel;

class Tfrmtozi : public QWidget {
    Q_OBJECT
public:
    Tfrmtozi(DrawStore& store, ProgramFolder folder, QWidget* parent = nullptr);
    ~Tfrmtozi() override;

    void btnfiltClick();
    void btnclearClick();
    void btnalaClick();
    void btnyouhuaClick();
    void btncloseClick() { hide(); }
    void optzhuzhiClick();
    void chksepmodeClick();
    void mnucodesaveClick();
    void mnusetsaveClick();
    void mnubothsaveClick();
    void mnucodeloadClick();
    void mnusetloadClick();
    void mnubothloadClick();
    void mnucodeprintClick();
    void mnusetprintClick();

    // What the window holds, for tests.
    const std::vector<Bet>& bets() const { return bets_; }
    const HitGapTable& gapTable() const { return gapTable_; }
    const SimulationResult& lastSimulation() const { return simulation_; }
    bool searching() const { return search_ != nullptr; }
    const TextTableModel* codeModel() const { return codeModel_; }
    const TextTableModel* gapModel() const { return gapModel_; }
    const TextTableModel* statModel() const { return statModel_; }
    const TextTableModel* resultModel() const { return resultModel_; }
    // The running balance the chart draws, one point per run (the first is 0).
    const std::vector<std::int64_t>& balanceLine() const { return balanceLine_; }
    // The twelve texts of the printed settings page, left then right on each line.
    std::vector<std::pair<QString, QString>> settingsPageLines() const;
    QString listTitle() const;
    QString settingsTitle() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSettingsGroup();
    QComboBox* addList(const char* name, int first, int last);
    PlayType playType() const;
    void setPlayType(PlayType type);
    // The settings boxes read and checked; nothing (after a message) when one is refused.
    std::optional<SimulationSettings> readSimulationSettings();
    // Replays the strategy and shows it; `quiet` during the search.
    void runSimulation(bool quiet);
    void showSimulation();
    void useBets(PlayType type, std::vector<Bet> bets);
    void showBets();
    void showGapTable();
    void showIntervalStats();
    void clearResults();
    InvestmentSettingsFile settingsFile() const;
    void applySettingsFile(const InvestmentSettingsFile& settings);
    bool haveBetList();
    void saveText(const QString& ending, const std::string& text);
    std::optional<std::string> loadText(const QString& ending);
    void setSearchLock(bool locked);
    void searchTick();
    void finishSearch();
    void resizeColumns();

    DrawStore& store_;
    RandomSource& random_;
    ProgramFolder folder_;
    PlayType listType_ = PlayType::Direct; // the play type the list was matched with
    std::vector<Bet> bets_;
    HitGapTable gapTable_;
    SimulationResult simulation_;
    std::vector<std::int64_t> balanceLine_;
    std::unique_ptr<Ttozithread> search_;
    QTimer* searchTimer_ = nullptr;

    QGroupBox* optzhuzhi = nullptr;
    QButtonGroup* playTypes_ = nullptr;
    QGroupBox* grptozi = nullptr;
    QComboBox* comsepindex = nullptr;
    QComboBox* comsepnum = nullptr;
    QComboBox* comtozisep = nullptr;
    QComboBox* comtozirep = nullptr;
    QLineEdit* edtsinmax = nullptr;
    QLineEdit* edtallmax = nullptr;
    QLineEdit* edtjushu = nullptr;
    QLineEdit* edtoutofsin = nullptr;
    QLineEdit* edtlirun = nullptr;
    QLineEdit* edtallwin = nullptr;
    QCheckBox* chkyuji = nullptr;
    QCheckBox* chksepmode = nullptr;
    QTableView* grdsep = nullptr;
    QTableView* grdcode = nullptr;
    QTableView* grdsepmode = nullptr;
    QTableView* grdtozi = nullptr;
    TextTableModel* gapModel_ = nullptr;
    TextTableModel* codeModel_ = nullptr;
    TextTableModel* statModel_ = nullptr;
    TextTableModel* resultModel_ = nullptr;
    QChartView* chtbalance = nullptr;
    QLineSeries* balanceSeries_ = nullptr;
    QProgressBar* pb = nullptr;
    QPushButton* btnfilt = nullptr;
    QPushButton* btnclear = nullptr;
    QPushButton* btnala = nullptr;
    QPushButton* btnyouhua = nullptr;
    QPushButton* btnclose = nullptr;
    QToolButton* tlbtnsave = nullptr;
    QToolButton* tlbtnload = nullptr;
    QToolButton* tlbtnprint = nullptr;
};

} // namespace pickora::ui
