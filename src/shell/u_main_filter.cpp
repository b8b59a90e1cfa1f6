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

void Tfrmmain::wireFilterMenu()
{
    const auto showTotalFilter = [this] {
        toolWindows_.show(u"Tfrmtotalfilt"_s, [this] { return new Tfrmtotalfilt(store_, this); });
    };
    onMenuItem(u"mnutotalfilt"_s, showTotalFilter);
    connect(toolButton(u"tlbala"_s), &QToolButton::clicked, this, showTotalFilter);
    wireWindows({
        {u"mnuallhei"_s, u"Tfrmallhei"_s, [this] { return new Tfrmallhei(store_, this); }},
        {u"mnuallcongma"_s, u"Tfrmallcongma"_s, [this] { return new Tfrmallcongma(store_, this); }},
        {u"mnuallpiantai"_s, u"Tfrmallpiantai"_s, [this] { return new Tfrmallpiantai(store_, this); }},
        {u"mnuallgensui"_s, u"Tfrmallgensui"_s, [this] { return new Tfrmallgensui(store_, this); }},
    });
}

} // namespace pickora::ui
