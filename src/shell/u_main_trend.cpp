// The trend mode buttons of the main window: "标准走势", "变幻走势", and the indicator search
// "搜索杀号" with its settings window "搜索设置". Also the compound search's menu item, which
// drives the same switch.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "analysis/indicator_view.h"
#include "analysis/trend_search.h"
#include "analysis/u_fushi.h"
#include "analysis/u_qujian.h"
#include "analysis/u_sercanshu.h"
#include "filter/u_totalfilt.h"
#include "widgets/dialogs.h"
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
    connect(menuItem(u"mnufushi"_s), &QAction::triggered, this, [this] {
        toolWindows_.show(u"Tfrmfushi"_s, [this] { return new Tfrmfushi(store_, *this, this); });
    });
}

namespace {

Tfrmtotalfilt* ensureTotalFilter(ToolWindows& windows, DrawStore& store, QWidget* parent)
{
    return static_cast<Tfrmtotalfilt*>(
        windows.ensure(u"Tfrmtotalfilt"_s, [&] { return new Tfrmtotalfilt(store, parent); }));
}

} // namespace

void Tfrmmain::refreshView(bool transformed)
{
    // The trend grid follows the store's rows by itself.
    if (auto* indicator = qobject_cast<IndicatorView*>(view_.data())) {
        transformed ? indicator->computeTransformed() : indicator->computeStandard();
        indicator->drawChart();
    } else if (auto* interval = qobject_cast<Tfrmqujian*>(view_.data())) {
        transformed ? interval->computeTransformed() : interval->computeStandard();
        interval->drawChart();
    }
}

void Tfrmmain::showStandardTrend()
{
    if (!store_.lotteryOpen)
        return;
    store_.transformedMode = false;
    try {
        store_.loadDrawHistory();
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
        return;
    } catch (const DrawDataError& e) {
        dialogs::error(this, QString::fromStdString(e.what()));
        return;
    }
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(true);
    refreshView(false);
    // The last search's line spoke of a transform no longer shown.
    statusBar()->clearMessage();
}

void Tfrmmain::showTransformedTrend()
{
    if (!store_.lotteryOpen)
        return;
    store_.transformedMode = true;
    store_.loadTransformedHistory();
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(false);
    refreshView(true);
}

void Tfrmmain::tlbbiaozhunClick() { showStandardTrend(); }

void Tfrmmain::tlbbianwanClick() { showTransformedTrend(); }

void Tfrmmain::tlbpiantaiClick()
{
    sercanshu_->show();
    sercanshu_->raise();
    sercanshu_->activateWindow();
}

void Tfrmmain::setSearchLock(bool locked)
{
    // While the search runs only its own button (now "停止搜索") answers.
    menuBar()->setEnabled(!locked);
    tabmain->setEnabled(!locked);
    for (const auto& [name, button] : toolButtons_)
        if (name != u"tlbyilou"_s)
            button->setEnabled(!locked);
    if (!locked)
        updateMenuState();
    toolButton(u"tlbyilou"_s)->setText(locked ? u"停止搜索"_s : u"搜索杀号"_s);
}

void Tfrmmain::tlbyilouClick()
{
    if (searching_) {
        stopSearch_ = true;
        return;
    }
    if (!store_.lotteryOpen)
        return;
    const auto settings = sercanshu_->readSettings();
    if (!settings)
        return;
    const int n = store_.profile.totalNumbers;
    const int k = store_.profile.pickCount;
    if (const auto problem = checkSearchSettings(*settings, store_.history.count(), n, k)) {
        dialogs::error(this, QString::fromStdString(*problem));
        return;
    }
    selectTab(static_cast<int>(settings->kind) + 1);

    searching_ = true;
    stopSearch_ = false;
    searchTransforms_ = 0;
    setSearchLock(true);
    bool found = false;
    QElapsedTimer sincePump;
    sincePump.start();
    // Each trial ranks only the draws the test reads; the transform that passes is then built
    // whole and shown.
    const int ranked = settings->runLength + (needsReference(settings->kind) ? 1 : 0);
    while (!stopSearch_) {
        const TransformParameters trial = store_.drawTransformParameters();
        ++searchTransforms_;
        const std::vector<Draw> newest = transformNewest(store_.history.draws, n, k,
                                                         trial.permutation, trial.windowLength,
                                                         ranked);
        std::vector<float> values = newestIndicatorValues(settings->kind, newest,
                                                          static_cast<int>(newest.size()), n, k);
        // A skew or repeat needs the draw before the newest L only as its reference.
        if (values.size() > static_cast<std::size_t>(settings->runLength))
            values.erase(values.begin(), values.end() - settings->runLength);
        if (searchStops(*settings, values)) {
            store_.transformedMode = true;
            store_.applyTransform(trial);
            found = true;
            break;
        }
        if (sincePump.elapsed() >= 30) {
            statusBar()->showMessage(u"搜索杀号：已变幻 %1 次……"_s.arg(searchTransforms_));
            QApplication::processEvents();
            sincePump.restart();
        }
    }
    if (!found) {
        // Stopped: a fresh transform is built and shown, as after a press of "变幻走势" (the
        // trials were never built whole).
        store_.transformedMode = true;
        store_.loadTransformedHistory();
    }
    searching_ = false;
    setSearchLock(false);
    ensureTotalFilter(toolWindows_, store_, this)->setBallPicking(false);
    refreshView(true);
    statusBar()->showMessage(found ? u"搜索杀号：第 %1 次变幻符合条件。"_s.arg(searchTransforms_)
                                   : u"搜索杀号已停止（已变幻 %1 次）。"_s.arg(searchTransforms_));
}

void Tfrmmain::closeEvent(QCloseEvent* event)
{
    // A running search ends first; the window closes once it has.
    if (searching_) {
        stopSearch_ = true;
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace pickora::ui
