// The main window's investment menu: the three plan windows and the investment mode analysis,
// kept until the lottery is closed.
#include <QAction>

#include "invest/u_gudingjihua.h"
#include "invest/u_jieduanjihua.h"
#include "invest/u_keibianjihua.h"
#include "invest/u_tozi.h"
#include "shell/u_main.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

void Tfrmmain::wireInvestMenu()
{
    wireWindows({
        {u"mnugudingjihua"_s, u"Tfrmgudingjihua"_s, [this] { return new Tfrmgudingjihua(folder_, this); }},
        {u"mnujieduanjihua"_s, u"Tfrmjieduanjihua"_s, [this] { return new Tfrmjieduanjihua(folder_, this); }},
        {u"mnukeibianjihua"_s, u"Tfrmkeibianjihua"_s, [this] { return new Tfrmkeibianjihua(folder_, this); }},
        {u"mnutozi"_s, u"Tfrmtozi"_s, [this] { return new Tfrmtozi(store_, folder_, this); }},
    });
}

} // namespace pickora::ui
