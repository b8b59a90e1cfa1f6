// The main window's filter menu items and the "总体过滤" tool bar button.
#include <QAction>
#include <QToolButton>

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
    connect(menuItem(u"mnutotalfilt"_s), &QAction::triggered, this, showTotalFilter);
    connect(toolButton(u"tlbala"_s), &QToolButton::clicked, this, showTotalFilter);

    // The recommendation windows need at least one stored draw.
    const auto wireRecommendation = [this](const QString& item, const QString& key, auto make) {
        connect(menuItem(item), &QAction::triggered, this, [this, key, make] {
            if (RecommendWindow::historyAvailable(store_, this))
                toolWindows_.show(key, make);
        });
    };
    wireRecommendation(u"mnusep"_s, u"Tfrmsep"_s, [this] { return new Tfrmsep(store_, this); });
    wireRecommendation(u"mnuqingmi"_s, u"Tfrmqingmi"_s, [this] { return new Tfrmqingmi(store_, this); });
    wireRecommendation(u"mnuganzhi"_s, u"Tfrmganzhi"_s, [this] { return new Tfrmganzhi(store_, this); });
    wireRecommendation(u"mnusibu"_s, u"Tfrmsibu"_s, [this] { return new Tfrmsibu(store_, this); });
}

} // namespace pickora::ui
