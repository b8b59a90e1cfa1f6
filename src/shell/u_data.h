#pragma once
// The draw editor "彩票数据": browse any lottery's number table, add, correct or delete draws by
// hand, and export a lottery's history to a text file. Opened modally after the lottery closes.

#include <QDialog>
#include <QList>

#include "store/db_engine.h"
#include "store/program_folder.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QToolButton;

namespace pickora::ui {

class RecordSetModel;

// The record navigator: ten buttons over the grid's rows.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtons = 10;

    explicit DbNavigator(QWidget* parent);
    QToolButton* button(Button which) const { return buttons_[which]; }

signals:
    void clicked(DbNavigator::Button which);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QToolButton*> buttons_;
};

class Tfrmdata : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmdata(ProgramFolder folder, QWidget* parent = nullptr);
    ~Tfrmdata() override;

    bool adding() const { return adding_; }
    RecordSetModel& model() const { return *model_; }
    int currentRow() const;

    // Handlers.
    void lstcaipiaoClick();
    void btneditClick();
    void btnaddClick();
    void btnsaveClick();
    void btnimportClick();
    void btnextClick();
    void dbv_caipiaoClick(DbNavigator::Button which);

public slots:
    // Closing is refused while adding.
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void placeControls();
    void setColumnWidths();
    void setCurrentRow(int row);
    void gridCurrentRowChanged(int row);
    // Ends an open cell editor, so that its text reaches the model.
    void commitGridEditor();
    // Saves the row being edited or inserted; false (after telling the player) when refused.
    bool postPending();
    void updateNavigator();
    QString selectedLottery() const;

    ProgramFolder folder_;
    db::DbConnection connection_;
    RecordSetModel* model_ = nullptr;
    bool adding_ = false;
    bool moving_ = false;
    QString shownLottery_;

    QLabel* Label1;
    QListWidget* lstcaipiao;
    QLabel* Label2;
    QTableView* grdcaipiao;
    DbNavigator* dbv_caipiao;
    QPushButton* btnadd;
    QPushButton* btnsave;
    QPushButton* btnimport;
    QPushButton* btnedit;
    QPushButton* btnext;
};

} // namespace pickora::ui
