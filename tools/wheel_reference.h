#pragma once
// Sizes of the smallest known designs from public mathematical tables, where we have them: the
// covering numbers C(v, k, k - 1) for v ≤ 11 as tabulated in OEIS A066010 (after the CRC Handbook
// of Combinatorial Designs and the La Jolla Covering Repository; all exact except C(11, 6, 5),
// known to lie between 96 and 100, with 100 the smallest design known) and C(v, k, 1) = ⌈v / k⌉.
// docs/wheels.md names the sources; no designs are taken from them, only sizes.

#include <array>
#include <optional>

#include "recommend/wheel_design.h"

namespace pickora::wheels {

struct KnownSize {
    int size = 0;
    bool exact = false; // proven smallest
};

inline std::optional<KnownSize> knownSize(const WheelParams& p)
{
    if (p.drawn != p.guaranteed)
        return std::nullopt;
    if (p.guaranteed == 1)
        return KnownSize{(p.base + p.pick - 1) / p.pick, true};
    if (p.guaranteed != p.pick - 1)
        return std::nullopt;
    // C(v, k, k - 1), rows v = 2 … 11, columns k = 2 … 7; 0 where k ≥ v.
    static constexpr std::array<std::array<int, 6>, 10> table = {{
        {0, 0, 0, 0, 0, 0},
        {2, 0, 0, 0, 0, 0},
        {2, 3, 0, 0, 0, 0},
        {3, 4, 4, 0, 0, 0},
        {3, 6, 6, 5, 0, 0},
        {4, 7, 12, 9, 6, 0},
        {4, 11, 14, 20, 12, 7},
        {5, 12, 25, 30, 30, 16},
        {5, 17, 30, 51, 50, 45},
        {6, 19, 47, 66, 100, 84},
    }};
    if (p.base < 2 || p.base > 11 || p.pick < 2 || p.pick > 7)
        return std::nullopt;
    const int size = table[static_cast<std::size_t>(p.base - 2)][static_cast<std::size_t>(p.pick - 2)];
    if (size == 0)
        return std::nullopt;
    return KnownSize{size, !(p.base == 11 && p.pick == 6)};
}

} // namespace pickora::wheels
