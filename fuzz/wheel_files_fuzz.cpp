// Rotation-matrix files: the window's reading of a matrix file in 旋转矩阵/ (a player may put any
// file there) and the bets it fills from the player's numbers, and the strict reading of the
// shipped format with its round trip and check. Whatever the file holds, the window's reading
// either refuses a line or returns lines that fill bets of distinct numbers in ascending order.
//
// The whole input is the file's text. The wheel it is read as is the catalogue entry whose base
// and pick match the text (its largest position, the values of its first line), so the shipped
// files seed with their own settings; another text takes an entry picked by its length.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "recommend/wheel_bets.h"
#include "recommend/wheel_design.h"

using namespace pickora;
using pickora::fuzz::require;

namespace {

// The wheel a text looks like: the count of numbers on its first line and its largest number.
WheelParams wheelOf(std::string_view text, const std::vector<WheelParams>& catalogue)
{
    int firstLine = 0;
    int largest = 0;
    bool onFirstLine = true;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n')
            onFirstLine = false;
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        int value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = std::min(value * 10 + (text[i] - '0'), 1000);
            ++i;
        }
        largest = std::max(largest, value);
        firstLine += onFirstLine ? 1 : 0;
    }
    for (const WheelParams& p : catalogue)
        if (p.base == largest && p.pick == firstLine)
            return p;
    return catalogue[text.size() % catalogue.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<WheelParams> catalogue = wheelCatalogue();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const WheelParams p = wheelOf(text, catalogue);
    const int bankers = static_cast<int>(size % 4);

    const MatrixLines read = readMatrixLines(text, p.base, p.pick);
    if (read.badLine > 0) {
        require(read.lines.empty() && !read.problem.empty());
    } else {
        std::vector<int> base(static_cast<std::size_t>(p.base));
        for (int i = 0; i < p.base; ++i)
            base[static_cast<std::size_t>(i)] = 2 * i + 1;
        std::vector<int> banker;
        for (int i = 0; i < bankers; ++i)
            banker.push_back(2 * i + 2);
        for (const std::vector<int>& bet : wheelBets(read.lines, base, banker)) {
            require(bet.size() == static_cast<std::size_t>(p.pick + bankers));
            require(std::is_sorted(bet.begin(), bet.end()));
        }
    }

    const ParsedWheel parsed = parseWheelFile(text, p);
    if (!parsed.error.empty()) {
        require(parsed.bets.empty());
        return 0;
    }
    // Written back in the shipped format, the bets read the same.
    require(parseWheelFile(wheelFileText(parsed.bets), p).bets == parsed.bets);
    for (const WheelBet bet : parsed.bets)
        require(betSize(bet) == p.pick);
    // The exhaustive check is quick for the small wheels only.
    if (p.base <= 10) {
        const WheelCheck check = verifyWheel(p, parsed.bets);
        require(check.ok || !check.problem.empty());
    }
    return 0;
}
