// Stored rows into the history: whatever a number table holds (issue texts and numbers as the
// strict reading of the database lets them through: any whole number), the history is built or
// refused by row, and a built history has valid numbers, one date and one grid row a draw, and
// warnings that name rows within it.
//
// The last bytes pick the position and N; the rest is read as lines "issue n1 n2 n3 n4 n5".
#include <charconv>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "store/draw_history.h"

using namespace pickora;
using pickora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto position = static_cast<DrawPosition>(input.ConsumeIntegralInRange(1, 3));
    const int totalNumbers = input.ConsumeIntegralInRange(3, 11);
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::vector<StoredDraw> stored;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        StoredDraw draw;
        const std::size_t blank = line.find(' ');
        draw.issueText = std::string(line.substr(0, blank));
        line.remove_prefix(blank == std::string_view::npos ? line.size() : blank + 1);
        for (int& n : draw.numbers) {
            const auto [stop, error] = std::from_chars(line.data(), line.data() + line.size(), n);
            line.remove_prefix(static_cast<std::size_t>(stop - line.data()));
            if (!line.empty())
                line.remove_prefix(1);
            (void)error;
        }
        stored.push_back(std::move(draw));
    }

    DrawHistory history;
    try {
        history = buildDrawHistory(stored, position, totalNumbers, 3);
    } catch (const DrawDataError&) {
        return 0;
    }
    require(history.draws.size() == stored.size());
    require(history.dates.size() == stored.size() && history.rows.size() == stored.size());
    for (const Draw& d : history.draws)
        for (int j = 0; j < 3; ++j)
            require(d.numbers[static_cast<std::size_t>(j)] >= 1
                    && d.numbers[static_cast<std::size_t>(j)] <= totalNumbers);
    const std::string warning = historyWarningText(history, 10);
    require(warning.empty() || warning.find("第 ") != std::string::npos);
    rebuildRows(history, history.draws);
    require(history.rows.size() == stored.size());
    return 0;
}
