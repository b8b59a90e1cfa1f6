#include "exclude/exclusion_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "exclude/exclusion_bets.h"
#include "exclude/exclusion_list_model.h"
#include "exclude/exclusion_search.h"
#include "store/program_folder.h"
#include "store/text_files.h"
#include "store/u_public.h"
#include "widgets/bar_chart.h"
#include "widgets/dialogs.h"
#include "widgets/long_loop.h"
#include "widgets/read_number.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

const QString kStart = u"开始过滤"_s;
const QString kStop = u"停止"_s;

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setFixedWidth(64);
    return e;
}

} // namespace

ExclusionWindow::ExclusionWindow(DrawStore& store, const QString& className, const QString& caption,
                                 ExclusionTraits traits, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      traits_(std::move(traits)), store_(store), random_(store.random())
{
    setObjectName(className);
    setWindowTitle(caption);
    const int k = store_.profile().pickCount;

    comcurqi = new QComboBox(this);
    comcurqi->setObjectName(u"comcurqi"_s);
    const std::vector<Draw>& history = draws();
    QStringList issues;
    issues.reserve(static_cast<qsizetype>(history.size()) + 1);
    for (const Draw& d : history)
        issues << QString::number(d.issue);
    issues << QString::number(history.empty() ? 1 : static_cast<qint64>(history.back().issue) + 1);
    comcurqi->addItems(issues);
    comcurqi->setCurrentIndex(static_cast<int>(issues.size()) - 1);
    target_ = comcurqi->currentIndex();
    connect(comcurqi, &QComboBox::currentIndexChanged, this, &ExclusionWindow::comcurqiChange);

    comjieduannum = new QComboBox(this);
    comjieduannum->setObjectName(u"comjieduannum"_s);
    comjieduannum->setEnabled(false);

    optjushu = new QRadioButton(u"过滤到："_s, this);
    optjushu->setObjectName(u"optjushu"_s);
    optjushu->setChecked(true);
    edtjushu = numberBox(this, u"edtjushu"_s, traits_.defaultTarget);
    optcishu = new QRadioButton(u"过滤到："_s, this);
    optcishu->setObjectName(u"optcishu"_s);
    edtcishu = numberBox(this, u"edtcishu"_s, traits_.defaultPasses);

    btngen = button(this, QString::fromLatin1(traits_.searchButton), kStart);
    connect(btngen, &QPushButton::clicked, this, &ExclusionWindow::searchClick);

    listModel_ = new ExclusionListModel(k, traits_.headerBlanks, this);
    tabcode = new QTableView(this);
    tabcode->setObjectName(u"tabcode"_s);
    tabcode->setModel(listModel_);
    tabcode->verticalHeader()->hide();
    tabcode->verticalHeader()->setDefaultSectionSize(20);
    tabcode->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabcode->setSelectionMode(QAbstractItemView::NoSelection);
    tabcode->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabcode->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabcode->setColumnWidth(0, 60);
    tabcode->horizontalHeader()->setStretchLastSection(true);
    tabcode->setMinimumWidth(260);
    lbljushu = new QLabel(traits_.countCaption, this);
    lbljushu->setObjectName(u"lbljushu"_s);

    pb = new QProgressBar(this);
    pb->setObjectName(u"pb"_s);
    pb->hide();

    btnsave = button(this, u"btnsave"_s, traits_.saveCaption);
    btnload = button(this, u"btnload"_s, u"载入"_s);
    btnclear = button(this, u"btnclear"_s, traits_.clearCaption);
    btnclose = button(this, u"btnclose"_s, u"关闭"_s);
    connect(btnsave, &QPushButton::clicked, this, &ExclusionWindow::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &ExclusionWindow::btnloadClick);
    connect(btnclear, &QPushButton::clicked, this, &ExclusionWindow::btnclearClick);
    connect(btnclose, &QPushButton::clicked, this, &ExclusionWindow::btncloseClick);

    // Closing the lottery ends a running search; so does closing the main window (the program).
    connect(&store_, &DrawStore::rowsChanged, this, [this] {
        if (!store_.lotteryOpen())
            if (LongLoop* loop = LongLoop::runningIn(this))
                loop->requestStop();
    });
    if (parent)
        parent->window()->installEventFilter(this);

    resize(1000, 700);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

ExclusionWindow::~ExclusionWindow()
{
    if (LongLoop* loop = LongLoop::runningIn(this))
        loop->requestStop();
}

bool ExclusionWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && parentWidget() && watched == parentWidget()->window())
        if (LongLoop* loop = LongLoop::runningIn(this))
            loop->requestStop();
    return QWidget::eventFilter(watched, event);
}

bool ExclusionWindow::searching() const
{
    return LongLoop::runningIn(this) != nullptr;
}

int ExclusionWindow::drawCount() const
{
    return static_cast<int>(draws().size());
}

const std::vector<Draw>& ExclusionWindow::draws() const
{
    return store_.history().draws;
}

ExclusionBasis ExclusionWindow::basis() const
{
    return {draws(), store_.profile().totalNumbers, store_.profile().pickCount, target_};
}

void ExclusionWindow::comcurqiChange()
{
    target_ = std::max(0, comcurqi->currentIndex());
}

// ----------------------------------------------------------------------------- layout helpers

QWidget* ExclusionWindow::labelled(const QString& label, QWidget* control)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(label, row));
    control->setParent(row);
    layout->addWidget(control);
    layout->addStretch();
    return row;
}

QWidget* ExclusionWindow::stopRuleBox()
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto row = [box](QRadioButton* option, QLineEdit* edit, const QString& unit) {
        auto* line = new QHBoxLayout;
        option->setParent(box);
        edit->setParent(box);
        line->addWidget(option);
        line->addWidget(edit);
        line->addWidget(new QLabel(unit, box));
        line->addStretch();
        return line;
    };
    layout->addLayout(row(optjushu, edtjushu, u"注"_s));
    layout->addLayout(row(optcishu, edtcishu, u"次"_s));
    return box;
}

QWidget* ExclusionWindow::listBox()
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    lbljushu->setParent(box);
    tabcode->setParent(box);
    layout->addWidget(lbljushu);
    layout->addWidget(tabcode, 1);
    return box;
}

// ----------------------------------------------------------------------------- history

void ExclusionWindow::createHistory(const QString& chartTitle, const QString& seriesTitle,
                                    const QColor& color)
{
    historyModel_ = new TextTableModel(this);
    tabhistory = new QTableView(this);
    tabhistory->setObjectName(u"tabhistory"_s);
    tabhistory->setModel(historyModel_);
    styleAnalysisGrid(tabhistory);
    chthistory = new BarChart(chartTitle, this);
    chthistory->setObjectName(u"chthistory"_s);
    chthistory->setMinimumHeight(200);
    chkhistorybiao = new QCheckBox(u"显示标注"_s, this);
    chkhistorybiao->setObjectName(u"chkhistorybiao"_s);
    seriesTitle_ = seriesTitle;
    seriesColor_ = color;
}

void ExclusionWindow::showHistory(const HistoryStatistics& statistics)
{
    history_ = statistics;
    QStringList headers;
    for (const std::string& h : statistics.headers)
        headers << QString::fromStdString(h);
    std::vector<QStringList> rows;
    rows.reserve(statistics.rows.size());
    for (const auto& row : statistics.rows) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << QString::fromStdString(cell);
        rows.push_back(std::move(cells));
    }
    historyModel_->setTable(headers, std::move(rows));
    tabhistory->setColumnWidth(0, 60);
    tabhistory->setColumnWidth(1, 120);
    const int rest = static_cast<int>(headers.size()) - 2;
    if (rest > 0) {
        const int width = std::max(60, (tabhistory->viewport()->width() - 90) / rest);
        for (int c = 2; c < headers.size(); ++c)
            tabhistory->setColumnWidth(c, width);
    }
    scrollToNewestRows(tabhistory);
    redrawChart();
}

void ExclusionWindow::redrawChart()
{
    QStringList categories;
    BarSeriesData series{seriesTitle_, seriesColor_, {}, true};
    for (const HistoryBar& bar : history_.bars) {
        categories << QString::fromStdString(bar.label);
        series.values << (bar.value ? *bar.value : 0);
    }
    chthistory->showBars(categories, {series}, chkhistorybiao->isChecked());
}

// ----------------------------------------------------------------------------- search

bool ExclusionWindow::enoughDraws(int needed, const QString& what)
{
    if (target_ >= needed)
        return true;
    dialogs::error(this,
                   u"目前投注期“%1”之前只有 %2 期开奖记录，%3至少需要 %4 期，请选择更晚的投注期！"_s
                       .arg(comcurqi->currentText())
                       .arg(target_)
                       .arg(what)
                       .arg(needed));
    return false;
}

std::optional<int> ExclusionWindow::readSetting(const QString& field, const QString& text, int lo,
                                                int hi)
{
    const auto value = readWholeNumber(this, field, text);
    if (!value)
        return std::nullopt;
    if (*value < lo || *value > hi) {
        dialogs::error(this, u"“%1”必须是 %2 到 %3 之间的整数！"_s.arg(field).arg(lo).arg(hi));
        return std::nullopt;
    }
    return value;
}

void ExclusionWindow::searchClick()
{
    // A click while the search runs is the stop request.
    if (LongLoop* running = LongLoop::runningIn(this)) {
        running->requestStop();
        btngen->setText(kStart);
        return;
    }
    if (!store_.lotteryOpen())
        return;
    // Every setting is read before anything changes, so a refusal leaves the window as it was.
    ExclusionStopRule rule;
    rule.countMode = optjushu->isChecked();
    if (rule.countMode) {
        const auto target = readSetting(u"过滤到（注）"_s, edtjushu->text(), 0, 100'000'000);
        if (!target)
            return;
        rule.target = *target;
    } else {
        const auto passes = readSetting(u"过滤到（次）"_s, edtcishu->text(), 1, 1'000'000'000);
        if (!passes)
            return;
        rule.passes = *passes;
    }
    std::unique_ptr<ExclusionMember> member = makeMember(basis());
    if (!member)
        return;
    CandidateTable work =
        freshStart_ ? buildCandidateTable(store_.profile().totalNumbers, store_.profile().pickCount)
                    : table_;
    if (work.keptCount() == 0) {
        dialogs::error(this, u"没有可以过滤的投注号码，请先清除或载入投注号码！"_s);
        return;
    }
    table_ = work; // a fresh start shows from the first pass on

    btngen->setText(kStop);
    // A range of 0..0 would turn the bar into a busy indicator without text; the bar always
    // shows its text, and the count mode adds the passes run so far.
    pb->setRange(0, std::max(1, progressMaximum(work, rule)));
    pb->setValue(0);
    pb->setFormat(rule.countMode ? u"已排除 %v 注"_s : u"第 %v / %m 次过滤"_s);
    pb->setTextVisible(true);
    pb->show();
    passes_ = 0;

    QPointer<ExclusionWindow> self(this);
    ExclusionOutcome outcome;
    {
        LongLoop loop(this, {btngen});
        ExclusionHooks hooks;
        hooks.keepGoing = [&loop] { return loop.pump(); };
        hooks.progress = [this](int v) { pb->setValue(v); };
        // A count-mode search that excludes nothing runs until stopped: the pass count shows it
        // is still at work.
        hooks.passBegun = [this, countMode = rule.countMode](long long r) {
            passes_ = r;
            if (countMode && (r < 100 || r % 50 == 0))
                pb->setFormat(u"已排除 %v 注  第 %1 次过滤"_s.arg(r));
        };
        outcome = runExclusionSearch(work, *member, rule, random_, hooks);
        if (!loop.windowAlive())
            return;
    }
    if (!self)
        return;
    pb->hide();
    btngen->setText(kStart);
    searchEnded(*member);
    if (outcome.end == ExclusionEnd::Stopped) {
        // The list and its order stay; the exclusions made so far stay set in the table.
        table_ = std::move(work);
    } else {
        finishSearch(std::move(work), outcome.remaining);
    }
    afterSearch();
}

void ExclusionWindow::finishSearch(CandidateTable work, int remaining)
{
    work.compact();
    table_ = std::move(work);
    showCount(remaining);
    listModel_->showBets(table_.entries, traits_.searchBlanks);
    if (traits_.continues)
        freshStart_ = false;
}

void ExclusionWindow::showCount(int count)
{
    lbljushu->setText(u"投注号码："_s + QString::number(count) + u" 注"_s);
}

// ----------------------------------------------------------------------------- save, load, clear

void ExclusionWindow::btnsaveClick()
{
    if (listModel_->rowCount() == 0) {
        dialogs::error(this, u"号码表格为空，无法保存！"_s);
        return;
    }
    const QString proposed = QString::fromStdString(store_.profile().name) + comcurqi->currentText()
                             + u"期投注号码.txt"_s;
    const QString file = dialogs::saveFile(
        this, {u"保存"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, desktopFolder(), proposed});
    if (file.isEmpty())
        return;
    std::vector<Candidate> kept;
    if (traits_.saveListRows) {
        kept = listModel_->bets();
    } else {
        for (const Candidate& c : table_.entries)
            if (c.excluded == 0)
                kept.push_back(c);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string text = exclusionBetText(kept, store_.profile().pickCount);
    QString error;
    const bool written = writeFileAtomically(file, QByteArray::fromStdString(text), &error);
    QApplication::restoreOverrideCursor();
    if (!written) {
        dialogs::error(this, error);
        return;
    }
    dialogs::information(this, u"成功保存！"_s);
}

void ExclusionWindow::btnloadClick()
{
    const QString file = dialogs::openFile(
        this, {u"载入"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, desktopFolder(), {}});
    if (file.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QByteArray bytes;
    QString error;
    const bool read = readWholeFile(file, &bytes, &error);
    ExclusionLoad loaded;
    if (read)
        loaded =
            parseExclusionBets(decodeGbkOrUtf8(bytes).toStdString(), store_.profile().totalNumbers,
                               store_.profile().pickCount, {traits_.bigOddLoad});
    QApplication::restoreOverrideCursor();
    if (!read || loaded.problem) {
        // The table and the list stay as they were.
        dialogs::error(this, read ? QString::fromStdString(*loaded.problem) : error);
        return;
    }
    table_.pickCount = store_.profile().pickCount;
    table_.entries = std::move(loaded.bets);
    const int count = static_cast<int>(table_.entries.size());
    if (!traits_.bigOddLoad && count >= kExclusionListLimit) {
        listModel_->clear();
        dialogs::information(
            this, u"过滤后总注数为%1超过了最大显示行数300000行，暂不显示请继续缩水！"_s.arg(count));
    } else {
        listModel_->showBets(table_.entries, traits_.loadBlanks);
    }
    showCount(count);
    freshStart_ = false;
    if (loaded.truncated)
        dialogs::information(this, u"文件超过 %1 行，只载入了前 %1 行，其余各行没有载入。"_s.arg(
                                       kMaxExclusionFileLines));
}

void ExclusionWindow::btnclearClick()
{
    listModel_->clear();
    lbljushu->setText(u"投注号码："_s);
    freshStart_ = true;
    afterClear();
}

void ExclusionWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

} // namespace pickora::ui
