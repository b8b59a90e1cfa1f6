#pragma once
// The guided tour of the demonstration program: it drives a main window step by step (opens a
// lottery through the catalogue, shows every analysis tab, a tool window, the draw editor and the
// about window) and explains each step in a caption strip along the window's foot.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QLabel;

namespace pickora::ui {

class Tfrmmain;

// The demonstration runs on a temporary program folder that is removed when it closes: its file
// dialogs start in the player's desktop folder (the home folder when there is none), so what a
// player saves there outlives the demonstration. Returns that folder.
QString startFileDialogsOutsideTheDemo();

class DemoTour : public QObject {
    Q_OBJECT
public:
    // `stepMilliseconds` is how long each step stays on screen.
    DemoTour(Tfrmmain& window, QString lottery, int stepMilliseconds = 4500,
             QObject* parent = nullptr);

    void start();
    // Every caption shown so far, in order.
    const QStringList& captionsShown() const { return shown_; }
    // The tabs whose view the tour has shown.
    const QList<int>& tabsShown() const { return tabs_; }

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step {
        QString caption;
        std::function<void()> action;
        bool modal = false; // the action blocks in a modal dialog for about one step
    };
    void buildSteps();
    void runStep(std::size_t index);
    void showCaption(const QString& caption);
    void placeStrip();
    // Runs `act` on the modal dialog of type T after `delay` ms, if it is still open.
    template <class T> void laterOnModal(int delay, std::function<void(T*)> act);

    QPointer<Tfrmmain> window_;
    QString lottery_;
    int stepMs_;
    std::vector<Step> steps_;
    QLabel* strip_ = nullptr;
    QStringList shown_;
    QList<int> tabs_;
};

} // namespace pickora::ui
