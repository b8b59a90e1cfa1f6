#include "exclude/follow_number.h"

#include <bit>
#include <unordered_map>

namespace pickora {

int followGroupSize(std::string_view text)
{
    if (text == "1")
        return 1;
    if (text == "2")
        return 2;
    return 3;
}

NumberMask drawMask(const Draw& draw, int pickCount)
{
    NumberMask mask = 0;
    for (int j = 0; j < pickCount; ++j)
        mask |= NumberMask{1} << draw.numbers[static_cast<std::size_t>(j)];
    return mask;
}

std::vector<NumberMask> drawGroups(NumberMask draw, int groupSize)
{
    std::vector<NumberMask> groups;
    if (groupSize >= std::popcount(draw)) {
        groups.push_back(draw);
        return groups;
    }
    // Every submask of the draw with groupSize bits.
    for (NumberMask sub = draw; sub != 0; sub = (sub - 1) & draw)
        if (std::popcount(sub) == groupSize)
            groups.push_back(sub);
    return groups;
}

std::vector<NumberMask> followerDraws(std::span<const NumberMask> masks, int last, int groupSize)
{
    std::vector<NumberMask> followers;
    if (last < 1 || last >= static_cast<int>(masks.size()))
        return followers;
    for (const NumberMask group : drawGroups(masks[static_cast<std::size_t>(last)], groupSize))
        for (int d = last - 1; d >= 0; --d)
            if ((masks[static_cast<std::size_t>(d)] & group) == group) {
                followers.push_back(masks[static_cast<std::size_t>(d + 1)]);
                break;
            }
    return followers;
}

int followNumber(NumberMask current, std::span<const NumberMask> followers)
{
    int best = 0;
    for (const NumberMask f : followers)
        best = std::max(best, std::popcount(current & f));
    return best;
}

std::vector<int> followNumbers(std::span<const NumberMask> masks, int groupSize)
{
    const int count = static_cast<int>(masks.size());
    std::vector<int> result(masks.size(), 0);
    // The latest draw holding each group, over the draws registered so far.
    std::unordered_map<NumberMask, int> latest;
    for (int t = 2; t < count; ++t) {
        for (const NumberMask group : drawGroups(masks[static_cast<std::size_t>(t - 2)], groupSize))
            latest[group] = t - 2;
        int best = 0;
        for (const NumberMask group : drawGroups(masks[static_cast<std::size_t>(t - 1)], groupSize)) {
            const auto it = latest.find(group);
            if (it != latest.end())
                best = std::max(best, std::popcount(masks[static_cast<std::size_t>(t)]
                                                    & masks[static_cast<std::size_t>(it->second + 1)]));
        }
        result[static_cast<std::size_t>(t)] = best;
    }
    return result;
}

} // namespace pickora
