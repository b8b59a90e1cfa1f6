#include "exclude/candidate_table.h"

#include <algorithm>
#include <cstdio>

namespace pickora {

int CandidateTable::keptCount() const
{
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [](const Candidate& c) { return c.excluded == 0; }));
}

void CandidateTable::compact()
{
    std::erase_if(entries, [](const Candidate& c) { return c.excluded != 0; });
}

Candidate makeCandidate(const int* numbers, int pickCount)
{
    Candidate c;
    for (int i = 0; i < pickCount; ++i) {
        c.numbers[static_cast<std::size_t>(i)] = numbers[i];
        c.mask |= NumberMask{1} << numbers[i];
    }
    return c;
}

CandidateTable buildCandidateTable(int totalNumbers, int pickCount)
{
    CandidateTable table;
    table.pickCount = pickCount;
    if (pickCount < 1 || pickCount > kStoredNumbers || pickCount > totalNumbers)
        return table;
    // Odometer over ascending index sets: the last position moves fastest.
    std::array<int, kStoredNumbers> current{};
    for (int i = 0; i < pickCount; ++i)
        current[static_cast<std::size_t>(i)] = i + 1;
    while (true) {
        table.entries.push_back(makeCandidate(current.data(), pickCount));
        int i = pickCount - 1;
        while (i >= 0 && current[static_cast<std::size_t>(i)] == totalNumbers - (pickCount - 1 - i))
            --i;
        if (i < 0)
            break;
        ++current[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < pickCount; ++j)
            current[static_cast<std::size_t>(j)] = current[static_cast<std::size_t>(j - 1)] + 1;
    }
    return table;
}

std::string candidateCell(const Candidate& c, int pickCount, int blanks)
{
    std::string cell(static_cast<std::size_t>(std::max(0, blanks)), ' ');
    for (int i = 0; i < pickCount; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%.2d ", c.numbers[static_cast<std::size_t>(i)]);
        cell += text;
    }
    return cell;
}

std::string candidateLine(const Candidate& c, int pickCount)
{
    std::string line;
    for (int i = 0; i < pickCount; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, i == 0 ? "%.2d" : " %.2d",
                      c.numbers[static_cast<std::size_t>(i)]);
        line += text;
    }
    return line;
}

} // namespace pickora
