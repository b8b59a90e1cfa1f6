#include "invest/u_tozithread.h"

#include <algorithm>

namespace pickora {

Ttozithread::Ttozithread(HitGapTable table, SimulationSettings settings, bool intervalMode,
                         int threads)
    : table_(std::move(table)), settings_(settings), intervalMode_(intervalMode),
      total_(searchCombinationCount(intervalMode))
{
    if (threads <= 0)
        threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    thread_ = std::thread([this, threads] {
        outcome_ = searchStrategy(table_, settings_, intervalMode_, threads, stop_, progress_);
        finished_.store(true, std::memory_order_release);
    });
}

Ttozithread::~Ttozithread()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

SearchOutcome Ttozithread::outcome()
{
    if (thread_.joinable())
        thread_.join();
    return outcome_;
}

} // namespace pickora
