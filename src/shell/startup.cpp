#include "shell/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QThread>
#include <QTranslator>
#include <QUrl>

#include "widgets/dialogs.h"
#include "shell/u_flash.h"
#include "shell/u_main.h"
#include "shell/web_addresses.h"
#include "store/database_copy.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "store/program_folder.h"
#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

QTranslator* installChineseQtTexts(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(u"qtbase_zh_CN"_s, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

int runProgram(QApplication& app)
{
    app.setApplicationName(dialogs::applicationTitle());
    installChineseQtTexts(app);
    const ProgramFolder folder = ProgramFolder::ofExecutable();
    {
        // The splash first: it closes itself after five seconds.
        Tfrmflash splash(folder);
        splash.exec();
        QApplication::processEvents();
        QThread::msleep(100);
    }
    // What a restore killed halfway left beside the database.
    removeStaleCopies(folder.databaseFile());
    try {
        createDatabaseIfMissing(folder.databaseFile());
    } catch (const db::DbError& e) {
        // The program still starts; opening a lottery will report the missing database.
        dialogs::error(nullptr, e.message());
    }
    Tdatamod datamod(folder.databaseFile());
    ClockSeededRandom random;
    DrawStore store(datamod, random);
    Tfrmmain main(store, folder, QUrl(web::makerServer()));
    // The results services: the settings file in the program folder, else the built-in ones.
    main.downloads().defaultPageServer = QUrl(web::resultsPageServer());
    main.downloads().defaultFeedServer = QUrl(web::resultsFeedServer());
    const QStringList settingsProblems = loadServiceSettings(folder, main.downloads());
    // Without a window manager "maximised" means nothing: fill the screen ourselves too.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    if (!settingsProblems.isEmpty())
        dialogs::warning(&main, u"“%1”中有不能用的内容，这些地址用默认值：\n"_s.arg(serviceSettingsFile(folder))
                                    + settingsProblems.join(u'\n'));
    return app.exec();
}

} // namespace pickora::ui
