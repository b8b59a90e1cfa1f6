#include "demo/demo_tour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QPushButton>
#include <QTimer>

#include "shell/u_about.h"
#include "shell/u_data.h"
#include "shell/u_index.h"
#include "shell/u_main.h"
#include "store/program_folder.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

QString startFileDialogsOutsideTheDemo()
{
    QString folder = desktopFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    dialogs::setStartFolderOverride(folder);
    return folder;
}

DemoTour::DemoTour(Tfrmmain& window, QString lottery, int stepMilliseconds, QObject* parent)
    : QObject(parent), window_(&window), lottery_(std::move(lottery)), stepMs_(stepMilliseconds)
{
    strip_ = new QLabel(&window);
    strip_->setObjectName(u"lbldemo"_s);
    strip_->setWordWrap(true);
    strip_->setAlignment(Qt::AlignCenter);
    QFont font = strip_->font();
    font.setPixelSize(18);
    font.setBold(true);
    strip_->setFont(font);
    strip_->setStyleSheet(u"QLabel { color: white; background: rgba(12, 40, 60, 220); "
                          "border: 2px solid #e0b040; border-radius: 8px; padding: 8px 16px; }"_s);
    strip_->hide();
    window.installEventFilter(this);
    buildSteps();
}

template <class T> void DemoTour::laterOnModal(int delay, std::function<void(T*)> act)
{
    QTimer::singleShot(delay, this, [act = std::move(act)] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(dialog);
    });
}

void DemoTour::buildSteps()
{
    const auto tab = [this](int index) {
        return [this, index] {
            window_->selectTab(index);
            if (window_->currentView())
                tabs_ << index;
        };
    };
    const auto openLottery = [this] {
        laterOnModal<Tfrmindex>(stepMs_ / 4, [this](Tfrmindex* catalogue) {
            auto* list = catalogue->findChild<QListWidget*>(u"lstcaipiao"_s);
            list->setCurrentItem(list->findItems(lottery_, Qt::MatchExactly).value(0));
        });
        laterOnModal<Tfrmindex>(stepMs_ / 2, [](Tfrmindex* catalogue) {
            const QList<QRadioButton*> positions =
                catalogue->findChild<QGroupBox*>(u"optpos"_s)->findChildren<QRadioButton*>();
            if (positions.size() > 1)
                positions[1]->click(); // 中三
        });
        laterOnModal<Tfrmindex>(stepMs_, [](Tfrmindex* catalogue) { catalogue->btnopenClick(); });
        window_->mnuopenClick();
    };
    const auto browseEditor = [this] {
        laterOnModal<Tfrmdata>(stepMs_ / 4, [this](Tfrmdata* editor) {
            auto* list = editor->findChild<QListWidget*>(u"lstcaipiao"_s);
            list->setCurrentItem(list->findItems(lottery_, Qt::MatchExactly).value(0));
        });
        laterOnModal<Tfrmdata>(stepMs_, [](Tfrmdata* editor) { editor->btnextClick(); });
        window_->menuItem(u"mnudataadd"_s)->trigger();
    };
    const auto closeToolWindows = [this] {
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (w->isWindow() && w->isVisible() && w != window_)
                w->close();
    };

    steps_ = {
        {u"欢迎观看 Karvo11选5Pickora 软件演示！演示使用临时文件夹里的模拟开奖数据，"
         "不会改动您自己的数据。"_s, {}},
        {u"彩票数据 → 数据添加：查看、手工添加和修改各种彩票的开奖号码，也可以导出为文本文件。"_s,
         browseEditor, true},
        {u"打开彩票：在列表中选择“%1”，选择分析“中三”，再单击“打开彩票”。"_s.arg(lottery_),
         openLottery, true},
        {u"开奖号码走势：每期一行，列出期号、分析的三个号码，以及 01～11 各号码是否出现。"_s, tab(0)},
        {u"号码大小分析：每期大号（06～11）的个数，与理论值比较的统计、最近几期的柱形图和建议。"_s,
         tab(1)},
        {u"号码奇偶分析：每期奇数号码的个数及其统计。"_s, tab(2)},
        {u"号码和值分析：三个号码之和的逐期数值、统计和图表。"_s, tab(3)},
        {u"号码跨度分析：每期最大号码与最小号码之差。"_s, tab(4)},
        {u"号码散度分析：号码在 01～11 中留下的最大空档。"_s, tab(5)},
        {u"号码偏度分析：本期号码离上一期号码有多远。"_s, tab(6)},
        {u"号码AC值分析：号码两两之差有多少种。"_s, tab(7)},
        {u"号码重码分析：与上一期相同的号码个数。"_s, tab(8)},
        {u"号码区间分析：号码落在各个区间的分布。"_s, tab(9)},
        {u"选号过滤菜单里的工具窗口，例如“中奖偏态分析选号”：窗口一直开着，可以随时切换回来。"_s,
         [this] { window_->menuItem(u"mnupiantai"_s)->trigger(); }},
        {u"无穷和值排除选号：每次过滤都把历史号码随机变幻一次，排除变幻后和值过大或过小的号码组合，"
         "剩下的投注号码可以保存下来继续缩水。"_s,
         [this] {
             window_->menuItem(u"mnuallhei"_s)->trigger();
             if (QWidget* sum = window_->toolWindows().find(u"Tfrmallhei"_s))
                 if (auto* search = sum->findChild<QPushButton*>(u"btngen"_s))
                     search->click();
         }},
        {u"帮助 → 关于：程序的版本和联系方式。"_s,
         [this, closeToolWindows] {
             closeToolWindows();
             window_->menuItem(u"mnuabout"_s)->trigger();
         }},
        {u"演示结束。这里的数据都是模拟的，您可以随意试用各项功能；关闭主窗口即结束演示。"_s,
         closeToolWindows},
    };
}

void DemoTour::start() { runStep(0); }

void DemoTour::runStep(std::size_t index)
{
    if (!window_)
        return;
    if (index >= steps_.size()) {
        strip_->hide();
        emit finished();
        return;
    }
    const Step& step = steps_[index];
    showCaption(step.caption);
    if (step.action)
        step.action();
    if (!window_)
        return;
    // A modal step has already shown itself for about a step's time.
    QTimer::singleShot(step.modal ? stepMs_ / 3 : stepMs_, this,
                       [this, index] { runStep(index + 1); });
}

void DemoTour::showCaption(const QString& caption)
{
    shown_ << caption;
    strip_->setText(caption);
    placeStrip();
    strip_->show();
    strip_->raise();
}

void DemoTour::placeStrip()
{
    if (!window_)
        return;
    const int margin = 24;
    const int width = std::min(window_->width() - 2 * margin, 1100);
    const int height = strip_->heightForWidth(width) > 0 ? strip_->heightForWidth(width) + 4 : 60;
    strip_->setGeometry((window_->width() - width) / 2, window_->height() - height - margin, width,
                        height);
}

bool DemoTour::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize)
        placeStrip();
    return QObject::eventFilter(watched, event);
}

} // namespace pickora::ui
