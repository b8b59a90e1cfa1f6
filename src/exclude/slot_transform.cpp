#include "exclude/slot_transform.h"

#include <algorithm>
#include <cstdint>

namespace pickora {

namespace {

// A key that is larger exactly when a slot comes first under the ordering: hits and omissions
// stay below 2^24 (they count draws), so both fit side by side.
inline std::uint64_t orderKey(SlotOrdering ordering, SlotKeys k)
{
    constexpr std::uint64_t top = (1U << 24) - 1;
    const auto hits = static_cast<std::uint64_t>(k.hits) & top;
    const auto omission = static_cast<std::uint64_t>(k.omission) & top;
    switch (ordering) {
    case SlotOrdering::RecentFirst:
        return (top - omission) << 24 | hits;
    case SlotOrdering::FewestHitsFirst:
        return (top - hits) << 24 | omission;
    case SlotOrdering::LongestGapFirst:
        return omission << 24 | (top - hits);
    }
    return 0;
}

// The exchange sort over slot indices 0..n-1; writes rank[index] = position + 1. An entry is
// swapped with a later one only when the later one comes strictly first, which fixes the order of
// ties; the packed keys (key << 8 | index) let it run without branches.
template <class Keys> void exchangeRank(const Keys& keys, int n, SlotOrdering ordering, int* rank)
{
    std::uint64_t order[64];
    for (int s = 0; s < n; ++s)
        order[s] = orderKey(ordering, keys[s]) << 8 | static_cast<std::uint64_t>(s);
    for (int i = 0; i < n - 1; ++i) {
        std::uint64_t at = order[i];
        for (int j = i + 1; j < n; ++j) {
            const std::uint64_t other = order[j];
            const bool swap = (other >> 8) > (at >> 8);
            order[j] = swap ? at : other;
            at = swap ? other : at;
        }
        order[i] = at;
    }
    for (int i = 0; i < n; ++i)
        rank[order[i] & 0xFF] = i + 1;
}

constexpr int kMaxSlots = 32;

} // namespace

std::vector<int> rankSlots(std::span<const SlotKeys> keys, SlotOrdering ordering)
{
    const int n = static_cast<int>(keys.size());
    std::vector<int> rank(keys.size());
    exchangeRank(keys, n, ordering, rank.data());
    return rank;
}

PassChoice drawPassChoice(int maxWindow, int totalNumbers, RandomSource& random)
{
    random.reseedFromClock();
    PassChoice choice;
    choice.window = random.uniform(1, std::max(1, maxWindow));
    choice.permutation = drawPermutation(totalNumbers, random);
    return choice;
}

NumberMask SlotView::targetMask(const Candidate& c, int pickCount) const
{
    NumberMask mask = 0;
    for (int i = 0; i < pickCount; ++i)
        mask |= NumberMask{1}
                << targetNumber[static_cast<std::size_t>(c.numbers[static_cast<std::size_t>(i)])];
    return mask;
}

namespace {

// The walk shared by the search view and the full history: `onRanked(t, rankOfSlot)` is called
// for every ranked period t = firstRanked .. C with rank indexed by slot 1..N.
template <class OnRanked>
void walkSlots(std::span<const Draw> draws, int pickCount, const Permutation& p, int window,
               SlotOrdering ordering, int target, int firstRanked, OnRanked onRanked)
{
    const int n = p.size();
    SlotKeys keys[kMaxSlots + 1];
    int lastHit[kMaxSlots + 1];
    for (int s = 0; s <= n; ++s) {
        keys[s] = {};
        lastHit[s] = -1;
    }
    int rank[kMaxSlots + 1];
    for (int t = 0; t <= target; ++t) {
        if (t >= 1) {
            const Draw& entering = draws[static_cast<std::size_t>(t - 1)];
            for (int j = 0; j < pickCount; ++j) {
                const int s = slotOf(p, entering.numbers[static_cast<std::size_t>(j)], t - 1);
                ++keys[s].hits;
                lastHit[s] = t - 1;
            }
        }
        if (window > 0 && t - window - 1 >= 0) {
            const int d = t - window - 1;
            const Draw& leaving = draws[static_cast<std::size_t>(d)];
            for (int j = 0; j < pickCount; ++j)
                --keys[slotOf(p, leaving.numbers[static_cast<std::size_t>(j)], d)].hits;
        }
        if (t < firstRanked)
            continue;
        for (int s = 1; s <= n; ++s)
            keys[s].omission = lastHit[s] >= 0 ? t - lastHit[s] : 0;
        // Slots 1..N sit at keys[1..N]; rank by index 1..N.
        exchangeRank(keys + 1, n, ordering, rank + 1);
        onRanked(t, rank);
    }
}

} // namespace

SlotView transformToTarget(std::span<const Draw> draws, int pickCount, const Permutation& p,
                           int window, SlotOrdering ordering, int target, int firstRanked)
{
    SlotView view;
    firstRanked = std::clamp(firstRanked, 0, target);
    view.firstRanked = firstRanked;
    view.drawMasks.resize(static_cast<std::size_t>(target - firstRanked));
    view.targetNumber.assign(static_cast<std::size_t>(p.size()) + 1, 0);
    walkSlots(draws, pickCount, p, window, ordering, target, firstRanked,
              [&](int t, const int* rank) {
                  if (t < target) {
                      const Draw& d = draws[static_cast<std::size_t>(t)];
                      NumberMask mask = 0;
                      for (int j = 0; j < pickCount; ++j)
                          mask |= NumberMask{1}
                                  << rank[slotOf(p, d.numbers[static_cast<std::size_t>(j)], t)];
                      view.drawMasks[static_cast<std::size_t>(t - firstRanked)] = mask;
                  } else {
                      for (int x = 1; x <= p.size(); ++x)
                          view.targetNumber[static_cast<std::size_t>(x)] = rank[slotOf(p, x, t)];
                  }
              });
    return view;
}

std::vector<Draw> transformedDraws(std::span<const Draw> draws, int pickCount, const Permutation& p,
                                   int window, SlotOrdering ordering, int target)
{
    std::vector<Draw> result(static_cast<std::size_t>(target));
    walkSlots(draws, pickCount, p, window, ordering, target, 0, [&](int t, const int* rank) {
        if (t >= target)
            return;
        const Draw& d = draws[static_cast<std::size_t>(t)];
        Draw& out = result[static_cast<std::size_t>(t)];
        out.issue = d.issue;
        for (int j = 0; j < pickCount; ++j)
            out.numbers[static_cast<std::size_t>(j)] =
                rank[slotOf(p, d.numbers[static_cast<std::size_t>(j)], t)];
    });
    return result;
}

std::vector<Draw> statisticsTransform(std::span<const Draw> draws, int pickCount,
                                      const Permutation& p, int window)
{
    const int n = p.size();
    const int count = static_cast<int>(draws.size());
    const auto slot = [&](int number, int t) {
        // t counts from 0 here; ((p(n) + t - 1) mod N) stays non-negative since p(n) >= 1.
        return (p.perm[static_cast<std::size_t>(number)] + t - 1) % n;
    };
    std::vector<int> hits(static_cast<std::size_t>(n), 0);
    std::vector<int> lastHit(static_cast<std::size_t>(n), -1);
    std::vector<SlotKeys> keys(static_cast<std::size_t>(n));
    std::vector<int> rank(static_cast<std::size_t>(n));
    std::vector<Draw> result(draws.size());
    for (int t = 0; t < count; ++t) {
        if (t >= 1) {
            const Draw& entering = draws[static_cast<std::size_t>(t - 1)];
            for (int j = 0; j < pickCount; ++j) {
                const int x = slot(entering.numbers[static_cast<std::size_t>(j)], t - 1);
                ++hits[static_cast<std::size_t>(x)];
                lastHit[static_cast<std::size_t>(x)] = t - 1;
            }
        }
        if (window > 0 && t - window - 1 >= 0) {
            const int d = t - window - 1;
            for (int j = 0; j < pickCount; ++j)
                --hits[static_cast<std::size_t>(slot(
                    draws[static_cast<std::size_t>(d)].numbers[static_cast<std::size_t>(j)], d))];
        }
        for (int x = 0; x < n; ++x) {
            auto& key = keys[static_cast<std::size_t>(x)];
            key.hits = hits[static_cast<std::size_t>(x)];
            // The omission carried by slot x is that of the slot number x + 1 occupies now.
            const int y = slot(x + 1, t);
            if (lastHit[static_cast<std::size_t>(y)] >= 0)
                key.omission = t - lastHit[static_cast<std::size_t>(y)];
        }
        exchangeRank(keys, n, SlotOrdering::FewestHitsFirst, rank.data());
        const Draw& d = draws[static_cast<std::size_t>(t)];
        Draw& out = result[static_cast<std::size_t>(t)];
        out.issue = d.issue;
        for (int j = 0; j < pickCount; ++j)
            out.numbers[static_cast<std::size_t>(j)] =
                rank[static_cast<std::size_t>(slot(d.numbers[static_cast<std::size_t>(j)], t))];
    }
    return result;
}

} // namespace pickora
