#pragma once
// The main window: menus and tool bar reaching every feature, the tab strip switching the one
// analysis view inside it, and opening, quick-drawing and closing the lottery.

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "acquire/draw_download.h"
#include "analysis/trend_mode.h"
#include "widgets/tool_windows.h"
#include "shell/u_index.h"
#include "store/program_folder.h"

class QAction;
class QLabel;
class QMenu;
class QTabBar;
class QToolBar;
class QToolButton;

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class AdvertStrip;
class BackgroundArea;

class Tfrmsercanshu;

class Tfrmmain : public QMainWindow, public TrendModeSwitch {
    Q_OBJECT
public:
    // `advertServer` is where the advertisement strip is fetched from; empty hides it.
    Tfrmmain(DrawStore& store, ProgramFolder folder, QUrl advertServer, QWidget* parent = nullptr);
    ~Tfrmmain() override;

    DrawStore& store() { return store_; }
    ToolWindows& toolWindows() { return toolWindows_; }
    // The downloads' servers, clock, timeout and first-download flag; the program sets the
    // servers after creating the window (empty servers fetch nothing).
    DownloadState& downloads() { return downloads_; }
    // The analysis view shown inside the window, if any.
    QWidget* currentView() const { return view_; }
    QTabBar* tabStrip() const { return tabmain; }
    QAction* menuItem(const QString& objectName) const;
    QToolButton* toolButton(const QString& objectName) const;
    // The catalogue kept after "退出" (shown again by the next open), if any.
    Tfrmindex* catalogue() const { return catalogue_; }

    // Menu and tool bar handlers.
    void mnuopenClick();
    void mnucloseClick();
    void tlbdataClick();
    // "标准走势", "变幻走势", "搜索设置" and "搜索杀号" (u_main_trend.cpp).
    void tlbbiaozhunClick();
    void tlbbianwanClick();
    void tlbpiantaiClick();
    void tlbyilouClick();
    void showStandardTrend() override;
    void showTransformedTrend() override;
    bool searching() const;
    // How many transforms the running or last "搜索杀号" made.
    int searchTransforms() const { return searchTransforms_; }
    Tfrmsercanshu* searchSettings() const { return sercanshu_; }
    void tabmainChange();
    void selectTab(int index);
    void updateMenuState();

    // Registers the constructor of the view of a tab (later views register themselves here).
    using ViewFactory = std::function<QWidget*(DrawStore&, QWidget* parent)>;
    void setViewFactory(int tab, ViewFactory factory);

    // The caption after an open: "Karvo11选5Pickora《name》中三".
    static QString openedCaption(const QString& name, const QString& position);
    // The caption after a quick draw: "Karvo11选5Pickora《name中三》".
    static QString quickDrawCaption(const QString& name, const QString& position);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void registerViews();
    // The data, web and help menus (u_main_data.cpp) and the investment menu (u_main_invest.cpp).
    void wireDataMenus();
    void wireInvestMenu();
    // The download menu and the quick draw's download step (u_main_download.cpp), the filter
    // menu and tool bar button (u_main_filter.cpp).
    void wireDownloadMenu();
    void quickDownload();
    void wireFilterMenu();
    // The rotation-matrix wheel menu item (u_main_wheels.cpp).
    void wireWheelMenu();
    void wireTrendButtons();
    void buildMenus();
    void buildToolBar();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     std::function<void()> handler = {});
    // Runs `handler` when the item is chosen; only items wired this way (or with a handler in
    // addItem) are ever enabled.
    void onMenuItem(const QString& item, std::function<void()> handler);
    // One row of a menu's table of tool windows: the item, the window's class name (its key in
    // the registry) and its constructor.
    struct MenuWindow {
        QString item;
        QString windowClass;
        std::function<QWidget*()> create;
    };
    void wireWindows(const std::vector<MenuWindow>& table);
    QToolButton* addToolButton(const char* name, const QString& caption, const QString& hint,
                               std::function<void()> handler = {});
    // The status bar's notes: the trend mode while it is "变幻走势", and the demo database.
    void updateTrendModeNote();
    void updateDemoNote();
    void placeTabStrip();
    void placeAdvertStrip();
    void showOpenedLottery(const QString& caption);
    void closeViews();
    void tlbyansiClick();

    DrawStore& store_;
    ProgramFolder folder_;
    QUrl advertServer_;
    ToolWindows toolWindows_;
    Tfrmsercanshu* sercanshu_ = nullptr;
    int searchTransforms_ = 0;
    DownloadState downloads_;
    std::map<int, ViewFactory> viewFactories_;
    QPointer<QWidget> view_;
    QPointer<Tfrmindex> catalogue_;
    QPointer<QWidget> about_; // the about window, kept across lottery closes
    std::map<QString, QAction*> menuItems_;
    std::set<QString> wiredItems_;
    std::map<QString, QToolButton*> toolButtons_;

    BackgroundArea* imageback = nullptr;
    QToolBar* tlbmain = nullptr;
    QTabBar* tabmain = nullptr;
    AdvertStrip* pan = nullptr;
    QToolButton* tlbdata = nullptr;
    QToolButton* tlbexit = nullptr;
    QLabel* lblmode = nullptr;
    QLabel* lbldemo = nullptr;
};

} // namespace pickora::ui
