// The main window's filter menu items and the "总体过滤" tool bar button.
#include <QAction>
#include <QToolButton>

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
}

} // namespace pickora::ui
