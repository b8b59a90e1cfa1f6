#include "shell/u_data.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <vector>

#include "acquire/u_import.h"
#include "widgets/dialogs.h"
#include "shell/record_set_model.h"
#include "store/history_export.h"
#include "store/lottery_schema.h"
#include "store/text_files.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

// ---------------------------------------------------------------------------------------------

DbNavigator::DbNavigator(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"dbv_caipiao"_s);
    struct Item {
        const char* name;
        QString glyph;
        QString hint;
    };
    const Item items[kButtons] = {
        {"nbFirst", u"|◀"_s, u"首条记录"_s},   {"nbPrior", u"◀"_s, u"前面一条"_s},
        {"nbNext", u"▶"_s, u"下面一条"_s},     {"nbLast", u"▶|"_s, u"最末记录"_s},
        {"nbInsert", u"+"_s, u"添加记录"_s},   {"nbDelete", u"−"_s, u"删除记录"_s},
        {"nbEdit", u"▲"_s, u"修改记录"_s},     {"nbPost", u"✔"_s, u"保存修改"_s},
        {"nbCancel", u"✘"_s, u"取消修改"_s},   {"nbRefresh", u"↻"_s, u"刷新记录"_s}};
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1StringView(items[i].name));
        button->setText(items[i].glyph);
        button->setToolTip(items[i].hint);
        // Taking the focus ends an open cell editor, so its text is saved first.
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { emit clicked(Button(i)); });
        buttons_ << button;
    }
}

void DbNavigator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Ten equal buttons side by side; the fifth spans width × 4/10 .. width × 5/10.
    const int w = width();
    for (int i = 0; i < kButtons; ++i) {
        const int left = w * i / kButtons;
        buttons_[i]->setGeometry(left, 0, w * (i + 1) / kButtons - left, height());
    }
}

// ---------------------------------------------------------------------------------------------

namespace {

// Room for the margins Qt draws around a cell's text.
constexpr int kCellPadding = 10;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1StringView(name));
    return button;
}

} // namespace

Tfrmdata::Tfrmdata(ProgramFolder folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      folder_(std::move(folder)), connection_(u"data"_s)
{
    setObjectName(u"Tfrmdata"_s);
    setWindowTitle(u"彩票数据"_s);
    setModal(true);
    setSizeGripEnabled(true);
    setMinimumSize(520, 320);
    resize(760, 520);

    Label1 = makeLabel(this, "Label1", u"选择彩票："_s);
    lstcaipiao = new QListWidget(this);
    lstcaipiao->setObjectName(u"lstcaipiao"_s);
    Label2 = makeLabel(this, "Label2", u"彩票数据："_s);

    model_ = new RecordSetModel(connection_, this);
    grdcaipiao = new QTableView(this);
    grdcaipiao->setObjectName(u"grdcaipiao"_s);
    grdcaipiao->setModel(model_);
    grdcaipiao->setSelectionMode(QAbstractItemView::SingleSelection);
    grdcaipiao->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdcaipiao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdcaipiao->verticalHeader()->setFixedWidth(16);
    grdcaipiao->verticalHeader()->setDefaultSectionSize(grdcaipiao->fontMetrics().height() + 6);
    grdcaipiao->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdcaipiao->horizontalHeader()->setHighlightSections(false);
    // The draw date, last, takes the room the equal shares leave, so it is shown whole.
    grdcaipiao->horizontalHeader()->setStretchLastSection(true);

    dbv_caipiao = new DbNavigator(this);
    btnadd = makeButton(this, "btnadd", u"+"_s);
    btnadd->setToolTip(u"添加记录"_s);
    btnsave = makeButton(this, "btnsave", u"导出"_s);
    btnimport = makeButton(this, "btnimport", u"导入号码"_s);
    btnimport->setToolTip(u"从文件或粘贴的文本导入开奖号码"_s);
    btnedit = makeButton(this, "btnedit", u"开始添加"_s);
    btnext = makeButton(this, "btnext", u"关闭"_s);

    connect(lstcaipiao, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstcaipiaoClick();
    });
    connect(grdcaipiao->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridCurrentRowChanged(current.row()); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { updateNavigator(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { updateNavigator(); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { updateNavigator(); });
    connect(dbv_caipiao, &DbNavigator::clicked, this, &Tfrmdata::dbv_caipiaoClick);
    connect(btnadd, &QPushButton::clicked, this, &Tfrmdata::btnaddClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmdata::btnsaveClick);
    connect(btnimport, &QPushButton::clicked, this, &Tfrmdata::btnimportClick);
    connect(btnedit, &QPushButton::clicked, this, &Tfrmdata::btneditClick);
    connect(btnext, &QPushButton::clicked, this, &Tfrmdata::btnextClick);

    FormCreate();
}

Tfrmdata::~Tfrmdata() { model_->close(); }

void Tfrmdata::FormCreate()
{
    // Browsing: the navigator and "+" wait for "开始添加", which waits for a lottery.
    dbv_caipiao->setEnabled(false);
    btnadd->setEnabled(false);
    btnedit->setEnabled(false);
    placeControls();
    try {
        connection_.open(folder_.databaseFile());
        for (const QString& table : connection_.tableNames())
            if (table.endsWith(schema::kNumberTableSuffix))
                lstcaipiao->addItem(table.chopped(schema::kNumberTableSuffix.size()));
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
    }
    // The list must not choose a lottery by itself when it first takes the focus: the first
    // focus goes to "关闭", and no lottery is selected until the player picks one.
    btnext->setFocus();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrmdata::placeControls()
{
    const int w = width();
    const int h = height();
    Label1->setGeometry(10, 8, 160, 20);
    lstcaipiao->setGeometry(10, 30, 160, h - 78);
    Label2->setGeometry(180, 8, 160, 20);
    grdcaipiao->setGeometry(180, 30, w - 190, h - 114);
    dbv_caipiao->setGeometry(180, h - 78, std::min(300, w - 190), 28);
    // "+" lies over the navigator's fifth button (its insert button).
    const QRect nav = dbv_caipiao->geometry();
    btnadd->setGeometry(nav.left() + nav.width() * 4 / 10, nav.top(), nav.width() / 10,
                        nav.height());
    btnadd->raise();
    const int buttonTop = h - 40;
    btnext->setGeometry(w - 100, buttonTop, 90, 30);
    btnedit->setGeometry(w - 200, buttonTop, 90, 30);
    btnsave->setGeometry(w - 300, buttonTop, 90, 30);
    btnimport->setGeometry(w - 400, buttonTop, 90, 30);
    setColumnWidths();
}

void Tfrmdata::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void Tfrmdata::setColumnWidths()
{
    const int fields = model_->columnCount();
    if (fields == 0)
        return;
    // Every field gets an equal share of the grid's width in characters (plus the cell's own
    // padding); then the issue column is set to 70 px.
    const int zero = std::max(1, grdcaipiao->fontMetrics().horizontalAdvance(u'0'));
    const int clientWidth = grdcaipiao->viewport()->width();
    const int characters = std::max(1, ((clientWidth - 40) / zero) / fields);
    for (int c = 0; c < fields; ++c)
        grdcaipiao->setColumnWidth(c, characters * zero + kCellPadding);
    grdcaipiao->setColumnWidth(0, 70);
}

QString Tfrmdata::selectedLottery() const
{
    const QListWidgetItem* item = lstcaipiao->currentItem();
    return item ? item->text() : QString();
}

int Tfrmdata::currentRow() const { return grdcaipiao->currentIndex().row(); }

void Tfrmdata::setCurrentRow(int row)
{
    const bool wasMoving = moving_;
    moving_ = true;
    if (row >= 0 && row < model_->rowCount()) {
        const int column = std::max(0, grdcaipiao->currentIndex().column());
        const QModelIndex index = model_->index(row, column);
        grdcaipiao->setCurrentIndex(index);
        grdcaipiao->scrollTo(index);
    }
    moving_ = wasMoving;
    updateNavigator();
}

void Tfrmdata::commitGridEditor()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != grdcaipiao && grdcaipiao->isAncestorOf(focus))
        focus->clearFocus();
}

bool Tfrmdata::postPending()
{
    commitGridEditor();
    if (!model_->isEditing())
        return true;
    const bool wasMoving = moving_;
    moving_ = true;
    const int before = model_->pendingRow();
    if (model_->pendingRowBlank()) {
        // A new row the player never typed into is no draw: it is dropped, not refused.
        model_->cancel();
        moving_ = wasMoving;
        setCurrentRow(std::min(before, model_->rowCount() - 1));
        return true;
    }
    QString error;
    const int row = model_->post(error);
    moving_ = wasMoving;
    if (row < 0) {
        setCurrentRow(before);
        dialogs::error(this, error);
        return false;
    }
    setCurrentRow(row);
    return true;
}

void Tfrmdata::gridCurrentRowChanged(int row)
{
    if (moving_)
        updateNavigator();
    if (moving_ || !model_->isEditing() || row == model_->pendingRow())
        return;
    // Leaving the row being edited saves it, as in any data grid; a refused row keeps the cursor.
    if (postPending())
        setCurrentRow(std::min(row, model_->rowCount() - 1));
}

void Tfrmdata::updateNavigator()
{
    const int rows = model_->rowCount();
    const int row = currentRow();
    const bool editing = model_->isEditing();
    const bool open = model_->isOpen();
    dbv_caipiao->button(DbNavigator::First)->setEnabled(open && row > 0);
    dbv_caipiao->button(DbNavigator::Prior)->setEnabled(open && row > 0);
    dbv_caipiao->button(DbNavigator::Next)->setEnabled(open && row < rows - 1);
    dbv_caipiao->button(DbNavigator::Last)->setEnabled(open && row < rows - 1);
    dbv_caipiao->button(DbNavigator::Insert)->setEnabled(open);
    dbv_caipiao->button(DbNavigator::Delete)->setEnabled(open && rows > 0);
    dbv_caipiao->button(DbNavigator::Edit)->setEnabled(open && !editing && rows > 0);
    dbv_caipiao->button(DbNavigator::Post)->setEnabled(editing);
    dbv_caipiao->button(DbNavigator::Cancel)->setEnabled(editing);
    dbv_caipiao->button(DbNavigator::Refresh)->setEnabled(open);
}

void Tfrmdata::lstcaipiaoClick()
{
    const QString lottery = selectedLottery();
    if (lottery.isEmpty() || lottery == shownLottery_)
        return;
    // A row being added to the table shown is saved first; if it is refused, stay on it.
    if (!postPending()) {
        const QSignalBlocker blocker(lstcaipiao);
        const QList<QListWidgetItem*> previous = lstcaipiao->findItems(shownLottery_, Qt::MatchExactly);
        lstcaipiao->setCurrentItem(previous.value(0));
        return;
    }
    try {
        model_->openTable(schema::numberTable(lottery));
    } catch (const db::DbError& e) {
        shownLottery_.clear();
        dialogs::error(this, e.message());
        return;
    }
    shownLottery_ = lottery;
    // The newest draws in view.
    setCurrentRow(model_->rowCount() - 1);
    setColumnWidths();
    btnedit->setEnabled(true);
}

void Tfrmdata::btneditClick()
{
    if (!adding_) {
        if (!model_->isOpen()) {
            shownLottery_.clear();
            lstcaipiaoClick();
            if (!model_->isOpen())
                return;
        }
        model_->setEditable(true);
        model_->edit(std::max(0, currentRow()));
        setCurrentRow(model_->isEditing() ? model_->pendingRow() : currentRow());
        grdcaipiao->setEditTriggers(QAbstractItemView::AllEditTriggers);
        btnext->setEnabled(false);
        btnimport->setEnabled(false);
        dbv_caipiao->setEnabled(true);
        btnadd->setEnabled(true);
        btnedit->setText(u"完成添加"_s);
        adding_ = true;
        return;
    }
    if (!postPending())
        return;
    model_->setEditable(false);
    grdcaipiao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    btnext->setEnabled(true);
    btnimport->setEnabled(true);
    dbv_caipiao->setEnabled(false);
    btnadd->setEnabled(false);
    btnedit->setText(u"开始添加"_s);
    adding_ = false;
}

void Tfrmdata::btnaddClick()
{
    if (!postPending())
        return;
    model_->insertAt(model_->rowCount());
    setCurrentRow(model_->pendingRow());
}

void Tfrmdata::dbv_caipiaoClick(DbNavigator::Button which)
{
    const int row = currentRow();
    const int last = model_->rowCount() - 1;
    switch (which) {
    case DbNavigator::First:
    case DbNavigator::Prior:
    case DbNavigator::Next:
    case DbNavigator::Last: {
        const int target = which == DbNavigator::First   ? 0
                           : which == DbNavigator::Prior ? std::max(0, row - 1)
                           : which == DbNavigator::Next  ? std::min(last, row + 1)
                                                         : last;
        // Moving off the row being edited saves it (see gridCurrentRowChanged).
        grdcaipiao->setCurrentIndex(
            model_->index(target, std::max(0, grdcaipiao->currentIndex().column())));
        break;
    }
    case DbNavigator::Insert:
        if (postPending()) {
            model_->insertAt(std::max(0, currentRow()));
            setCurrentRow(model_->pendingRow());
        }
        break;
    case DbNavigator::Delete:
        commitGridEditor();
        try {
            // Deleted at once, without a question.
            model_->deleteRow(row);
        } catch (const db::DbError& e) {
            dialogs::error(this, e.message());
        }
        setCurrentRow(std::min(row, model_->rowCount() - 1));
        break;
    case DbNavigator::Edit:
        commitGridEditor();
        model_->edit(row);
        setCurrentRow(row);
        break;
    case DbNavigator::Post:
        postPending();
        break;
    case DbNavigator::Cancel:
        commitGridEditor();
        model_->cancel();
        setCurrentRow(std::min(row, model_->rowCount() - 1));
        break;
    case DbNavigator::Refresh:
        if (postPending()) {
            const int keep = currentRow();
            try {
                model_->refresh();
            } catch (const db::DbError& e) {
                dialogs::error(this, e.message());
            }
            setCurrentRow(std::min(keep, model_->rowCount() - 1));
        }
        break;
    }
    updateNavigator();
}

void Tfrmdata::btnsaveClick()
{
    const QString lottery = selectedLottery();
    if (lottery.isEmpty()) {
        dialogs::error(this, u"请选择要导出的彩票！"_s);
        return;
    }
    FileDialogOptions options;
    options.caption = u"导出"_s;
    options.filter = u"文本文件(*.txt)|*.txt"_s;
    options.defaultSuffix = u"txt"_s;
    options.startFolder = folder_.attachmentsFolder();
    options.proposedName = folder_.attachmentsFolder() + fileNamePart(lottery) + u"历史号码.txt"_s;
    const QString file = dialogs::saveFile(this, options);
    if (file.isEmpty())
        return;

    QSaveFile out(file);
    try {
        if (!model_->isOpen() || shownLottery_ != lottery)
            model_->openTable(schema::numberTable(lottery));
        db::RecordSet& rows = model_->recordSet();
        if (!out.open(QIODevice::WriteOnly))
            throw db::DbError(u"无法写入文件 %1：%2"_s.arg(file, out.errorString()));
        // Every column but the last (the draw date), oldest draw first.
        std::vector<int> values(static_cast<std::size_t>(std::max(0, rows.columnCount() - 1)));
        for (int r = 0; r < rows.rowCount(); ++r) {
            rows.moveTo(r);
            for (std::size_t c = 0; c < values.size(); ++c)
                values[c] = rows.integer(static_cast<int>(c));
            out.write(QByteArray::fromStdString(historyExportLine(values)) + "\r\n");
        }
        if (!out.commit())
            throw db::DbError(u"无法写入文件 %1：%2"_s.arg(file, out.errorString()));
    } catch (const db::DbError& e) {
        out.cancelWriting();
        dialogs::error(this, e.message());
        return;
    }
    dialogs::information(this, u"成功保存！"_s);
}

void Tfrmdata::btnimportClick()
{
    if (adding_)
        return;
    // No lottery is open while the editor is: the import goes into the table chosen there.
    Tfrmimport window(folder_, nullptr, selectedLottery(), this);
    window.exec();
    if (window.importedCount() == 0)
        return;
    const QString imported = window.chosenLottery();
    if (imported != shownLottery_) {
        const QList<QListWidgetItem*> items = lstcaipiao->findItems(imported, Qt::MatchExactly);
        if (!items.isEmpty()) {
            lstcaipiao->setCurrentItem(items.first());
            return;
        }
    }
    if (!model_->isOpen())
        return;
    try {
        model_->refresh();
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
    }
    setCurrentRow(model_->rowCount() - 1);
}

void Tfrmdata::btnextClick() { close(); }

void Tfrmdata::reject()
{
    if (adding_) {
        dialogs::warning(this, u"请单击《完成添加》按钮保存添加"_s);
        return;
    }
    model_->close();
    QDialog::reject();
}

} // namespace pickora::ui
