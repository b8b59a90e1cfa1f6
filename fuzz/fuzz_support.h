#pragma once
// Shared by the fuzz targets: a check that stops the run (and so reports the input) when a
// parser's promise is broken.

#include <cstdlib>

namespace pickora::fuzz {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace pickora::fuzz
