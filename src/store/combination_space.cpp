#include "store/combination_space.h"

namespace pickora {

CombinationSpace buildCombinationSpace(int totalNumbers)
{
    CombinationSpace space;
    const int n = totalNumbers;
    if (n >= 3)
        space.entries.reserve(static_cast<std::size_t>(n) * (n - 1) * (n - 2));
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c)
                if (a != b && a != c && b != c)
                    space.entries.push_back({{a, b, c}, 0});
    return space;
}

} // namespace pickora
