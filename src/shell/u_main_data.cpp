// The main window's data, web and help menus: the draw editor, backup and restore, help, links
// and the about window.
#include <QAction>
#include <QFileInfo>
#include <QUrl>

#include "shell/desktop_links.h"
#include "widgets/dialogs.h"
#include "shell/u_about.h"
#include "shell/u_data.h"
#include "shell/u_main.h"
#include "shell/web_addresses.h"
#include "store/database_copy.h"
#include "store/db_engine.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

FileDialogOptions databaseDialog(const QString& caption, const QString& proposedName)
{
    FileDialogOptions options;
    options.caption = caption;
    options.filter = u"数据库(*.mdb)|*.mdb"_s;
    options.defaultSuffix = u"mdb"_s;
    options.startFolder = desktopFolder();
    options.proposedName = proposedName;
    return options;
}

} // namespace

void Tfrmmain::wireDataMenus()
{
    // "数据添加(&M)": the editor works on the file directly, so no lottery stays open.
    const auto mnudataaddClick = [this] {
        mnucloseClick();
        Tfrmdata editor(folder_, this);
        editor.exec();
    };

    const auto mnubackupClick = [this] {
        const QString file =
            dialogs::saveFile(this, databaseDialog(u"数据备份"_s, u"彩票数据"_s));
        if (file.isEmpty())
            return;
        // The open lottery stays open: the copy is a snapshot taken beside its connection.
        try {
            copyDatabase(store_.datamod().databaseFile(), file);
        } catch (const db::DbError& e) {
            dialogs::error(this, u"备份没有完成。\n"_s + e.message());
            return;
        }
        dialogs::information(this, u"成功备份！"_s);
    };

    const auto mnurestoreClick = [this] {
        mnucloseClick();
        const QString file = dialogs::openFile(this, databaseDialog(u"数据恢复"_s, {}));
        if (file.isEmpty())
            return;
        try {
            restoreDatabase(file, store_.datamod().databaseFile());
        } catch (const db::DbError& e) {
            dialogs::error(this, u"没有恢复，现有的数据库保持不变。\n"_s + e.message());
            return;
        }
        // A catalogue kept from before lists the lotteries of the replaced file.
        delete catalogue_.data();
        updateDemoNote();
        dialogs::information(this, u"成功恢复！"_s);
    };

    // The help book: the compiled help file, or its HTML pages where no help viewer opens it.
    const auto mnuhelpClick = [this] {
        const QString book = folder_.path(u"帮助/Karvo乐透彩Pickora帮助.chm"_s);
        const QString pages = folder_.path(u"帮助/html/index.html"_s);
        if (QFileInfo::exists(book) && desktop::openUrl(QUrl::fromLocalFile(book)))
            return;
        desktop::openUrl(QUrl::fromLocalFile(QFileInfo::exists(pages) ? pages : book));
    };

    const auto mnuaboutClick = [this] {
        if (!about_)
            about_ = new Tfrmabout(folder_, this);
        about_->show();
        about_->raise();
        about_->activateWindow();
    };

    const std::pair<const char16_t*, QString> links[] = {
        {u"mnukarvoweb", web::makerHomePage()},
        {u"mnutiyuweb", web::sportsLotterySite()},
        {u"mnufuliweb", web::welfareLotterySite()},
        {u"mnushishicaiweb", web::timeLotteryVideoPage()},
        {u"mnuhomepage", web::makerIndexPage()},
        {u"mnuqq", web::makerContactPage()}};
    for (const auto& [item, address] : links)
        onMenuItem(QString::fromUtf16(item), [address] { desktop::openUrl(QUrl(address)); });

    onMenuItem(u"mnudataadd"_s, mnudataaddClick);
    onMenuItem(u"mnubackup"_s, mnubackupClick);
    onMenuItem(u"mnurestore"_s, mnurestoreClick);
    onMenuItem(u"mnuhelp"_s, mnuhelpClick);
    onMenuItem(u"mnuabout"_s, mnuaboutClick);
}

} // namespace pickora::ui
