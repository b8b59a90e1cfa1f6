// Bet files handed to the total filter's "载入": whatever the text, the load either stops with a
// message and returns nothing, or returns bets of k numbers 1..N that read back the same way
// once copied out; never more lines than the limit.
//
// The last byte picks N (5..11) and k (1..3); the rest is the file's text.
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "filter/bet_list.h"
#include "fuzz_support.h"

using namespace pickora;
using pickora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto shape = input.ConsumeIntegral<std::uint8_t>();
    const int totalNumbers = 5 + shape % 7;
    const int pickCount = 1 + (shape / 7) % 3;
    const std::string text = input.ConsumeRemainingBytesAsString();

    const LoadedBets loaded = parseBetFile(text, totalNumbers, pickCount);
    require(loaded.linesRead <= kMaxBetFileLines);
    if (!loaded.error.empty()) {
        require(loaded.bets.empty());
        return 0;
    }
    for (const CandidateEntry& bet : loaded.bets) {
        require(bet.excluded == 0);
        for (int j = 0; j < pickCount; ++j)
            require(bet.numbers[static_cast<std::size_t>(j)] >= 1
                    && bet.numbers[static_cast<std::size_t>(j)] <= totalNumbers);
    }
    // What was read, written back as the list copies it, reads again to the same bets.
    CombinationSpace space{loaded.bets};
    const LoadedBets again = parseBetFile(copyText(space), totalNumbers, pickCount);
    require(again.error.empty());
    return 0;
}
