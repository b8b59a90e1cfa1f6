#pragma once
// One way for a window to run a long loop on its own thread while staying responsive: the loop
// calls `pump()` as often as it likes; events are processed at most every few milliseconds (so
// the loop is not slowed down per item), a stop can be requested from a button, and while the
// loop runs the window's other controls are locked. The lock, the busy cursor and the running
// state are released however the loop ends (return, exception, the window going away).

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace pickora::ui {

class LongLoop {
public:
    // `window` is locked while the loop runs, except for the widgets in `stayEnabled` (a stop
    // button, say) and their ancestors. `busyCursor` shows the wait cursor for the duration.
    explicit LongLoop(QWidget* window, std::vector<QWidget*> stayEnabled = {}, bool busyCursor = false,
                      int pumpEveryMs = 15);
    ~LongLoop();
    LongLoop(const LongLoop&) = delete;
    LongLoop& operator=(const LongLoop&) = delete;

    // Processes pending events when at least the pump interval has passed since the last time
    // (always on the first call). Returns false when the loop must end: a stop was requested or
    // the window was deleted while events were processed.
    bool pump();
    // Processes events now, whatever the interval.
    bool pumpNow();
    // Asks the loop to end at its next pump(); safe to call from a handler that runs inside it.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }
    // False once the window has been deleted (then nothing of it may be touched).
    bool windowAlive() const { return !window_.isNull(); }

    // The loop that is running in `window`, or nullptr: lets a stop button or a close handler
    // reach it without the window keeping a pointer of its own.
    static LongLoop* runningIn(const QWidget* window);

private:
    void lock();
    void unlock();

    QPointer<QWidget> window_;
    std::vector<QPointer<QWidget>> stayEnabled_;
    std::vector<QPointer<QWidget>> disabled_;
    QElapsedTimer sincePump_;
    int pumpEveryMs_;
    bool busyCursor_;
    bool stopRequested_ = false;
    bool pumpedOnce_ = false;
};

} // namespace pickora::ui
