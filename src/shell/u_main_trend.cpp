// The trend mode buttons of the main window: "标准走势", "变幻走势", and the indicator search
// "搜索杀号" with its settings window "搜索设置". Also the compound search's menu item, which
// drives the same switch.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "analysis/indicator_search.h"
#include "analysis/trend_search.h"
#include "analysis/u_fushi.h"
#include "analysis/u_sercanshu.h"
#include "filter/u_totalfilt.h"
#include "widgets/dialogs.h"
#include "widgets/long_loop.h"
#include "shell/u_main.h"
#include "store/db_engine.h"
#include "store/transformed_history.h"
#include "store/draw_history.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

void Tfrmmain::wireTrendButtons()
{
    sercanshu_ = new Tfrmsercanshu(this);
    sercanshu_->hide();
    connect(toolButton(u"tlbbiaozhun"_s), &QToolButton::clicked, this, &Tfrmmain::tlbbiaozhunClick);
    connect(toolButton(u"tlbbianwan"_s), &QToolButton::clicked, this, &Tfrmmain::tlbbianwanClick);
    connect(toolButton(u"tlbpiantai"_s), &QToolButton::clicked, this, &Tfrmmain::tlbpiantaiClick);
    connect(toolButton(u"tlbyilou"_s), &QToolButton::clicked, this, &Tfrmmain::tlbyilouClick);
    wireWindows({
        {u"mnufushi"_s, u"Tfrmfushi"_s, [this] { return new Tfrmfushi(store_, *this, this); }},
    });
}

namespace {

Tfrmtotalfilt* ensureTotalFilter(ToolWindows& windows, DrawStore& store, QWidget* parent)
{
    return static_cast<Tfrmtotalfilt*>(
        windows.ensure(u"Tfrmtotalfilt"_s, [&] { return new Tfrmtotalfilt(store, parent); }));
}

} // namespace

void Tfrmmain::showStandardTrend()
{
    if (!store_.lotteryOpen())
        return;
    try {
        store_.showStandard();
    } catch (const StoreError& e) {
        dialogs::error(this, QString::fromUtf8(e.what()));
        return;
    }
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(true);
    // The last search's line spoke of a transform no longer shown.
    statusBar()->clearMessage();
}

void Tfrmmain::showTransformedTrend()
{
    if (!store_.lotteryOpen())
        return;
    store_.showTransformed();
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(false);
}

void Tfrmmain::tlbbiaozhunClick() { showStandardTrend(); }

void Tfrmmain::tlbbianwanClick() { showTransformedTrend(); }

void Tfrmmain::tlbpiantaiClick()
{
    sercanshu_->show();
    sercanshu_->raise();
    sercanshu_->activateWindow();
}

void Tfrmmain::tlbyilouClick()
{
    if (LongLoop* running = LongLoop::runningIn(this)) {
        running->requestStop();
        return;
    }
    if (!store_.lotteryOpen())
        return;
    const auto settings = sercanshu_->readSettings();
    if (!settings)
        return;
    const int n = store_.profile().totalNumbers;
    const int k = store_.profile().pickCount;
    if (const auto problem = checkSearchSettings(*settings, store_.history().count(), n, k)) {
        dialogs::error(this, QString::fromStdString(*problem));
        return;
    }
    selectTab(static_cast<int>(settings->kind) + 1);

    QToolButton* button = toolButton(u"tlbyilou"_s);
    searchTransforms_ = 0;
    IndicatorSearchOutcome outcome;
    {
        // While the search runs only its own button (now "停止搜索") answers.
        LongLoop loop(this, {button}, false, 30);
        button->setText(u"停止搜索"_s);
        outcome = runIndicatorSearch(store_, *settings, loop, [this](int transforms) {
            searchTransforms_ = transforms;
            statusBar()->showMessage(u"搜索杀号：已变幻 %1 次……"_s.arg(transforms));
        });
        if (!loop.windowAlive())
            return;
    }
    button->setText(u"搜索杀号"_s);
    searchTransforms_ = outcome.transforms;
    updateMenuState();
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(false);
    statusBar()->showMessage(outcome.found
                                 ? u"搜索杀号：第 %1 次变幻符合条件。"_s.arg(outcome.transforms)
                                 : u"搜索杀号已停止（已变幻 %1 次）。"_s.arg(outcome.transforms));
}

void Tfrmmain::closeEvent(QCloseEvent* event)
{
    // A running search ends first; the window closes once it has.
    if (LongLoop* running = LongLoop::runningIn(this)) {
        running->requestStop();
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace pickora::ui
