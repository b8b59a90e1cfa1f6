// 软件演示: a guided tour of the program on a copy of its folder with made-up draws, in a
// temporary folder, so a newcomer sees what the tool does without touching their own data.

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QUrl>

#include "demo/demo_tour.h"
#include "demo/screen_tour.h"
#include "widgets/dialogs.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "store/db_engine.h"
#include "store/demo_database.h"
#include "store/lottery_schema.h"
#include "store/program_folder.h"
#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;
using namespace pickora;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(u"Karvo11选5Pickora 软件演示"_s);
    ui::installChineseQtTexts(app);
    QTemporaryDir temporary;
    if (!temporary.isValid()) {
        ui::dialogs::error(nullptr, u"无法创建演示用的临时文件夹。"_s);
        return 1;
    }
    const ProgramFolder folder(temporary.path());
    ui::startFileDialogsOutsideTheDemo();
    ui::copyProgramFiles(ProgramFolder::ofExecutable(), folder);
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        createDemoDatabase(folder.databaseFile());
        QApplication::restoreOverrideCursor();
    } catch (const db::DbError& e) {
        QApplication::restoreOverrideCursor();
        ui::dialogs::error(nullptr, e.message());
        return 1;
    }

    Tdatamod datamod(folder.databaseFile());
    ClockSeededRandom random;
    DrawStore store(datamod, random);
    // No advertisement strip in the demo.
    ui::Tfrmmain window(store, folder, QUrl());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();

    ui::DemoTour tour(window, schema::defaultLotteries().value(1));
    tour.start();
    return app.exec();
}
