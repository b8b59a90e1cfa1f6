// 软件演示: a guided tour of the program on a copy of its folder with made-up draws, in a
// temporary folder, so a newcomer sees what the tool does without touching their own data.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QUrl>

#include "demo/demo_tour.h"
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

namespace {

// Copies the program's pictures, credit texts and help into the demo folder (never its database).
void copyProgramFiles(const ProgramFolder& from, const ProgramFolder& to)
{
    for (const QString& folder : {u"图片"_s, u"附属"_s, u"帮助"_s, u"旋转矩阵"_s}) {
        const QDir source(from.path(folder));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString target = to.path(folder + u'/' + source.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }
    QDir().mkpath(to.databaseFolder());
}

} // namespace

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
    copyProgramFiles(ProgramFolder::ofExecutable(), folder);
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
