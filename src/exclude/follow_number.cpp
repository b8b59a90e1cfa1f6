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
    // The latest draw holding each group, over the draws registered so far: a flat table by
    // group mask while the numbers are small, a map otherwise.
    NumberMask all = 0;
    for (const NumberMask m : masks)
        all |= m;
    const bool flat = all < (NumberMask{1} << 16);
    std::vector<int> table(flat ? std::size_t{1} << std::bit_width(all) : 0, -1);
    std::unordered_map<NumberMask, int> map;
    for (int t = 2; t < count; ++t) {
        for (const NumberMask group :
             drawGroups(masks[static_cast<std::size_t>(t - 2)], groupSize)) {
            if (flat)
                table[group] = t - 2;
            else
                map[group] = t - 2;
        }
        int best = 0;
        for (const NumberMask group :
             drawGroups(masks[static_cast<std::size_t>(t - 1)], groupSize)) {
            int d = -1;
            if (flat) {
                d = table[group];
            } else if (const auto it = map.find(group); it != map.end()) {
                d = it->second;
            }
            if (d >= 0)
                best = std::max(best, std::popcount(masks[static_cast<std::size_t>(t)]
                                                    & masks[static_cast<std::size_t>(d + 1)]));
        }
        result[static_cast<std::size_t>(t)] = best;
    }
    return result;
}

} // namespace pickora
