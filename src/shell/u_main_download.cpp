// The main window's download menu and the quick draw's download step.
#include <QAction>

#include "acquire/u_download2.h"
#include "acquire/u_download3.h"
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
}

void Tfrmmain::quickDownload()
{
    Tfrmdownload3 window(folder_, downloads_, QString::fromStdString(store_.profile().name), this);
    window.exec();
}

} // namespace pickora::ui
