#pragma once
// A main window over a temporary program folder, with dialogs answered by the test.

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "store/u_public.h"
#include "support/test_support.h"

namespace pickora::test {

struct MainWindowFixture {
    MainWindowFixture()
    {
        folder.createDatabase();
        datamod = std::make_unique<Tdatamod>(folder.databaseFile());
        store = std::make_unique<DrawStore>(*datamod, random);
    }
    ui::Tfrmmain& mainWindow()
    {
        if (!window) {
            window = std::make_unique<ui::Tfrmmain>(*store, folder.folder(), QUrl());
            window->resize(1400, 800);
            window->show();
        }
        return *window;
    }

    // Opens `lottery` in the store as the catalogue does (no main window needed).
    void openLottery(const QString& lottery)
    {
        store->openLottery({.name = lottery.toStdString()});
    }

    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    SeededRandom random{3};
    std::unique_ptr<Tdatamod> datamod;
    std::unique_ptr<DrawStore> store;
    std::unique_ptr<ui::Tfrmmain> window;
};

// Deletes the windows closed with deleteLater (the lottery's tool windows).
inline void flushDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Runs `act` on the modal dialog that the next blocking call shows.
inline void whenModal(std::function<void(QWidget*)> act, int triesLeft = 200)
{
    QTimer::singleShot(5, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else if (triesLeft > 0)
            whenModal(std::move(act), triesLeft - 1);
    });
}

} // namespace pickora::test
