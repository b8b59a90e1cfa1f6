#include "store/random_source.h"

#include <chrono>

namespace pickora {

int SeededRandom::uniform(int lo, int hi)
{
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    // Rejection keeps every value equally likely.
    const std::uint64_t range = std::uint64_t{std::mt19937::max()} + 1;
    const std::uint64_t limit = range - range % span;
    std::uint64_t value = 0;
    do {
        value = engine_();
    } while (value >= limit);
    return static_cast<int>(lo + static_cast<std::int64_t>(value % span));
}

namespace {
std::uint32_t clockSeed()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count()
                     ^ std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}
} // namespace

ClockSeededRandom::ClockSeededRandom() : inner_(clockSeed()) {}

void ClockSeededRandom::reseedFromClock() { inner_.reseed(clockSeed()); }

} // namespace pickora
