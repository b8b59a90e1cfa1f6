#include "widgets/long_loop.h"

#include <QApplication>

#include <algorithm>
#include <map>

namespace pickora::ui {

namespace {

// The loops now running, by window: at most one per window, and loops nest (a loop started from
// a handler that runs inside another window's loop).
std::map<const QWidget*, LongLoop*>& running()
{
    static std::map<const QWidget*, LongLoop*> loops;
    return loops;
}

bool isAncestorOrSelf(const QWidget* ancestor, const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == ancestor)
            return true;
    return false;
}

} // namespace

LongLoop::LongLoop(QWidget* window, std::vector<QWidget*> stayEnabled, bool busyCursor, int pumpEveryMs)
    : window_(window), pumpEveryMs_(pumpEveryMs), busyCursor_(busyCursor)
{
    for (QWidget* w : stayEnabled)
        stayEnabled_.emplace_back(w);
    running()[window] = this;
    lock();
    if (busyCursor_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    sincePump_.start();
}

LongLoop::~LongLoop()
{
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
    unlock();
    auto& loops = running();
    for (auto it = loops.begin(); it != loops.end(); ++it)
        if (it->second == this) {
            loops.erase(it);
            break;
        }
}

LongLoop* LongLoop::runningIn(const QWidget* window)
{
    const auto& loops = running();
    const auto it = loops.find(window);
    return it == loops.end() ? nullptr : it->second;
}

bool LongLoop::pump()
{
    if (pumpedOnce_ && sincePump_.elapsed() < pumpEveryMs_)
        return !stopRequested_ && windowAlive();
    return pumpNow();
}

bool LongLoop::pumpNow()
{
    pumpedOnce_ = true;
    QApplication::processEvents();
    sincePump_.restart();
    return !stopRequested_ && windowAlive();
}

void LongLoop::lock()
{
    if (!window_)
        return;
    // Disable every enabled direct child that holds none of the controls kept usable; a child
    // that does hold one is walked into, so its other children are locked one by one.
    std::vector<QWidget*> pending{window_.data()};
    while (!pending.empty()) {
        QWidget* parent = pending.back();
        pending.pop_back();
        for (QObject* object : parent->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || !child->isEnabled())
                continue;
            const bool holdsKept = std::any_of(stayEnabled_.begin(), stayEnabled_.end(),
                                               [&](const QPointer<QWidget>& kept) {
                                                   return kept && isAncestorOrSelf(child, kept);
                                               });
            if (!holdsKept) {
                child->setEnabled(false);
                disabled_.emplace_back(child);
            } else if (std::none_of(stayEnabled_.begin(), stayEnabled_.end(),
                                    [&](const QPointer<QWidget>& kept) { return kept == child; })) {
                pending.push_back(child);
            }
        }
    }
}

void LongLoop::unlock()
{
    for (const QPointer<QWidget>& w : disabled_)
        if (w)
            w->setEnabled(true);
    disabled_.clear();
}

} // namespace pickora::ui
