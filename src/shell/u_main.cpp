#include "shell/u_main.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/u_AC.h"
#include "analysis/u_code.h"
#include "analysis/u_congma.h"
#include "analysis/u_daxiao.h"
#include "analysis/u_hei.h"
#include "analysis/u_jiou.h"
#include "analysis/u_kuadu.h"
#include "analysis/u_piandu.h"
#include "analysis/u_piantai.h"
#include "analysis/u_qujian.h"
#include "analysis/u_sandu.h"
#include "analysis/u_yilou.h"
#include "shell/advert_strip.h"
#include "widgets/dialogs.h"
#include "widgets/long_loop.h"
#include "shell/u_index.h"
#include "store/demo_database.h"
#include "store/draw_history.h"
#include "store/db_engine.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

// The client area: the stretched background picture, the advertisement strip and the one view.
class BackgroundArea : public QWidget {
public:
    explicit BackgroundArea(QWidget* parent) : QWidget(parent)
    {
        setObjectName(u"imageback"_s);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    void setPicture(const QPixmap& picture)
    {
        picture_ = picture;
        update();
    }
    bool hasPicture() const { return !picture_.isNull(); }
    void setView(QWidget* view)
    {
        layout()->addWidget(view);
        view->show();
        view->raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (picture_.isNull())
            painter.fillRect(rect(), palette().color(QPalette::Dark));
        else
            painter.drawPixmap(rect(), picture_);
    }

private:
    QPixmap picture_;
};

namespace {

const QString kTitle = u"Karvo11选5Pickora"_s;

// Menu items and tool bar buttons that need an open lottery.
const QStringList kAnalysisItems = {u"mnucode"_s,    u"mnudaxiao"_s, u"mnujiou"_s,
                                    u"mnuhei"_s,     u"mnukuadu"_s,  u"mnusandu"_s,
                                    u"mnupiandu"_s,  u"mnuac"_s,     u"mnucongma"_s,
                                    u"mnuqujian"_s};
const QStringList kFilterItems = {
    u"mnutotalfilt"_s, u"mnujuzheng"_s,    u"mnupiantai"_s,  u"mnuyilou"_s,
    u"mnusep"_s,       u"mnuqingmi"_s,     u"mnuallcongma"_s, u"mnuallhei"_s,
    u"mnuallpiantai"_s, u"mnuallgensui"_s, u"mnuganzhi"_s,   u"mnusibu"_s,
    u"mnufushi"_s};
const QStringList kLotteryToolButtons = {u"tlbpiantai"_s, u"tlbyilou"_s, u"tlbala"_s,
                                         u"tlbbiaozhun"_s, u"tlbbianwan"_s};

} // namespace

Tfrmmain::Tfrmmain(DrawStore& store, ProgramFolder folder, QUrl advertServer, QWidget* parent)
    : QMainWindow(parent), store_(store), folder_(std::move(folder)),
      advertServer_(std::move(advertServer))
{
    setObjectName(u"Tfrmmain"_s);
    setWindowTitle(kTitle);
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(1024, 700);

    imageback = new BackgroundArea(this);
    setCentralWidget(imageback);
    imageback->installEventFilter(this);
    buildMenus();
    buildToolBar();
    wireDataMenus();
    wireInvestMenu();
    wireDownloadMenu();
    wireFilterMenu();
    wireWheelMenu();
    wireTrendButtons();
    // An item whose window is not there yet stays disabled rather than doing nothing.
    for (const auto& [name, action] : menuItems_)
        if (!wiredItems_.contains(name))
            action->setEnabled(false);
    pan = new AdvertStrip(folder_.root(), imageback);

    lblmode = new QLabel(this);
    lblmode->setObjectName(u"lblmode"_s);
    statusBar()->addPermanentWidget(lblmode);
    lbldemo = new QLabel(QString::fromUtf16(kDemoNote), this);
    lbldemo->setObjectName(u"lbldemo"_s);
    lbldemo->setStyleSheet(u"QLabel { color: #b00000; font-weight: bold; }"_s);
    statusBar()->addPermanentWidget(lbldemo);
    // Every change of the rows shown (open, "标准走势", "变幻走势", a search, close) may change the mode.
    connect(&store_, &DrawStore::rowsChanged, this, &Tfrmmain::updateTrendModeNote);
    updateTrendModeNote();

    registerViews();
    FormCreate();
    updateMenuState();
}

Tfrmmain::~Tfrmmain()
{
    closeViews();
    toolWindows_.closeAll();
}

void Tfrmmain::updateTrendModeNote()
{
    const bool transformed = store_.lotteryOpen() && store_.transformedMode();
    toolButton(u"tlbbiaozhun"_s)->setChecked(store_.lotteryOpen() && !transformed);
    toolButton(u"tlbbianwan"_s)->setChecked(transformed);
    lblmode->setText(transformed ? u"变幻走势：各视图显示的是变幻后的号码（按“标准走势”恢复）"_s
                                 : QString());
    lblmode->setVisible(transformed);
}

void Tfrmmain::updateDemoNote() { lbldemo->setVisible(isDemoDatabase(folder_.databaseFile())); }

void Tfrmmain::FormCreate()
{
    store_.setDrawPosition(DrawPosition::Front);
    updateDemoNote();
    pan->start(advertServer_);
    const QString background = folder_.backgroundPicture();
    QPixmap picture;
    if (!picture.load(background))
        dialogs::error(this, u"无法读取背景图片：%1"_s.arg(background));
    else
        imageback->setPicture(picture);
}

QAction* Tfrmmain::addItem(QMenu* menu, const char* name, const QString& caption,
                           std::function<void()> handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1StringView(name));
    menuItems_[action->objectName()] = action;
    if (handler)
        onMenuItem(action->objectName(), std::move(handler));
    return action;
}

void Tfrmmain::onMenuItem(const QString& item, std::function<void()> handler)
{
    connect(menuItem(item), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    wiredItems_.insert(item);
}

void Tfrmmain::wireWindows(const std::vector<MenuWindow>& table)
{
    for (const MenuWindow& row : table)
        onMenuItem(row.item, [this, row] { toolWindows_.show(row.windowClass, row.create); });
}

void Tfrmmain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"mnumain"_s);

    QMenu* file = bar->addMenu(u"文件(&F)"_s);
    file->setObjectName(u"mnufile"_s);
    addItem(file, "mnuopen", u"打开彩票(&O)"_s, [this] { mnuopenClick(); });
    addItem(file, "mnuclose", u"关闭彩票(&G)"_s, [this] { mnucloseClick(); });
    file->addSeparator();
    addItem(file, "mnuexit", u"退出(&X)"_s, [this] { close(); });

    QMenu* data = bar->addMenu(u"彩票数据(&D)"_s);
    data->setObjectName(u"mnudata"_s);
    addItem(data, "mnudataadd", u"数据添加(&M)"_s);
    addItem(data, "mnudownload", u"数据下载(&D)"_s);
    addItem(data, "mnuimport", u"导入开奖号码(&I)"_s);
    data->addSeparator();
    addItem(data, "mnubackup", u"数据备份(&B)"_s);
    addItem(data, "mnurestore", u"数据恢复(&C)"_s);

    QMenu* analysis = bar->addMenu(u"数据分析(&A)"_s);
    analysis->setObjectName(u"mnuanalysis"_s);
    const QStringList analysisCaptions = {
        u"开奖号码走势(&C)"_s, u"号码大小分析(&Z)"_s, u"号码奇偶分析(&J)"_s,
        u"号码和值分析(&H)"_s, u"号码跨度分析(&k)"_s, u"号码散度分析(&S)"_s,
        u"号码偏度分析(&P)"_s, u"号码AC值分析(&A)"_s, u"号码重码分析(&C)"_s,
        u"号码区间分析(&Q)"_s};
    for (int tab = 0; tab < analysisCaptions.size(); ++tab) {
        const QByteArray name = kAnalysisItems.at(tab).toLatin1();
        addItem(analysis, name.constData(), analysisCaptions.at(tab), [this, tab] { selectTab(tab); });
    }

    QMenu* filter = bar->addMenu(u"选号过滤(&S)"_s);
    filter->setObjectName(u"mnufilter"_s);
    const QStringList filterCaptions = {
        u"总体号码缩水过滤(&T)"_s, u"旋转矩阵组号缩水(&X)"_s, u"中奖偏态分析选号(&P)"_s,
        u"中奖回补分析选号(&H)"_s, u"最优间隔回补选号(&L)"_s, u"最优亲密数字选号(&Q)"_s,
        u"无穷重码排除选号(&C)"_s, u"无穷和值排除选号(&T)"_s, u"无穷偏态排除选号(&P)"_s,
        u"无穷跟随排除选号(&W)"_s, u"最优开奖干支选号(&G)"_s, u"最优四步综合选号(&Z)"_s,
        u"最优复式搜索选号(&F)"_s};
    for (int i = 0; i < filterCaptions.size(); ++i) {
        const QByteArray name = kFilterItems.at(i).toLatin1();
        addItem(filter, name.constData(), filterCaptions.at(i));
    }
    wireWindows({
        {u"mnupiantai"_s, u"Tfrmpiantai"_s, [this] { return new Tfrmpiantai(store_, this); }},
        {u"mnuyilou"_s, u"Tfrmyilou"_s, [this] { return new Tfrmyilou(store_, this); }},
    });

    QMenu* invest = bar->addMenu(u"投资管理(&M)"_s);
    invest->setObjectName(u"mnuinvest"_s);
    addItem(invest, "mnugudingjihua", u"固定投资计划(&D)"_s);
    addItem(invest, "mnujieduanjihua", u"阶段投资计划(&J)"_s);
    addItem(invest, "mnukeibianjihua", u"可变投资计划(&S)"_s);
    addItem(invest, "mnutozi", u"投资模式分析(&Z)"_s);

    QMenu* web = bar->addMenu(u"彩票网站(&W)"_s);
    web->setObjectName(u"mnuweb"_s);
    addItem(web, "mnukarvoweb", u"Karvo彩票信息网"_s);
    addItem(web, "mnutiyuweb", u"中国体育彩票网"_s);
    addItem(web, "mnufuliweb", u"中国福利彩票网"_s);
    addItem(web, "mnushishicaiweb", u"中国时时彩官网"_s);

    QMenu* help = bar->addMenu(u"帮助(&H)"_s);
    help->setObjectName(u"mnuhelpmenu"_s);
    addItem(help, "mnuhelp", u"使用帮助(&C)"_s);
    addItem(help, "mnuhomepage", u"官方网站(&G)"_s);
    addItem(help, "mnuqq", u"有事Q我(&M)"_s);
    addItem(help, "mnuabout", u"关于(&A)..."_s);
}

QToolButton* Tfrmmain::addToolButton(const char* name, const QString& caption, const QString& hint,
                                     std::function<void()> handler)
{
    auto* button = new QToolButton(tlbmain);
    button->setObjectName(QLatin1StringView(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedSize(55, 36);
    button->setAutoRaise(true);
    if (handler)
        connect(button, &QToolButton::clicked, this, [handler = std::move(handler)] { handler(); });
    tlbmain->addWidget(button);
    toolButtons_[button->objectName()] = button;
    return button;
}

void Tfrmmain::buildToolBar()
{
    tlbmain = addToolBar(u"tlbmain"_s);
    tlbmain->setObjectName(u"tlbmain"_s);
    tlbmain->setMovable(false);
    tlbmain->setFloatable(false);
    tlbmain->setFixedHeight(40);
    tlbmain->installEventFilter(this);

    addToolButton("tlbopen", u"打开彩票"_s, u"打开彩票"_s, [this] { mnuopenClick(); });
    tlbdata = addToolButton("tlbdata", u"彩票数据"_s, u"彩票数据"_s, [this] { tlbdataClick(); });
    addToolButton("tlbpiantai", u"搜索设置"_s, u"搜索设置"_s);
    addToolButton("tlbyilou", u"搜索杀号"_s, u"最优四步综合选号"_s);
    addToolButton("tlbala", u"总体过滤"_s, u"总体过滤"_s);
    // Checked while their mode is in force, so the mode is always in view.
    addToolButton("tlbbiaozhun", u"标准走势"_s, u"标准走势"_s)->setCheckable(true);
    addToolButton("tlbbianwan", u"变幻走势"_s, u"变幻走势"_s)->setCheckable(true);
    addToolButton("tlbyansi", u"软件演示"_s, u"软件演示"_s, [this] { tlbyansiClick(); });
    tlbexit = addToolButton("tlbexit", u"退出"_s, u"退出系统"_s, [this] { close(); });

    tabmain = new QTabBar(tlbmain);
    tabmain->setObjectName(u"tabmain"_s);
    tabmain->setExpanding(false);
    tabmain->setDrawBase(false);
    // Narrow tabs, so all ten fit beside the tool bar buttons on a common screen.
    tabmain->setStyleSheet(u"QTabBar::tab { padding: 4px 6px; }"_s);
    for (const QString& caption :
         {u"开奖号码走势"_s, u"号码大小分析"_s, u"号码奇偶分析"_s, u"号码和值分析"_s,
          u"号码跨度分析"_s, u"号码散度分析"_s, u"号码偏度分析"_s, u"号码AC值分析"_s,
          u"号码重码分析"_s, u"号码区间分析"_s})
        tabmain->addTab(caption);
    tabmain->hide();
    connect(tabmain, &QTabBar::currentChanged, this, [this] { tabmainChange(); });
}

QAction* Tfrmmain::menuItem(const QString& objectName) const
{
    const auto it = menuItems_.find(objectName);
    return it == menuItems_.end() ? nullptr : it->second;
}

QToolButton* Tfrmmain::toolButton(const QString& objectName) const
{
    const auto it = toolButtons_.find(objectName);
    return it == toolButtons_.end() ? nullptr : it->second;
}

void Tfrmmain::registerViews()
{
    setViewFactory(0, [](DrawStore& s, QWidget* p) { return new Tfrmcode(s, p); });
    setViewFactory(1, [](DrawStore& s, QWidget* p) { return new Tfrmdaxiao(s, p); });
    setViewFactory(2, [](DrawStore& s, QWidget* p) { return new Tfrmjiou(s, p); });
    setViewFactory(3, [](DrawStore& s, QWidget* p) { return new Tfrmhei(s, p); });
    setViewFactory(4, [](DrawStore& s, QWidget* p) { return new Tfrmkuadu(s, p); });
    setViewFactory(5, [](DrawStore& s, QWidget* p) { return new Tfrmsandu(s, p); });
    setViewFactory(6, [](DrawStore& s, QWidget* p) { return new Tfrmpiandu(s, p); });
    setViewFactory(7, [](DrawStore& s, QWidget* p) { return new Tfrmac(s, p); });
    setViewFactory(8, [](DrawStore& s, QWidget* p) { return new Tfrmcongma(s, p); });
    setViewFactory(9, [](DrawStore& s, QWidget* p) { return new Tfrmqujian(s, p); });
}

void Tfrmmain::setViewFactory(int tab, ViewFactory factory) { viewFactories_[tab] = std::move(factory); }

QString Tfrmmain::openedCaption(const QString& name, const QString& position)
{
    return kTitle + u"《"_s + name + u"》"_s + position;
}

QString Tfrmmain::quickDrawCaption(const QString& name, const QString& position)
{
    return kTitle + u"《"_s + name + position + u"》"_s;
}

bool Tfrmmain::searching() const { return LongLoop::runningIn(this) != nullptr; }

void Tfrmmain::updateMenuState()
{
    if (searching())
        return; // the search keeps everything but its own button locked
    const bool open = store_.lotteryOpen();
    for (const QStringList* names : {&kAnalysisItems, &kFilterItems})
        for (const QString& name : *names)
            menuItems_.at(name)->setEnabled(open && wiredItems_.contains(name));
    for (const QString& name : kLotteryToolButtons)
        toolButtons_.at(name)->setEnabled(open);
}

void Tfrmmain::placeTabStrip()
{
    const int left = tlbexit->geometry().left() + tlbexit->width();
    const int width = tlbmain->contentsRect().width() - left - 10;
    const int height = tabmain->sizeHint().height();
    tabmain->setGeometry(left, tlbmain->height() - height, std::max(0, width), height);
}

void Tfrmmain::placeAdvertStrip()
{
    pan->move((imageback->width() - pan->width()) / 2, 200);
}

bool Tfrmmain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == tlbmain)
            placeTabStrip();
        else if (watched == imageback)
            placeAdvertStrip();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrmmain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeTabStrip();
}

void Tfrmmain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        updateMenuState();
        placeTabStrip();
    }
}

void Tfrmmain::closeViews()
{
    // Only one view is ever inside the window; delete it before the next is made.
    delete view_.data();
    view_ = nullptr;
}

void Tfrmmain::tabmainChange()
{
    closeViews();
    if (!store_.lotteryOpen())
        return;
    const auto it = viewFactories_.find(tabmain->currentIndex());
    if (it == viewFactories_.end())
        return;
    view_ = it->second(store_, imageback);
    imageback->setView(view_);
}

void Tfrmmain::selectTab(int index)
{
    {
        const QSignalBlocker blocker(tabmain);
        tabmain->setCurrentIndex(index);
    }
    tabmainChange();
}

void Tfrmmain::showOpenedLottery(const QString& caption)
{
    placeTabStrip();
    {
        const QSignalBlocker blocker(tabmain);
        tabmain->setCurrentIndex(0);
    }
    tabmain->show();
    setWindowTitle(caption);
    updateDemoNote();
    tlbdata->setText(u"快速开奖"_s);
    tlbdata->setToolTip(u"快速开奖"_s);
    updateMenuState();
    tabmainChange();
}

void Tfrmmain::mnucloseClick()
{
    store_.closeDrawStore();
    closeViews();
    toolWindows_.closeAll();
    tabmain->hide();
    setWindowTitle(kTitle);
    updateMenuState();
}

void Tfrmmain::mnuopenClick()
{
    mnucloseClick();
    if (!catalogue_) {
        catalogue_ = new Tfrmindex(store_, this);
        connect(catalogue_, &Tfrmindex::lotteryOpened, this, [this](const QString& position) {
            showOpenedLottery(
                openedCaption(QString::fromStdString(store_.profile().name), position));
        });
    }
    catalogue_->exec();
    // After an open the catalogue is discarded; after "退出" it is kept with its list.
    if (catalogue_ && catalogue_->opened())
        delete catalogue_.data();
}

void Tfrmmain::tlbdataClick()
{
    // Before the first open there is no lottery to refresh: let the player choose one.
    if (store_.profile().name.empty()) {
        mnuopenClick();
        return;
    }
    mnucloseClick();
    quickDownload();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString failure;
    try {
        store_.openLottery(store_.profile());
    } catch (const StoreError& e) {
        failure = QString::fromUtf8(e.what());
    }
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        updateMenuState();
        dialogs::error(this, failure);
        return;
    }
    if (const std::string warning = historyWarningText(store_.history()); !warning.empty())
        dialogs::warning(this, QString::fromStdString(warning));
    const QString position = QString::fromUtf8(positionText(store_.drawPosition()).data());
    showOpenedLottery(quickDrawCaption(QString::fromStdString(store_.profile().name), position));
}

void Tfrmmain::tlbyansiClick()
{
#ifdef Q_OS_WIN
    const QString program = folder_.path(u"软件演示.exe"_s);
#else
    const QString program = folder_.path(u"软件演示"_s);
#endif
    if (!QProcess::startDetached(program, {}))
        dialogs::error(this, u"无法启动软件演示程序：%1"_s.arg(program));
}

} // namespace pickora::ui
