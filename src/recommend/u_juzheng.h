#pragma once
// "旋转矩阵组号缩水": turns the numbers the player wants to cover into a reduced bet list by a
// wheel file of 旋转矩阵/, balanced ("平衡式") or with one or two bankers ("胆拖式").

#include <QList>
#include <QWidget>

#include "recommend/wheel_bets.h"
#include "widgets/table_report.h"
#include "store/program_folder.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pickora::ui {

class TextTableModel;

class Tfrmjuzheng : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmjuzheng(ProgramFolder folder, QWidget* parent = nullptr);

    const TextTableModel* gridModel() const { return model_; }
    // The 21 number boxes, numbered 1 … 21 row by row.
    const QList<QLineEdit*>& numberBoxes() const { return boxes_; }
    // The settings as the controls show them.
    WheelSettings settings() const;

    void optjutypeClick();
    void commainnumChange();
    void comdannumChange();
    void btngenClick();
    void btnsaveClick();
    // Prints the bet list in the total filter's list layout: a serial number and the bet.
    void btnprintClick();
    TableReportRequest printRequest() const;
    void btncloseClick() { hide(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    QComboBox* addList(const char* name, const char* labelName, const QString& label,
                       const QStringList& items, int current);
    void placeControls();
    void placeNumberBoxes();
    void recolourBoxes();
    void applyColumnWidths();

    ProgramFolder folder_;
    QString listMatrix_; // the wheel the list was made with, for the print-out's title
    QList<QLineEdit*> boxes_;
    QList<QLabel*> labels_;
    TextTableModel* model_ = nullptr;

    QLabel* lblcode = nullptr;
    QTableView* tabcode = nullptr;
    QComboBox* comcainum = nullptr;
    QGroupBox* optjutype = nullptr;
    QButtonGroup* jutypeButtons = nullptr;
    QComboBox* commainnum = nullptr;
    QComboBox* comdannum = nullptr;
    QComboBox* comoknum = nullptr;
    QComboBox* combaonum = nullptr;
    QLabel* lbljushu = nullptr;
    QLineEdit* edtjushu = nullptr;
    QGroupBox* grphao = nullptr;
    QLabel* lblhint = nullptr;
    QPushButton* btngen = nullptr;
    QPushButton* btnsave = nullptr;
    QPushButton* btnprint = nullptr;
    QPushButton* btnclose = nullptr;
};

} // namespace pickora::ui
