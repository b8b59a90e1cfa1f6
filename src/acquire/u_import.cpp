#include "acquire/u_import.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "acquire/draw_download.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/text_files.h"
#include "store/u_public.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// The preview follows the text this long after the last key press.
constexpr int kPreviewDelayMs = 200;

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A text file as the player has it: UTF-16 with its byte order mark, else UTF-8 or GBK.
QString decodeTextFile(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16.decode(bytes);
    }
    return decodeGbkOrUtf8(bytes);
}

} // namespace

// ---------------------------------------------------------------------------------------------

void ImportPreviewModel::setPreview(ImportText text, ImportPlan plan)
{
    beginResetModel();
    text_ = std::move(text);
    plan_ = std::move(plan);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(text_.lines.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QString ImportPreviewModel::statusText(ImportStatus status)
{
    switch (status) {
    case ImportStatus::New:
        return u"新增"_s;
    case ImportStatus::Stored:
        return u"已有"_s;
    case ImportStatus::Conflicting:
        return u"冲突"_s;
    case ImportStatus::Refused:
        return u"不导入"_s;
    }
    return {};
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const ImportedLine& line = text_.lines[row];
    const ImportStatus status = plan_.statuses[row];
    if (role == Qt::ForegroundRole) {
        switch (status) {
        case ImportStatus::New:
            return QColor(0x00, 0x70, 0x00);
        case ImportStatus::Stored:
            return QColor(0x70, 0x70, 0x70);
        case ImportStatus::Conflicting:
            return QColor(0xC0, 0x60, 0x00);
        case ImportStatus::Refused:
            return QColor(0xC0, 0x00, 0x00);
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() != NoteColumn)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case LineColumn:
        return line.lineNumber;
    case IssueColumn:
        return fromUtf8(line.issue);
    case NumbersColumn:
        return line.refused ? QString() : fromUtf8(numbersText(line.numbers));
    case DateColumn:
        return fromUtf8(line.date);
    case StatusColumn:
        return statusText(status);
    case NoteColumn:
        return fromUtf8(plan_.notes[row]);
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QStringList headers = {u"行"_s, u"期号"_s, u"号码"_s, u"日期"_s, u"状态"_s, u"说明"_s};
    return headers.value(section);
}

// ---------------------------------------------------------------------------------------------

Tfrmimport::Tfrmimport(ProgramFolder folder, DrawStore* store, const QString& lottery, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMaximizeButtonHint),
      folder_(std::move(folder)), store_(store), connection_(u"import"_s)
{
    setObjectName(u"Tfrmimport"_s);
    setWindowTitle(u"导入开奖号码"_s);
    setModal(true);
    setSizeGripEnabled(true);
    setMinimumSize(640, 480);
    resize(860, 620);

    lblcaipiao = new QLabel(u"导入到："_s, this);
    lblcaipiao->setObjectName(u"lblcaipiao"_s);
    comcaipiao = new QComboBox(this);
    comcaipiao->setObjectName(u"comcaipiao"_s);
    comcaipiao->setMinimumWidth(180);
    btnpaste = new QPushButton(u"粘贴"_s, this);
    btnpaste->setObjectName(u"btnpaste"_s);
    btnfile = new QPushButton(u"打开文件..."_s, this);
    btnfile->setObjectName(u"btnfile"_s);
    lbltext = new QLabel(u"开奖号码（每行一期：期号和 5 个号码，可带日期，例如 24061201 05 11 02 08 01）："_s, this);
    lbltext->setObjectName(u"lbltext"_s);
    memtext = new QPlainTextEdit(this);
    memtext->setObjectName(u"memtext"_s);
    memtext->setLineWrapMode(QPlainTextEdit::NoWrap);
    memtext->setPlaceholderText(u"从网页表格、文本文件或本程序导出的文件中复制开奖号码，粘贴在这里。"_s);
    lblpreview = new QLabel(u"导入前预览："_s, this);
    lblpreview->setObjectName(u"lblpreview"_s);

    model_ = new ImportPreviewModel(this);
    grdpreview = new QTableView(this);
    grdpreview->setObjectName(u"grdpreview"_s);
    grdpreview->setModel(model_);
    grdpreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdpreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdpreview->verticalHeader()->hide();
    grdpreview->verticalHeader()->setDefaultSectionSize(grdpreview->fontMetrics().height() + 6);
    grdpreview->horizontalHeader()->setStretchLastSection(true);
    const int columnWidths[] = {50, 90, 130, 100, 60};
    for (int c = 0; c < 5; ++c)
        grdpreview->setColumnWidth(c, columnWidths[c]);

    lblcount = new QLabel(this);
    lblcount->setObjectName(u"lblcount"_s);
    btnimport = new QPushButton(u"导入"_s, this);
    btnimport->setObjectName(u"btnimport"_s);
    btnimport->setEnabled(false);
    btnclose = new QPushButton(u"关闭"_s, this);
    btnclose->setObjectName(u"btnclose"_s);
    for (QPushButton* button : {btnpaste, btnfile, btnimport, btnclose})
        button->setAutoDefault(false);

    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(kPreviewDelayMs);
    connect(previewTimer_, &QTimer::timeout, this, &Tfrmimport::refreshPreview);
    connect(memtext, &QPlainTextEdit::textChanged, this, &Tfrmimport::memtextChange);
    connect(btnpaste, &QPushButton::clicked, this, &Tfrmimport::btnpasteClick);
    connect(btnfile, &QPushButton::clicked, this, &Tfrmimport::btnfileClick);
    connect(btnimport, &QPushButton::clicked, this, &Tfrmimport::btnimportClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmimport::btncloseClick);

    placeControls();

    // The open lottery's table, or one of the database's lotteries.
    try {
        connection_.open(folder_.databaseFile());
        if (store_ != nullptr && store_->lotteryOpen()) {
            comcaipiao->addItem(QString::fromStdString(store_->profile().name));
            comcaipiao->setEnabled(false);
        } else {
            for (const QString& table : connection_.tableNames())
                if (table.endsWith(schema::kNumberTableSuffix))
                    comcaipiao->addItem(table.chopped(schema::kNumberTableSuffix.size()));
            comcaipiao->setCurrentIndex(std::max(0, comcaipiao->findText(lottery)));
        }
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
    }
    connect(comcaipiao, &QComboBox::currentIndexChanged, this, &Tfrmimport::comcaipiaoChange);
    loadStoredDraws();
    refreshPreview();
}

Tfrmimport::~Tfrmimport() = default;

void Tfrmimport::placeControls()
{
    auto* top = new QHBoxLayout;
    top->addWidget(lblcaipiao);
    top->addWidget(comcaipiao);
    top->addStretch();
    top->addWidget(btnpaste);
    top->addWidget(btnfile);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblcount, 1);
    bottom->addWidget(btnimport);
    bottom->addWidget(btnclose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lbltext);
    layout->addWidget(memtext, 2);
    layout->addWidget(lblpreview);
    layout->addWidget(grdpreview, 3);
    layout->addLayout(bottom);
}

QString Tfrmimport::chosenLottery() const { return comcaipiao->currentText(); }

bool Tfrmimport::loadStoredDraws()
{
    stored_.clear();
    const QString lottery = chosenLottery();
    if (lottery.isEmpty() || !connection_.isOpen())
        return false;
    try {
        db::RecordSet rows(connection_);
        rows.openTable(schema::numberTable(lottery), schema::kIssueColumn);
        const int issueColumn = rows.fieldIndex(schema::kIssueColumn);
        int numberColumns[kStoredNumbers];
        for (int i = 0; i < kStoredNumbers; ++i)
            numberColumns[i] = rows.fieldIndex(QString::number(i + 1));
        for (rows.first(); !rows.eof(); rows.next()) {
            const std::optional<std::int64_t> issue = issueValue(trimmed(rows.text(issueColumn).toStdString()));
            if (!issue)
                continue;
            // A row with a missing number still holds its issue: it conflicts with any line.
            std::array<int, kStoredNumbers> numbers{};
            for (int i = 0; i < kStoredNumbers; ++i)
                numbers[i] = rows.isNull(numberColumns[i]) ? 0 : rows.text(numberColumns[i]).toInt();
            stored_.emplace(*issue, numbers);
        }
    } catch (const db::DbError& e) {
        stored_.clear();
        dialogs::error(this, e.message());
        return false;
    }
    return true;
}

void Tfrmimport::comcaipiaoChange()
{
    loadStoredDraws();
    refreshPreview();
}

void Tfrmimport::memtextChange() { previewTimer_->start(); }

void Tfrmimport::refreshPreview()
{
    previewTimer_->stop();
    const QByteArray bytes = memtext->toPlainText().toUtf8();
    ImportText text = readDrawText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    ImportPlan plan = planImport(text, stored_);
    lblcount->setText(u"新增 %1 期，已有 %2 期，冲突 %3 行，不导入 %4 行"_s.arg(plan.newLines)
                          .arg(plan.storedLines)
                          .arg(plan.conflictingLines)
                          .arg(plan.refusedLines));
    btnimport->setEnabled(!plan.draws.empty() && !chosenLottery().isEmpty());
    model_->setPreview(std::move(text), std::move(plan));
}

void Tfrmimport::btnpasteClick()
{
    memtext->setPlainText(QApplication::clipboard()->text());
    refreshPreview();
}

void Tfrmimport::btnfileClick()
{
    FileDialogOptions options;
    options.caption = u"打开开奖号码文件"_s;
    options.filter = u"文本文件(*.txt;*.csv)|*.txt;*.csv|所有文件(*)|*"_s;
    options.defaultSuffix = u"txt"_s;
    options.startFolder = desktopFolder().isEmpty() ? folder_.attachmentsFolder() : desktopFolder();
    const QString file = dialogs::openFile(this, options);
    if (file.isEmpty())
        return;
    QByteArray bytes;
    QString error;
    if (!readWholeFile(file, &bytes, &error)) {
        dialogs::error(this, error);
        return;
    }
    memtext->setPlainText(decodeTextFile(bytes));
    refreshPreview();
}

void Tfrmimport::btnimportClick()
{
    refreshPreview();
    const std::vector<DownloadedDraw>& draws = model_->plan().draws;
    const QString lottery = chosenLottery();
    if (draws.empty() || lottery.isEmpty()) {
        dialogs::information(this, u"没有新的开奖号码可以导入。"_s);
        return;
    }
    try {
        appendDraws(connection_, schema::numberTable(lottery), draws);
    } catch (const db::DbError& e) {
        dialogs::error(this, u"导入没有完成，号码表保持原样。\n"_s + e.message());
        return;
    }
    imported_ = static_cast<int>(draws.size());
    const std::size_t total = stored_.size() + draws.size();
    reloadOpenLottery();
    QString message = u"成功导入 %1 期！"_s.arg(imported_);
    if (total > static_cast<std::size_t>(kRetainedDraws))
        message += u"\n号码表现在有 %1 期，打开彩票时只保留最新的 %2 期。"_s.arg(total).arg(kRetainedDraws);
    dialogs::information(this, message);
    accept();
}

void Tfrmimport::reloadOpenLottery()
{
    if (store_ == nullptr || !store_->lotteryOpen()
        || QString::fromStdString(store_->profile().name) != chosenLottery())
        return;
    try {
        const LotteryProfile profile = store_->profile();
        store_->openLottery(profile);
    } catch (const StoreError& e) {
        // The store is closed again; the draws stay imported.
        dialogs::error(this, QString::fromUtf8(e.what()));
    }
}

void Tfrmimport::btncloseClick() { reject(); }

} // namespace pickora::ui
