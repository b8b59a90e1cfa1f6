#include "analysis/omission_analysis.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace pickora {

namespace {

std::string oneDecimal(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

std::string twoDigits(int value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2d", value);
    return buffer;
}

bool contains(const Draw& draw, int pickCount, int number)
{
    const auto first = draw.numbers.begin();
    return std::find(first, first + pickCount, number) != first + pickCount;
}

// The rebound test over the gaps of the first four hits (g[0] is the current omission), with
// the theoretical cycle c = N / k: a number that came back within 1.5 cycles, and again within
// one cycle before that, after an absence of at least three cycles. `hit` is 3 or 4.
bool reboundAt(int hit, const std::array<int, 4>& g, double cycle)
{
    if (!(g[0] <= 1.5 * cycle && g[1] <= cycle))
        return false;
    if (hit == 3)
        return g[2] >= 3 * cycle;
    return g[2] <= cycle && g[3] >= 3 * cycle;
}

} // namespace

std::string_view omissionName(OmissionVariant variant)
{
    return variant == OmissionVariant::Skew ? "目前遗漏" : "前次遗漏";
}

std::string_view omissionCaption(OmissionVariant variant)
{
    return variant == OmissionVariant::Skew ? "中奖偏态分析选号" : "中奖回补分析选号";
}

std::array<std::string_view, kOmissionColumns> omissionHeaders(OmissionVariant variant)
{
    return {"待选号码",       "理论周期",     "理论中奖总次数",
            "实际总奖总次数", "历史最大遗漏", omissionName(variant),
            "目前冷态倍数",   "追号价值"};
}

std::int64_t chaseValue(int drawCount, int totalNumbers, int pickCount, int omission, int hits)
{
    if (hits == 0)
        return 0;
    // 64-bit products: a long absence over a 3000-draw history passes 2^31.
    const std::int64_t product = std::int64_t{drawCount} * pickCount * pickCount * omission * 100;
    const std::int64_t divisor = std::int64_t{totalNumbers} * totalNumbers * hits;
    return product / divisor;
}

std::vector<OmissionRow> computeOmission(std::span<const Draw> draws, int totalNumbers,
                                         int pickCount, OmissionVariant variant, SortMode mode)
{
    if (totalNumbers <= 0 || pickCount <= 0 || pickCount > kStoredNumbers)
        throw std::invalid_argument("computeOmission: bad lottery profile");
    const int N = totalNumbers;
    const int k = pickCount;
    const int D = static_cast<int>(draws.size());
    const double cycle = static_cast<double>(N) / k;

    std::vector<OmissionRow> rows(static_cast<std::size_t>(N));
    for (int s = 1; s <= N; ++s) {
        OmissionRow& row = rows[static_cast<std::size_t>(s - 1)];
        row.number = s;
        row.texts.fill("0");
        row.texts[0] = twoDigits(s);
        row.texts[1] = oneDecimal(cycle);
        row.texts[2] = oneDecimal(static_cast<double>(D) * k / N);

        const auto setOmission = [&](int gap) {
            row.omissionSet = true;
            row.omission = gap;
            row.texts[5] = std::to_string(gap);
            row.texts[6] = oneDecimal(static_cast<double>(gap) * k / N);
        };

        std::array<int, 4> firstGaps{};
        int prev = D - 1;
        for (int i = D - 1; i >= 0; --i) {
            if (!contains(draws[static_cast<std::size_t>(i)], k, s))
                continue;
            const int gap = prev - i;
            ++row.hits;
            if (row.hits <= 4)
                firstGaps[static_cast<std::size_t>(row.hits - 1)] = gap;
            if (variant == OmissionVariant::Skew && row.hits == 1)
                setOmission(gap);
            if (variant == OmissionVariant::Rebound && (row.hits == 3 || row.hits == 4)
                && reboundAt(row.hits, firstGaps, cycle))
                setOmission(gap);
            row.largestGap = std::max(row.largestGap, gap);
            prev = i;
        }
        row.texts[3] = std::to_string(row.hits);
        row.texts[4] = std::to_string(row.largestGap);
        row.chaseValue = chaseValue(D, N, k, row.omission, row.hits);
        row.texts[7] = std::to_string(row.chaseValue) + "%";
    }
    sortOmissionRows(rows, mode);
    return rows;
}

void sortOmissionRows(std::vector<OmissionRow>& rows, SortMode mode)
{
    if (mode == SortMode::None)
        return;
    const auto exchange = [mode](const OmissionRow& a, const OmissionRow& b) {
        switch (mode) {
        case SortMode::ChaseValue:
            return a.chaseValue < b.chaseValue;
        case SortMode::Omission:
            return a.omission < b.omission;
        case SortMode::TotalHits:
            return b.hits < a.hits;
        case SortMode::None:
            break;
        }
        return false;
    };
    const std::size_t n = rows.size();
    for (std::size_t a = 0; a + 1 < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            if (exchange(rows[a], rows[b]))
                std::swap(rows[a], rows[b]);
}

} // namespace pickora
