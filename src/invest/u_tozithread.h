#pragma once
// The strategy search running in the background: a thread of its own that spreads the
// combinations over every core, a stop flag the window sets, and a progress count the window
// reads while it keeps painting. The worker holds copies of the gap table and the settings only.

#include <atomic>
#include <thread>

#include "invest/investment_search.h"

namespace pickora {

class Ttozithread {
public:
    // Starts at once. `threads` 0 means one per core.
    Ttozithread(HitGapTable table, SimulationSettings settings, bool intervalMode, int threads = 0);
    // Stops the search (each thread finishes the evaluation it is in) and waits for it.
    ~Ttozithread();
    Ttozithread(const Ttozithread&) = delete;
    Ttozithread& operator=(const Ttozithread&) = delete;

    void requestStop() { stop_ = true; }
    int progress() const { return progress_.load(std::memory_order_relaxed); }
    int total() const { return total_; }
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // The outcome once finished() (waits for the thread first).
    SearchOutcome outcome();

private:
    HitGapTable table_;
    SimulationSettings settings_;
    bool intervalMode_;
    int total_;
    std::atomic<bool> stop_{false};
    std::atomic<int> progress_{0};
    std::atomic<bool> finished_{false};
    SearchOutcome outcome_;
    std::thread thread_;
};

} // namespace pickora
