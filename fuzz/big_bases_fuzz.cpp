// The big-base tab: up to eight pasted lists intersected with a tolerance, the result memo, and
// the prize check of a typed draw against it. Whatever the memos hold, every bet found is a bet
// of the full space held by the right number of memos, and the prize check either reports a
// short line or compares.
//
// The last bytes pick N (3..11), the tolerance and the pick count; the rest is split at 0xFF
// into the memos (the last part is the draw text for the prize check).
#include <array>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "filter/big_base.h"
#include "fuzz_support.h"

using namespace pickora;
using pickora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int totalNumbers = input.ConsumeIntegralInRange(3, 11);
    const int least = input.ConsumeIntegralInRange(0, 8);
    const int most = input.ConsumeIntegralInRange(0, 8);
    const int pickCount = input.ConsumeIntegralInRange(1, 3);
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < 9) {
        const std::size_t end = text.find('\xff', start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    const std::string drawText = parts.size() > 1 ? parts.back() : std::string();
    std::vector<std::string> memos(parts.begin(), parts.end() - (parts.size() > 1 ? 1 : 0));

    for (const std::string& memo : memos)
        require(memoLineCount(memo) >= 0);
    const std::vector<std::array<int, 3>> found = intersectBases(memos, totalNumbers, least, most);
    for (const auto& bet : found) {
        for (const int n : bet)
            require(n >= 1 && n <= totalNumbers);
        require(bet[0] != bet[1] && bet[0] != bet[2] && bet[1] != bet[2]);
    }
    const std::string result = resultText(found);
    require(memoLineCount(result) == static_cast<int>(found.size()));

    // The prize check against the memo the player may have edited, and against the found list.
    for (const std::string& memo : {memos.front(), result}) {
        const PrizeCheck check = checkPrize(drawText, memo, pickCount);
        require(check.error.empty() || !check.won);
    }
    if (const auto tokens = parseNumberTokens(drawText))
        require(tokens->size() <= drawText.size());
    return 0;
}
