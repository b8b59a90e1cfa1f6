// The main window's filter menu items and the "总体过滤" tool bar button.
#include <QAction>
#include <QToolButton>

#include "exclude/u_allcongma.h"
#include "exclude/u_allgensui.h"
#include "exclude/u_allhei.h"
#include "exclude/u_allpiantai.h"
#include "filter/u_totalfilt.h"
#include "shell/u_main.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {
template <class Window>
void wireToolWindow(Tfrmmain* main, QAction* item, ToolWindows& windows, DrawStore& store, const QString& key)
{
    QObject::connect(item, &QAction::triggered, main,
                     [main, &windows, &store, key] { windows.show(key, [&] { return new Window(store, main); }); });
}
} // namespace

void Tfrmmain::wireFilterMenu()
{
    const auto showTotalFilter = [this] {
        toolWindows_.show(u"Tfrmtotalfilt"_s, [this] { return new Tfrmtotalfilt(store_, this); });
    };
    onMenuItem(u"mnutotalfilt"_s, showTotalFilter);
    connect(toolButton(u"tlbala"_s), &QToolButton::clicked, this, showTotalFilter);
    wireToolWindow<Tfrmallhei>(this, menuItem(u"mnuallhei"_s), toolWindows_, store_, u"Tfrmallhei"_s);
    wireToolWindow<Tfrmallcongma>(this, menuItem(u"mnuallcongma"_s), toolWindows_, store_, u"Tfrmallcongma"_s);
    wireToolWindow<Tfrmallpiantai>(this, menuItem(u"mnuallpiantai"_s), toolWindows_, store_, u"Tfrmallpiantai"_s);
    wireToolWindow<Tfrmallgensui>(this, menuItem(u"mnuallgensui"_s), toolWindows_, store_, u"Tfrmallgensui"_s);
}

} // namespace pickora::ui
