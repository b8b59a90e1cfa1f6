#include "demo/screen_tour.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "analysis/u_code.h"
#include "shell/u_about.h"
#include "shell/u_flash.h"
#include "shell/u_index.h"
#include "shell/u_main.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// Menu items and tool bar buttons the walk never uses: they open, close or end the program's
// lottery or the program, leave it (web pages, help), write or replace the database, or start a
// search; and the analysis menu, whose items are the tabs.
const QSet<QString> kSkipped = {
    u"mnuopen"_s,     u"mnuclose"_s,    u"mnuexit"_s,    u"mnubackup"_s,   u"mnurestore"_s,
    u"mnuhelp"_s,     u"mnuhomepage"_s, u"mnuqq"_s,      u"mnukarvoweb"_s, u"mnutiyuweb"_s,
    u"mnufuliweb"_s,  u"mnushishicaiweb"_s, u"tlbopen"_s, u"tlbdata"_s,    u"tlbyilou"_s,
    u"tlbbiaozhun"_s, u"tlbbianwan"_s,  u"tlbyansi"_s,   u"tlbexit"_s};
const QSet<QString> kSkippedMenus = {u"mnuanalysis"_s, u"mnuweb"_s};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Shrinks a window larger than the small screen to it (no further than its minimum size).
void fitToSmallScreen(QWidget* window)
{
    const QSize size = window->size().boundedTo(kSmallScreen);
    if (size != window->size())
        window->resize(size);
    settle();
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w))
            windows << w;
    return windows;
}

void closeWindow(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

// Visits every modal window that comes up while it lives, then closes it.
class ModalWatcher {
public:
    ModalWatcher(std::function<void(QWidget*)> visit) : visit_(std::move(visit))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || seen_.contains(modal))
                return;
            seen_.insert(modal);
            fitToSmallScreen(modal);
            visit_(modal);
            closeWindow(modal);
        });
        timer_.start();
    }

private:
    std::function<void(QWidget*)> visit_;
    QTimer timer_;
    QSet<QWidget*> seen_;
};

class Walk {
public:
    Walk(Tfrmmain& main, const ProgramFolder& folder, const QString& lottery,
         const WindowVisitor& visit)
        : main_(main), folder_(folder), lottery_(lottery), visit_(visit)
    {
    }

    void run()
    {
        main_.resize(kSmallScreen);
        main_.show();
        settle();
        visit(u"main_no_lottery"_s, &main_);
        splash();
        openLottery(true);
        tabs();
        for (QAction* menu : main_.menuBar()->actions())
            if (menu->menu() && !kSkippedMenus.contains(menu->menu()->objectName()))
                for (QAction* item : menu->menu()->actions())
                    if (!item->isSeparator() && !kSkipped.contains(item->objectName()))
                        use(item->objectName(), [item] { item->trigger(); }, [item] { return item->isEnabled(); });
        for (QToolButton* button : main_.findChildren<QToolButton*>())
            if (button->objectName().startsWith(u"tlb"_s) && !kSkipped.contains(button->objectName()))
                use(button->objectName(), [button] { button->click(); },
                    [button] { return button->isEnabled(); });
        if (!main_.store().lotteryOpen())
            openLottery(false);
    }

private:
    void visit(const QString& name, QWidget* window)
    {
        QString unique = name;
        for (int i = 2; visited_.contains(unique); ++i)
            unique = name + u'_' + QString::number(i);
        visited_.insert(unique);
        visit_(unique, window);
    }

    void splash()
    {
        Tfrmflash splash(folder_, nullptr, &main_);
        splash.show();
        fitToSmallScreen(&splash);
        visit(u"splash"_s, &splash);
        splash.close();
    }

    // Opens the lottery through the catalogue (the "中三" play, as the demonstration does).
    void openLottery(bool visitCatalogue)
    {
        ModalWatcher watcher([this, visitCatalogue](QWidget* modal) {
            auto* catalogue = qobject_cast<Tfrmindex*>(modal);
            if (!catalogue)
                return;
            auto* list = catalogue->findChild<QListWidget*>(u"lstcaipiao"_s);
            list->setCurrentItem(list->findItems(lottery_, Qt::MatchExactly).value(0));
            if (auto* positions = catalogue->findChild<QGroupBox*>(u"optpos"_s)) {
                const auto buttons = positions->findChildren<QRadioButton*>();
                if (buttons.size() > 1)
                    buttons[1]->click();
            }
            settle();
            if (visitCatalogue)
                visit(u"Tfrmindex"_s, catalogue);
            catalogue->btnopenClick();
        });
        main_.mnuopenClick();
        settle();
    }

    void tabs()
    {
        for (int tab = 0; tab < main_.tabStrip()->count(); ++tab) {
            main_.selectTab(tab);
            settle();
            visit(u"main_tab%1"_s.arg(tab), &main_);
            if (auto* grid = qobject_cast<Tfrmcode*>(main_.currentView())) {
                grid->omissionBox()->setChecked(true);
                settle();
                visit(u"main_tab0_omission"_s, &main_);
                grid->omissionBox()->setChecked(false);
            }
        }
        main_.selectTab(0);
        settle();
    }

    // Uses a menu item or button and visits every window it brings up, modal or not.
    void use(const QString& name, const std::function<void()>& act,
             const std::function<bool()>& enabled)
    {
        if (!main_.store().lotteryOpen())
            openLottery(false);
        if (!enabled())
            return;
        const QList<QWidget*> before = visibleWindows();
        {
            ModalWatcher watcher([this, name](QWidget* modal) { visit(windowName(modal, name), modal); });
            act();
            settle();
        }
        for (QWidget* window : visibleWindows()) {
            if (before.contains(window) || window == &main_)
                continue;
            const QString key = windowName(window, name);
            if (shownWindows_.contains(window->objectName()))
                continue; // the same window again (a button and a menu item both open it)
            shownWindows_.insert(window->objectName());
            fitToSmallScreen(window);
            visit(key, window);
            closeWindow(window);
        }
        settle();
    }

    static QString windowName(const QWidget* window, const QString& item)
    {
        return window->objectName().isEmpty() ? item : window->objectName();
    }

    Tfrmmain& main_;
    const ProgramFolder& folder_;
    QString lottery_;
    const WindowVisitor& visit_;
    QSet<QString> visited_;
    QSet<QString> shownWindows_;
};

} // namespace

void copyProgramFiles(const ProgramFolder& from, const ProgramFolder& to)
{
    for (const QString& folder : {u"图片"_s, u"附属"_s, u"帮助"_s, u"旋转矩阵"_s}) {
        const QDir source(from.path(folder));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString target = to.path(folder + u'/' + source.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }
    QDir().mkpath(to.databaseFolder());
}

void visitEveryWindow(Tfrmmain& main, const ProgramFolder& folder, const QString& lottery,
                      const WindowVisitor& visit)
{
    Walk(main, folder, lottery, visit).run();
}

QStringList cutOffChildren(const QWidget* window)
{
    QStringList problems;
    const auto describe = [](const QWidget* w) {
        return u"%1 (%2)"_s.arg(w->objectName().isEmpty() ? u"?"_s : w->objectName(),
                                QString::fromLatin1(w->metaObject()->className()));
    };
    if (window->width() > kSmallScreen.width() || window->height() > kSmallScreen.height())
        problems << u"%1 is %2×%3, larger than the screen"_s.arg(describe(window))
                        .arg(window->width())
                        .arg(window->height());
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(window) || child->size().isEmpty())
            continue;
        // Inside a scroll area's viewport the area clips and scrolls on purpose.
        bool scrolled = false;
        for (const QWidget* p = child->parentWidget(); p && p != window; p = p->parentWidget())
            if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
                area && area->viewport() == p) {
                scrolled = true;
                break;
            }
        if (scrolled)
            continue;
        const QWidget* parent = child->parentWidget();
        if (!parent->rect().contains(child->geometry()))
            problems << u"%1 at %2,%3 %4×%5 in %6 %7×%8"_s.arg(describe(child))
                            .arg(child->x())
                            .arg(child->y())
                            .arg(child->width())
                            .arg(child->height())
                            .arg(describe(parent))
                            .arg(parent->width())
                            .arg(parent->height());
    }
    return problems;
}

} // namespace pickora::ui
