#pragma once
// The frame of the three plan windows: the settings boxes and buttons down the right edge, the
// plan grid filling the rest, and the shared save, load and print steps.

#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "invest/plan.h"
#include "invest/plan_file.h"
#include "widgets/report_layout.h"
#include "store/program_folder.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace pickora::ui {

class TextTableModel;

class PlanWindow : public QWidget {
    Q_OBJECT
public:
    const TextTableModel* gridModel() const { return model_; }
    QTableView* grid() const { return grdjihua; }

protected:
    PlanWindow(ProgramFolder folder, const QString& objectName, const QString& caption,
               QWidget* parent);

    QLineEdit* addField(const char* name, const QString& label, const QString& defaultText);
    // The five settings every plan has, with their defaults.
    void addSharedFields();
    QPushButton* addButton(const char* name, const QString& caption);
    // Lays the window out wide enough for the grid's `headers` (up to a 1024-pixel screen) and
    // cascades it below the plan windows opened before it.
    void finishLayout(const QStringList& headers);

    // The five shared settings, each a whole number; nothing (after a message) when one is not.
    std::optional<PlanSettings> readSettings();
    std::optional<qint64> readField(QLineEdit* edit);
    // A message box for a refused setting; true when `problem` is empty.
    bool accept(const std::string& problem);

    void showTable(const QStringList& headers, std::vector<QStringList> rows);
    static QStringList rowTexts(const PlanRow& row);
    std::vector<QStringList> gridRows() const;

    // Save: the settings texts and the grid; "成功保存！" after a complete write.
    bool savePlan(const QString& proposedName, const QStringList& settings);
    // Load: the chosen file, parsed; nothing when cancelled or unreadable.
    std::optional<LoadedPlan> loadPlan(const QString& proposedName, int settingsCount,
                                       int columns);
    void printPlan(ReportLayout layout, const QString& title, const QString& settingsLine);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QLineEdit* edtprekui = nullptr;
    QLineEdit* edtlirun = nullptr;
    QLineEdit* edtinofsin = nullptr;
    QLineEdit* edtoutofsin = nullptr;
    QLineEdit* edtdays = nullptr;
    QTableView* grdjihua = nullptr;
    TextTableModel* model_ = nullptr;

private:
    void applyColumnWidths();
    ProgramFolder folder_;
    QVBoxLayout* side_ = nullptr;
    std::vector<std::pair<QLineEdit*, QString>> labels_; // each box with its label text
};

} // namespace pickora::ui
