// The main window's download menu and the quick draw's download step.
#include <QAction>

#include "acquire/u_download2.h"
#include "acquire/u_download3.h"
#include "acquire/u_import.h"
#include "shell/u_main.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

void Tfrmmain::wireDownloadMenu()
{
    // "数据下载(&D)": the downloads write the number tables, so no lottery stays open.
    const auto mnudownloadClick = [this] {
        mnucloseClick();
        Tfrmdownload2 window(folder_, downloads_, this);
        window.exec();
    };
    onMenuItem(u"mnudownload"_s, mnudownloadClick);

    // "导入开奖号码(&I)": into the open lottery, which is reloaded, or into a chosen one.
    const auto mnuimportClick = [this] {
        Tfrmimport window(folder_, &store_, {}, this);
        window.exec();
        if (window.importedCount() == 0)
            return;
        // The open lottery was reloaded: show it again, or tidy up if the reload failed.
        if (store_.lotteryOpen())
            tabmainChange();
        else
            mnucloseClick();
    };
    onMenuItem(u"mnuimport"_s, mnuimportClick);
}

void Tfrmmain::quickDownload()
{
    Tfrmdownload3 window(folder_, downloads_, QString::fromStdString(store_.profile().name), this);
    window.exec();
}

} // namespace pickora::ui
