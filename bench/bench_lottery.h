#pragma once
// The benchmarks' shared set-up: a lottery opened on a fresh copy of a database like a player's
// after a few weeks of downloads (3500 stored rows, 3000 retained after the open).

#include <benchmark/benchmark.h>

#include <QString>

#include <memory>

#include "store/random_source.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

namespace pickora::bench {

struct OpenLottery {
    explicit OpenLottery(const QString& file) : datamod(file), store(datamod, random)
    {
        store.setDrawPosition(DrawPosition::Middle);
    }
    Tdatamod datamod;
    ClockSeededRandom random;
    DrawStore store;
};

// The opened lottery holding the retained draws; nothing (and the benchmark skipped with the
// reason) when that fails.
std::unique_ptr<OpenLottery> openLottery(benchmark::State& state);

} // namespace pickora::bench
