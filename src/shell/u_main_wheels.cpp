// The main window's wheel menu item: the rotation-matrix window, kept until the lottery is closed.
#include <QAction>

#include "recommend/u_juzheng.h"
#include "shell/u_main.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

void Tfrmmain::wireWheelMenu()
{
    wireWindows({
        {u"mnujuzheng"_s, u"Tfrmjuzheng"_s, [this] { return new Tfrmjuzheng(folder_, this); }},
    });
}

} // namespace pickora::ui
