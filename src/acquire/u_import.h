#pragma once
// "导入开奖号码": draws from pasted text or a text file into one lottery's number table. Every
// line is shown first with its issue, numbers, date and status (new, already stored,
// conflicting, refused with the reason); "导入" then writes the new draws in issue order in one
// transaction and reloads the lottery if it is the open one. Closing writes nothing.

#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>
#include <vector>

#include "acquire/draw_import.h"
#include "store/db_engine.h"
#include "store/program_folder.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

// The preview grid's rows: one per line of the text that holds a draw or was refused.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { LineColumn, IssueColumn, NumbersColumn, DateColumn, StatusColumn, NoteColumn, kColumns };

    using QAbstractTableModel::QAbstractTableModel;
    void setPreview(ImportText text, ImportPlan plan);
    const ImportText& text() const { return text_; }
    const ImportPlan& plan() const { return plan_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "新增", "已有", "冲突" or "不导入".
    static QString statusText(ImportStatus status);

private:
    ImportText text_;
    ImportPlan plan_;
};

class Tfrmimport : public QDialog {
    Q_OBJECT
public:
    // With a lottery open in `store`, the import goes into its table and reloads it; otherwise
    // the player chooses one of the database's lotteries (`lottery` chosen first, if given).
    Tfrmimport(ProgramFolder folder, DrawStore* store, const QString& lottery = {},
               QWidget* parent = nullptr);
    ~Tfrmimport() override;

    const ImportPreviewModel& preview() const { return *model_; }
    // The draws the last "导入" wrote (0 before it).
    int importedCount() const { return imported_; }
    QString chosenLottery() const;

    // Handlers.
    void comcaipiaoChange();
    void memtextChange();
    void btnpasteClick();
    void btnfileClick();
    void btnimportClick();
    void btncloseClick();

    // Reads the text again and shows every line's status (done shortly after each edit).
    void refreshPreview();

private:
    void placeControls();
    // Reads the chosen table's stored draws; false (after telling the player) when it cannot.
    bool loadStoredDraws();
    // Reloads the open lottery after its table changed; a failure is shown.
    void reloadOpenLottery();

    ProgramFolder folder_;
    DrawStore* store_;
    db::DbConnection connection_;
    StoredNumbers stored_;
    int imported_ = 0;
    ImportPreviewModel* model_;
    QTimer* previewTimer_;

    QLabel* lblcaipiao;
    QComboBox* comcaipiao;
    QPushButton* btnpaste;
    QPushButton* btnfile;
    QLabel* lbltext;
    QPlainTextEdit* memtext;
    QLabel* lblpreview;
    QTableView* grdpreview;
    QLabel* lblcount;
    QPushButton* btnimport;
    QPushButton* btnclose;
};

} // namespace pickora::ui
