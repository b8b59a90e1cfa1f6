#include "store/bet_count.h"

#include <cstdint>

namespace pickora {

int betCount(int lotteryType, int c, int a)
{
    if (c <= 0)
        return 1;
    if (lotteryType == 1) {
        // 32-bit wrap-around as the players' tables have always shown it.
        std::uint32_t power = 1;
        for (int i = 0; i < c; ++i)
            power *= static_cast<std::uint32_t>(a);
        return static_cast<int>(power);
    }
    // C(a, c) step by step: after step i the value is C(a - c + i, i), so every intermediate is
    // exact and 64 bits last far longer than a falling product divided by c! at the end.
    std::int64_t result = 1;
    for (int i = 1; i <= c; ++i) {
        result = result * (a - c + i) / i;
    }
    return static_cast<int>(static_cast<std::uint32_t>(result));
}

} // namespace pickora
