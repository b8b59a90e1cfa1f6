// Pictures of every window for the README and docs/screens/: the program on a temporary copy of
// its folder whose database holds the demo draws (seeded, ending on 2026-12-09), every window
// shown at a size that fits a 1024 x 768 screen and saved as <name>.png. Windows that do not fit
// or whose controls are cut off are listed on stderr, and the exit status is then 1.
//
// Usage: pickora_screenshots <program-folder> <output-folder>
// Run it on the offscreen platform (scripts/screenshots.sh does).

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <cstdio>

#include "demo/screen_tour.h"
#include "shell/u_main.h"
#include "store/db_engine.h"
#include "store/demo_database.h"
#include "store/lottery_schema.h"
#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

// Message boxes would stop the walk: they are printed instead; file dialogs are cancelled.
class PrintedDialogs : public ui::DialogResponder {
public:
    void message(QWidget*, ui::MessageKind, const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "message box %s: %s\n", qPrintable(title), qPrintable(text));
    }
    QString openFile(QWidget*, const ui::FileDialogOptions&) override { return {}; }
    QString saveFile(QWidget*, const ui::FileDialogOptions&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: pickora_screenshots <program-folder> <output-folder>\n");
        return 2;
    }
    const QDir output(arguments[2]);
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    QTemporaryDir temporary;
    if (!temporary.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const ProgramFolder folder(temporary.path());
    ui::copyProgramFiles(ProgramFolder(arguments[1]), folder);
    try {
        createDemoDatabase(folder.databaseFile());
    } catch (const db::DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }

    PrintedDialogs dialogs;
    ui::dialogs::setResponder(&dialogs);
    Tdatamod datamod(folder.databaseFile());
    SeededRandom random(2026);
    DrawStore store(datamod, random);
    ui::Tfrmmain window(store, folder, QUrl());
    window.downloads().today = [] { return QDate(2026, 12, 10); };

    int saved = 0;
    bool allFit = true;
    ui::visitEveryWindow(window, folder, schema::defaultLotteries().value(1),
                         [&](const QString& name, QWidget* shown) {
                             const QString file = output.filePath(name + u".png"_s);
                             if (shown->grab().save(file))
                                 ++saved;
                             else
                                 std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                             for (const QString& problem : ui::cutOffChildren(shown)) {
                                 allFit = false;
                                 std::fprintf(stderr, "%s: %s\n", qPrintable(name),
                                              qPrintable(problem));
                             }
                         });
    std::printf("%d pictures in %s\n", saved, qPrintable(output.path()));
    ui::dialogs::setResponder(nullptr);
    return allFit ? 0 : 1;
}
