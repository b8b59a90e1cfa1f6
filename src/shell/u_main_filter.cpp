// The main window's filter menu items and the "总体过滤" tool bar button.
#include <QAction>
#include <QToolButton>

#include "exclude/u_allcongma.h"
#include "exclude/u_allgensui.h"
#include "exclude/u_allhei.h"
#include "exclude/u_allpiantai.h"
#include "filter/u_totalfilt.h"
#include "recommend/u_ganzhi.h"
#include "recommend/u_qingmi.h"
#include "recommend/u_sep.h"
#include "recommend/u_sibu.h"
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

    // The recommendation windows need at least one stored draw.
    for (const MenuWindow& row : std::vector<MenuWindow>{
             {u"mnusep"_s, u"Tfrmsep"_s, [this] { return new Tfrmsep(store_, this); }},
             {u"mnuqingmi"_s, u"Tfrmqingmi"_s, [this] { return new Tfrmqingmi(store_, this); }},
             {u"mnuganzhi"_s, u"Tfrmganzhi"_s, [this] { return new Tfrmganzhi(store_, this); }},
             {u"mnusibu"_s, u"Tfrmsibu"_s, [this] { return new Tfrmsibu(store_, this); }}})
        onMenuItem(row.item, [this, row] {
            if (RecommendWindow::historyAvailable(store_, this))
                toolWindows_.show(row.windowClass, row.create);
        });
}

} // namespace pickora::ui
