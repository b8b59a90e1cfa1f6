#include "invest/u_tozi.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <tuple>

#include "invest/investment_files.h"
#include "invest/u_tozithread.h"
#include "store/text_files.h"
#include "store/u_public.h"
#include "widgets/dialogs.h"
#include "widgets/read_number.h"
#include "widgets/table_report.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

const QString kNoList = u"请生成号码！"_s;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QTableView* makeGrid(QWidget* parent, const QString& name, TextTableModel* model)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    styleAnalysisGrid(grid);
    return grid;
}

// A grid under its label.
QWidget* labelled(QWidget* parent, const QString& caption, QWidget* content)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(caption, box));
    layout->addWidget(content, 1);
    return box;
}

QStringList resultHeaders()
{
    return {u"投注时间"_s, u"投注倍数"_s, u"当期投注"_s, u"当期总投入"_s,
            u"当期中奖"_s, u"当期净利润"_s, u"当期利润率(%)"_s};
}

} // namespace

Tfrmtozi::Tfrmtozi(DrawStore& store, ProgramFolder folder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), store_(store),
      random_(store.random()), folder_(std::move(folder))
{
    setObjectName(u"Tfrmtozi"_s);
    setWindowTitle(u"投资模式分析"_s);
    resize(720, 567);

    gapModel_ = new TextTableModel(this);
    codeModel_ = new TextTableModel(this);
    statModel_ = new TextTableModel(this);
    resultModel_ = new TextTableModel(this);
    grdsep = makeGrid(this, u"grdsep"_s, gapModel_);
    grdcode = makeGrid(this, u"grdcode"_s, codeModel_);
    grdsepmode = makeGrid(this, u"grdsepmode"_s, statModel_);
    grdtozi = makeGrid(this, u"grdtozi"_s, resultModel_);
    for (QTableView* grid : {grdsep, grdcode, grdsepmode, grdtozi})
        grid->installEventFilter(this);
    resultModel_->setTable(resultHeaders(), {});

    // The running balance, run by run.
    balanceSeries_ = new QLineSeries;
    balanceSeries_->setName(u"累计赢亏"_s);
    auto* chart = new QChart;
    chart->addSeries(balanceSeries_);
    auto* runs = new QValueAxis;
    runs->setTitleText(u"投注次数"_s);
    runs->setLabelFormat(u"%d"_s);
    runs->setTickType(QValueAxis::TicksDynamic);
    runs->setTickAnchor(0);
    runs->setTickInterval(1);
    auto* money = new QValueAxis;
    money->setLabelFormat(u"%d"_s);
    chart->addAxis(runs, Qt::AlignBottom);
    chart->addAxis(money, Qt::AlignLeft);
    balanceSeries_->attachAxis(runs);
    balanceSeries_->attachAxis(money);
    chart->legend()->hide();
    chart->setTitle(u"累计赢亏"_s);
    chtbalance = new QChartView(chart, this);
    chtbalance->setObjectName(u"chtbalance"_s);
    chtbalance->setRenderHint(QPainter::Antialiasing);

    // Tool buttons with their menus.
    const auto toolButton = [this](const char* name, const QString& caption, QMenu* menu) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1StringView(name));
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(button, &QToolButton::clicked, this, [menu] { menu->popup(QCursor::pos()); });
        return button;
    };
    const auto menuAction = [this](QMenu* menu, const char* name, const QString& caption,
                                   void (Tfrmtozi::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1StringView(name));
        connect(action, &QAction::triggered, this, handler);
    };
    auto* saveMenu = new QMenu(this);
    menuAction(saveMenu, "mnucodesave", u"保存号码(&C)"_s, &Tfrmtozi::mnucodesaveClick);
    menuAction(saveMenu, "mnusetsave", u"保存设置(&S)"_s, &Tfrmtozi::mnusetsaveClick);
    menuAction(saveMenu, "mnubothsave", u"保存号码和设置(&B)"_s, &Tfrmtozi::mnubothsaveClick);
    auto* loadMenu = new QMenu(this);
    menuAction(loadMenu, "mnucodeload", u"载入号码(&C)"_s, &Tfrmtozi::mnucodeloadClick);
    menuAction(loadMenu, "mnusetload", u"载入设置(&S)"_s, &Tfrmtozi::mnusetloadClick);
    menuAction(loadMenu, "mnubothload", u"载入号码和设置(&B)"_s, &Tfrmtozi::mnubothloadClick);
    auto* printMenu = new QMenu(this);
    menuAction(printMenu, "mnucodeprint", u"打印号码(&C)"_s, &Tfrmtozi::mnucodeprintClick);
    menuAction(printMenu, "mnusetprint", u"打印设置(&S)"_s, &Tfrmtozi::mnusetprintClick);
    tlbtnsave = toolButton("tlbtnsave", u"保存"_s, saveMenu);
    tlbtnload = toolButton("tlbtnload", u"载入"_s, loadMenu);
    tlbtnprint = toolButton("tlbtnprint", u"打印"_s, printMenu);

    // Play types, four in a row.
    optzhuzhi = new QGroupBox(u"投注类型"_s, this);
    optzhuzhi->setObjectName(u"optzhuzhi"_s);
    playTypes_ = new QButtonGroup(this);
    auto* typeRow = new QHBoxLayout(optzhuzhi);
    typeRow->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < kPlayTypeCount; ++i) {
        auto* option = new QRadioButton(fromUtf8(playTypeCaption(static_cast<PlayType>(i))), optzhuzhi);
        option->setObjectName(u"optzhuzhi%1"_s.arg(i));
        playTypes_->addButton(option, i);
        typeRow->addWidget(option);
    }
    playTypes_->button(0)->setChecked(true);
    connect(playTypes_, &QButtonGroup::idClicked, this, [this] { optzhuzhiClick(); });

    const auto button = [this](const char* name, const QString& caption, void (Tfrmtozi::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1StringView(name));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    btnfilt = button("btnfilt", u"随机生成"_s, &Tfrmtozi::btnfiltClick);
    btnclear = button("btnclear", u"清空"_s, &Tfrmtozi::btnclearClick);
    btnala = button("btnala", u"分析"_s, &Tfrmtozi::btnalaClick);
    btnyouhua = button("btnyouhua", u"搜索"_s, &Tfrmtozi::btnyouhuaClick);
    btnclose = button("btnclose", u"关闭"_s, &Tfrmtozi::btncloseClick);

    pb = new QProgressBar(this);
    pb->setObjectName(u"pb"_s);
    pb->setTextVisible(true);
    pb->hide();

    searchTimer_ = new QTimer(this);
    searchTimer_->setInterval(30);
    connect(searchTimer_, &QTimer::timeout, this, &Tfrmtozi::searchTick);

    // Left: the tools, the play types, the three list grids and the results; right: settings.
    auto* tools = new QHBoxLayout;
    tools->addWidget(tlbtnsave);
    tools->addWidget(tlbtnload);
    tools->addWidget(tlbtnprint);
    tools->addWidget(optzhuzhi, 1);

    auto* lists = new QHBoxLayout;
    lists->addWidget(labelled(this, u"历史中奖："_s, grdsep), 4);
    lists->addWidget(labelled(this, u"投注号码："_s, grdcode), 4);
    lists->addWidget(labelled(this, u"间隔统计："_s, grdsepmode), 4);

    auto* results = new QTabWidget(this);
    results->setObjectName(u"tabresults"_s);
    results->addTab(grdtozi, u"明细"_s);
    results->addTab(chtbalance, u"赢亏曲线"_s);

    auto* left = new QVBoxLayout;
    left->addLayout(tools);
    left->addLayout(lists, 5);
    left->addWidget(new QLabel(u"投资和赢亏："_s, this));
    left->addWidget(results, 4);
    left->addWidget(pb);

    auto* buttons = new QGridLayout;
    buttons->addWidget(btnfilt, 0, 0);
    buttons->addWidget(btnclear, 0, 1);
    buttons->addWidget(btnala, 1, 0);
    buttons->addWidget(btnyouhua, 1, 1);
    buttons->addWidget(btnclose, 2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildSettingsGroup());
    right->addLayout(buttons);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Tfrmtozi::~Tfrmtozi() = default; // the search (if any) stops and is waited for

QComboBox* Tfrmtozi::addList(const char* name, int first, int last)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1StringView(name));
    for (int i = first; i <= last; ++i)
        list->addItem(QString::number(i));
    list->setMaxVisibleItems(15);
    return list;
}

QWidget* Tfrmtozi::buildSettingsGroup()
{
    grptozi = new QGroupBox(u"投资设置"_s, this);
    grptozi->setObjectName(u"grptozi"_s);
    comsepindex = addList("comsepindex", 1, 100);
    comsepnum = addList("comsepnum", 1, 10);
    comtozisep = addList("comtozisep", 0, 50);
    comtozirep = addList("comtozirep", 1, 50);
    const auto edit = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QLatin1StringView(name));
        e->setFixedWidth(90);
        return e;
    };
    edtsinmax = edit("edtsinmax", u"1000000"_s);
    edtallmax = edit("edtallmax", u"1000000"_s);
    edtjushu = edit("edtjushu", u"100"_s);
    edtoutofsin = edit("edtoutofsin", u"1000"_s);
    edtlirun = edit("edtlirun", u"10"_s);
    edtallwin = edit("edtallwin", QString());
    edtallwin->setReadOnly(true);
    chkyuji = new QCheckBox(grptozi);
    chkyuji->setObjectName(u"chkyuji"_s);
    chkyuji->setChecked(true);
    chksepmode = new QCheckBox(grptozi);
    chksepmode->setObjectName(u"chksepmode"_s);
    chksepmode->setChecked(true);
    connect(chksepmode, &QCheckBox::clicked, this, &Tfrmtozi::chksepmodeClick);

    auto* form = new QFormLayout(grptozi);
    form->setContentsMargins(6, 4, 6, 4);
    form->setVerticalSpacing(3);
    form->addRow(u"观察间隔数："_s, comsepindex);
    form->addRow(u"观察间隔连续次数："_s, comsepnum);
    form->addRow(u"中出后间隔期数："_s, comtozisep);
    form->addRow(u"连续投入期数："_s, comtozirep);
    form->addRow(u"单期最大投入："_s, edtsinmax);
    form->addRow(u"累计最大投入："_s, edtallmax);
    form->addRow(u"单倍注数："_s, edtjushu);
    form->addRow(u"单注奖金："_s, edtoutofsin);
    form->addRow(u"预期利润(%)："_s, edtlirun);
    form->addRow(u"总体赢余："_s, edtallwin);
    form->addRow(u"预计亏损："_s, chkyuji);
    form->addRow(u"间隔模式："_s, chksepmode);
    return grptozi;
}

PlayType Tfrmtozi::playType() const
{
    return static_cast<PlayType>(std::clamp(playTypes_->checkedId(), 0, kPlayTypeCount - 1));
}

void Tfrmtozi::setPlayType(PlayType type)
{
    if (QAbstractButton* option = playTypes_->button(static_cast<int>(type)))
        option->setChecked(true);
    optzhuzhiClick();
}

void Tfrmtozi::optzhuzhiClick() { clearResults(); }

void Tfrmtozi::clearResults()
{
    resultModel_->setTable(resultHeaders(), {});
    simulation_ = {};
    balanceLine_.clear();
    balanceSeries_->clear();
}

void Tfrmtozi::chksepmodeClick()
{
    const bool on = chksepmode->isChecked();
    if (!on) {
        comsepindex->setCurrentIndex(0);
        comsepnum->setCurrentIndex(0);
    }
    comsepindex->setEnabled(on);
    comsepnum->setEnabled(on);
}

void Tfrmtozi::btnclearClick()
{
    for (QComboBox* list : {comsepindex, comsepnum, comtozisep, comtozirep})
        list->setCurrentIndex(0);
    edtsinmax->setText(u"10000"_s);
    edtallmax->setText(u"100000"_s);
    edtjushu->setText(u"100"_s);
    edtoutofsin->setText(u"1000"_s);
    edtlirun->setText(u"10"_s);
    chkyuji->setChecked(true);
    chksepmode->setChecked(true);
    chksepmodeClick();
}

void Tfrmtozi::btnfiltClick()
{
    const PlayType type = playType();
    const auto count = readWholeNumber64(this, u"单倍注数"_s, edtjushu->text());
    if (!count)
        return;
    const std::string problem = checkInvestBetCount(type, *count);
    if (!problem.empty()) {
        dialogs::error(this, QString::fromStdString(problem));
        return;
    }
    useBets(type, generateBets(type, static_cast<int>(*count), random_));
}

void Tfrmtozi::useBets(PlayType type, std::vector<Bet> bets)
{
    listType_ = type;
    bets_ = std::move(bets);
    gapTable_ = hitGapTable(type, bets_, store_.history().draws);
    showBets();
    showGapTable();
    showIntervalStats();
}

void Tfrmtozi::showBets()
{
    QStringList headers{u"序号"_s};
    for (int p = 1; p <= kBetDigits; ++p)
        headers << u"号码%1"_s.arg(p);
    std::vector<QStringList> rows;
    rows.reserve(bets_.size());
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        QStringList row{QString::number(i + 1)};
        for (const int digit : bets_[i])
            row << QString::number(digit);
        rows.push_back(std::move(row));
    }
    codeModel_->setTable(headers, std::move(rows));
    resizeColumns();
}

void Tfrmtozi::showGapTable()
{
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(gapTable_.size()));
    for (int i = 0; i < gapTable_.size(); ++i)
        rows.push_back({QString::number(gapTable_.issues[static_cast<std::size_t>(i)]),
                        gapTable_.isHit(i) ? u"●"_s
                                           : QString::number(gapTable_.gaps[static_cast<std::size_t>(i)])});
    gapModel_->setTable({u"记录期号"_s, u"中奖间隔"_s}, std::move(rows));
    resizeColumns();
    grdsep->scrollToBottom();
}

void Tfrmtozi::showIntervalStats()
{
    // A list without a single hit has no statistics: the grid empties rather than keep the
    // previous list's.
    std::vector<QStringList> rows;
    for (const IntervalStatRow& row : intervalStats(gapTable_))
        rows.push_back({QString::number(row.interval), QString::number(row.length),
                        QString::number(row.count)});
    statModel_->setTable({u"间隔"_s, u"连续"_s, u"次数"_s}, std::move(rows));
    resizeColumns();
}

void Tfrmtozi::resizeColumns()
{
    // The grids share their width out as the window always has: (width − margin) div columns.
    const auto share = [](QTableView* grid, int margin, int columns) {
        if (grid->model()->columnCount() != columns)
            return;
        const int width = std::max(30, (grid->width() - margin) / columns);
        for (int c = 0; c < columns; ++c)
            setColumnWidthToFit(grid, c, width);
    };
    share(grdcode, 30, kBetDigits + 1);
    share(grdsepmode, 20, 3);
    share(grdtozi, 20, 7);
    if (gapModel_->columnCount() == 2) {
        const int width = grdsep->width();
        setColumnWidthToFit(grdsep, 0, std::max(40, (width - 30) * 2 / 3 + 5));
        setColumnWidthToFit(grdsep, 1, std::max(30, (width - 30) / 3 - 5));
    }
}

bool Tfrmtozi::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize
        && (watched == grdsep || watched == grdcode || watched == grdsepmode || watched == grdtozi))
        resizeColumns();
    return QWidget::eventFilter(watched, event);
}

std::optional<SimulationSettings> Tfrmtozi::readSimulationSettings()
{
    SimulationSettings s;
    std::int64_t bets = 0;
    for (const auto& [edit, name, target] :
         {std::tuple{edtlirun, u"预期利润"_s, &s.profitRate}, std::tuple{edtjushu, u"单倍注数"_s, &bets},
          std::tuple{edtoutofsin, u"单注奖金"_s, &s.unitPrize},
          std::tuple{edtsinmax, u"单期最大投入"_s, &s.maxStake},
          std::tuple{edtallmax, u"累计最大投入"_s, &s.maxTotal}}) {
        const auto value = readWholeNumber64(this, name, edit->text());
        if (!value)
            return std::nullopt;
        *target = *value;
    }
    s.unitStake = 2 * bets;
    s.interval = comsepindex->currentIndex() + 1;
    s.intervalCount = comsepnum->currentIndex() + 1;
    s.wait = comtozisep->currentIndex();
    s.runLength = comtozirep->currentIndex() + 1;
    s.carry = chkyuji->isChecked();
    const std::string problem = checkSimulationSettings(s, bets);
    if (!problem.empty()) {
        dialogs::error(this, QString::fromStdString(problem));
        return std::nullopt;
    }
    return s;
}

void Tfrmtozi::btnalaClick() { runSimulation(btnyouhua->text() != u"搜索"_s); }

void Tfrmtozi::runSimulation(bool quiet)
{
    if (gapTable_.empty()) {
        if (!quiet)
            dialogs::warning(this, kNoList);
        return;
    }
    const auto settings = readSimulationSettings();
    if (!settings)
        return;
    simulation_ = simulateInvestment(gapTable_, *settings);
    edtallwin->setText(QString::number(simulation_.balance));
    showSimulation();
    if (quiet)
        return;
    if (simulation_.stop == SimulationStop::FirstDayTooBig && !simulation_.rows.empty())
        dialogs::warning(this, u"第一天投入已经超出中奖金额，无法投注！"_s);
    else if (simulation_.stop == SimulationStop::MultiplierTooBig)
        dialogs::warning(this, u"所需倍数太大，无法投注！"_s);
}

void Tfrmtozi::showSimulation()
{
    std::vector<QStringList> rows;
    rows.reserve(simulation_.rows.size());
    balanceLine_.assign(1, 0);
    QList<QPointF> points{{0, 0}};
    std::int64_t cash = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
    for (const SimulationResultRow& result : simulation_.rows) {
        const RunRow& r = result.row;
        rows.push_back({QString::number(r.period), QString::number(r.multiplier),
                        QString::number(r.stake), QString::number(r.total), QString::number(r.prize),
                        QString::number(r.net), QString::number(r.rate)});
        // The money that really moved in this run: its prize when won, less what it staked (its
        // total without the loss carried in, which was counted when it was lost).
        cash += (result.won ? r.prize : 0) - (r.total - result.carried);
        balanceLine_.push_back(cash);
        low = std::min(low, cash);
        high = std::max(high, cash);
        points.append(QPointF(static_cast<qreal>(points.size()), static_cast<qreal>(cash)));
    }
    resultModel_->setTable(resultHeaders(), std::move(rows));
    resizeColumns();
    balanceSeries_->replace(points);
    const qsizetype runs = points.size() - 1;
    const auto axes = chtbalance->chart()->axes();
    for (QAbstractAxis* axis : axes) {
        auto* value = qobject_cast<QValueAxis*>(axis);
        if (!value)
            continue;
        if (axis->alignment() == Qt::AlignBottom) {
            // Whole runs only: a tick every run, or every tenth of them on a long history.
            value->setRange(0, static_cast<qreal>(std::max<qsizetype>(1, runs)));
            value->setTickInterval(static_cast<qreal>(std::max<qsizetype>(1, (runs + 9) / 10)));
        } else {
            value->setRange(static_cast<qreal>(low), static_cast<qreal>(std::max(high, low + 1)));
            value->applyNiceNumbers();
        }
    }
}

// The search ------------------------------------------------------------------------------------

void Tfrmtozi::setSearchLock(bool locked)
{
    for (QWidget* w : std::initializer_list<QWidget*>{btnala, btnfilt, btnclear, btnclose, tlbtnsave,
                                                      tlbtnload, tlbtnprint, grptozi})
        w->setEnabled(!locked);
}

void Tfrmtozi::btnyouhuaClick()
{
    if (search_) {
        search_->requestStop(); // each worker ends after the evaluation it is in
        return;
    }
    btnyouhua->setText(u"停止搜索"_s);
    if (gapTable_.empty()) {
        dialogs::warning(this, kNoList);
        btnyouhua->setText(u"搜索"_s);
        return;
    }
    const auto settings = readSimulationSettings();
    if (!settings) {
        btnyouhua->setText(u"搜索"_s);
        return;
    }
    resizeColumns();
    setSearchLock(true);
    const bool intervalMode = chksepmode->isChecked();
    search_ = std::make_unique<Ttozithread>(gapTable_, *settings, intervalMode);
    pb->setRange(0, search_->total());
    pb->setValue(0);
    pb->show();
    searchTimer_->start();
}

void Tfrmtozi::searchTick()
{
    if (!search_)
        return;
    pb->setValue(search_->progress());
    if (search_->finished())
        finishSearch();
}

void Tfrmtozi::finishSearch()
{
    searchTimer_->stop();
    const SearchOutcome outcome = search_->outcome();
    search_.reset();
    pb->setValue(pb->maximum());
    comsepnum->setCurrentIndex(outcome.best.a);
    comtozisep->setCurrentIndex(outcome.best.b);
    comtozirep->setCurrentIndex(outcome.best.c);
    runSimulation(true); // the caption still reads "停止搜索": no messages
    setSearchLock(false);
    pb->hide();
    btnyouhua->setText(u"搜索"_s);
}

// Files -----------------------------------------------------------------------------------------

InvestmentSettingsFile Tfrmtozi::settingsFile() const
{
    InvestmentSettingsFile s;
    s.playType = static_cast<int>(playType());
    s.waitItem = comtozisep->currentIndex();
    s.runItem = comtozirep->currentIndex();
    s.intervalItem = comsepindex->currentIndex();
    s.countItem = comsepnum->currentIndex();
    s.maxStake = edtsinmax->text().toStdString();
    s.maxTotal = edtallmax->text().toStdString();
    s.bets = edtjushu->text().toStdString();
    s.prize = edtoutofsin->text().toStdString();
    s.profit = edtlirun->text().toStdString();
    s.carry = chkyuji->isChecked();
    s.intervalMode = chksepmode->isChecked();
    return s;
}

void Tfrmtozi::applySettingsFile(const InvestmentSettingsFile& s)
{
    setPlayType(static_cast<PlayType>(s.playType));
    comtozisep->setCurrentIndex(s.waitItem);
    comtozirep->setCurrentIndex(s.runItem);
    comsepindex->setCurrentIndex(s.intervalItem);
    comsepnum->setCurrentIndex(s.countItem);
    edtsinmax->setText(QString::fromStdString(s.maxStake));
    edtallmax->setText(QString::fromStdString(s.maxTotal));
    edtjushu->setText(QString::fromStdString(s.bets));
    edtoutofsin->setText(QString::fromStdString(s.prize));
    edtlirun->setText(QString::fromStdString(s.profit));
    chkyuji->setChecked(s.carry);
    chksepmode->setChecked(s.intervalMode);
    chksepmodeClick();
}

bool Tfrmtozi::haveBetList()
{
    if (codeModel_->rowCount() == 0 || codeModel_->text(0, 0).isEmpty()) {
        dialogs::warning(this, kNoList);
        return false;
    }
    return true;
}

void Tfrmtozi::saveText(const QString& ending, const std::string& text)
{
    const QString name = QString::fromStdString(store_.profile().name)
                         + fromUtf8(playTypeCaption(playType())) + ending;
    const QString file = dialogs::saveFile(
        this, {u"保存"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, folder_.attachmentsFolder(), name});
    if (file.isEmpty())
        return;
    QString error;
    if (!writeFileAtomically(file, encodeGbk(QString::fromStdString(text)), &error)) {
        dialogs::error(this, error);
        return;
    }
    dialogs::information(this, u"成功保存！"_s);
}

std::optional<std::string> Tfrmtozi::loadText(const QString& ending)
{
    const QString name = QString::fromStdString(store_.profile().name)
                         + fromUtf8(playTypeCaption(playType())) + ending;
    const QString file = dialogs::openFile(
        this, {u"载入"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, folder_.attachmentsFolder(), name});
    if (file.isEmpty())
        return std::nullopt;
    QByteArray bytes;
    QString error;
    if (!readWholeFile(file, &bytes, &error)) {
        dialogs::error(this, error);
        return std::nullopt;
    }
    return decodeGbkOrUtf8(bytes).toStdString();
}

void Tfrmtozi::mnucodesaveClick()
{
    if (haveBetList())
        saveText(u"投资模式投注号码.txt"_s, betsFileText(playType(), bets_));
}

void Tfrmtozi::mnusetsaveClick()
{
    // A box that holds no whole number would make a file that cannot be loaded back.
    if (readSimulationSettings())
        saveText(u"投资模式设置.txt"_s, settingsFileText(settingsFile()));
}

void Tfrmtozi::mnubothsaveClick()
{
    if (haveBetList() && readSimulationSettings())
        saveText(u"投资模式投注号码和设置.txt"_s, combinedFileText(settingsFile(), bets_));
}

namespace {

bool refuse(QWidget* parent, const LoadedInvestmentFile& file)
{
    if (file.ok())
        return false;
    dialogs::error(parent, u"文件内容有误，未载入：%1"_s.arg(QString::fromStdString(file.error)));
    return true;
}

} // namespace

void Tfrmtozi::mnucodeloadClick()
{
    const auto text = loadText(u"投资模式投注号码.txt"_s);
    if (!text)
        return;
    LoadedInvestmentFile file = parseBetsFile(*text);
    if (refuse(this, file))
        return;
    setPlayType(file.playType);
    edtjushu->setText(QString::number(file.bets.size()));
    useBets(file.playType, std::move(file.bets));
}

void Tfrmtozi::mnusetloadClick()
{
    const auto text = loadText(u"投资模式设置.txt"_s);
    if (!text)
        return;
    const LoadedInvestmentFile file = parseSettingsFile(*text);
    if (refuse(this, file))
        return;
    applySettingsFile(*file.settings);
}

void Tfrmtozi::mnubothloadClick()
{
    const auto text = loadText(u"投资模式投注号码和设置.txt"_s);
    if (!text)
        return;
    LoadedInvestmentFile file = parseCombinedFile(*text);
    if (refuse(this, file))
        return;
    applySettingsFile(*file.settings);
    useBets(file.playType, std::move(file.bets));
    runSimulation(false);
}

// Printing --------------------------------------------------------------------------------------

QString Tfrmtozi::listTitle() const
{
    const auto& draws = store_.history().draws;
    const QString issue = draws.empty() ? QString() : QString::number(draws.back().issue);
    return QString::fromStdString(store_.profile().name) + u"  "_s + issue + u"期"_s
           + fromUtf8(playTypeCaption(playType())) + u"投注号码"_s;
}

QString Tfrmtozi::settingsTitle() const
{
    return QString::fromStdString(store_.profile().name) + u"  投资模式设置"_s;
}

std::vector<std::pair<QString, QString>> Tfrmtozi::settingsPageLines() const
{
    return {
        {u"观察间隔数："_s + comsepindex->currentText(), u"单期最大投入："_s + edtsinmax->text()},
        {u"观察间隔连续次数："_s + comsepnum->currentText(), u"累计最大投入："_s + edtallmax->text()},
        {u"中出后间隔数："_s + comtozisep->currentText(), u"单倍注数："_s + edtjushu->text()},
        {u"连续投入期数："_s + comtozirep->currentText(), u"单注奖金："_s + edtoutofsin->text()},
        {u"总体赢余："_s + edtallwin->text(), u"预期利润："_s + edtlirun->text()},
        {chkyuji->isChecked() ? u"选中预计亏损"_s : u"取消预计亏损"_s,
         chksepmode->isChecked() ? u"选中间隔模式"_s : u"取消间隔模式"_s},
    };
}

void Tfrmtozi::mnucodeprintClick()
{
    printTableReport(this, {ReportLayout::InvestmentList, listTitle(),
                            u"共%1注 打印日期:%2"_s.arg(codeModel_->rowCount()).arg(reportDateToday()),
                            codeModel_->headers(), codeModel_->rows()});
}

void Tfrmtozi::mnusetprintClick() { printSettingsPage(this, {settingsTitle(), settingsPageLines()}); }

void Tfrmtozi::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the list and the results stay until the lottery is closed.
    event->ignore();
    hide();
}

} // namespace pickora::ui
