#include "exclude/exclusion_members.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "exclude/follow_number.h"

namespace pickora {

namespace {

int transformedSumOf(const Candidate& c, int pickCount, const std::vector<int>& targetNumber)
{
    int sum = 0;
    for (int i = 0; i < pickCount; ++i)
        sum += targetNumber[static_cast<std::size_t>(c.numbers[static_cast<std::size_t>(i)])];
    return sum;
}

NumberMask maskThrough(const Candidate& c, int pickCount, const std::vector<int>& targetNumber)
{
    NumberMask mask = 0;
    for (int i = 0; i < pickCount; ++i)
        mask |= NumberMask{1}
                << targetNumber[static_cast<std::size_t>(c.numbers[static_cast<std::size_t>(i)])];
    return mask;
}

} // namespace

// ----------------------------------------------------------------------------- sum

SumExclusion::SumExclusion(ExclusionBasis basis, int high, int low)
    : basis_(std::move(basis)), high_(high), low_(low)
{
}

void SumExclusion::preparePass(RandomSource& random)
{
    preparePass(drawPassChoice(basis_.target, basis_.totalNumbers, random));
}

void SumExclusion::preparePass(const PassChoice& choice)
{
    window_ = choice.window;
    const Permutation& p = choice.permutation;
    const int n = p.size();
    const int target = basis_.target;
    // Hits over the draws C - W .. C - 1, omissions over every draw before C.
    std::vector<SlotKeys> keys(static_cast<std::size_t>(n));
    const int first = choice.window > 0 ? std::max(0, target - choice.window) : 0;
    for (int d = first; d < target; ++d)
        for (int j = 0; j < basis_.pickCount; ++j)
            ++keys[static_cast<std::size_t>(slotOf(p,
                                                   basis_.draws[static_cast<std::size_t>(d)]
                                                       .numbers[static_cast<std::size_t>(j)],
                                                   d)
                                            - 1)]
                  .hits;
    int unknown = n;
    std::vector<bool> found(static_cast<std::size_t>(n), false);
    for (int d = target - 1; d >= 0 && unknown > 0; --d)
        for (int j = 0; j < basis_.pickCount; ++j) {
            const auto s = static_cast<std::size_t>(
                slotOf(
                    p,
                    basis_.draws[static_cast<std::size_t>(d)].numbers[static_cast<std::size_t>(j)],
                    d)
                - 1);
            if (!found[s]) {
                found[s] = true;
                keys[s].omission = target - d;
                --unknown;
            }
        }
    const std::vector<int> rank = rankSlots(keys, SlotOrdering::RecentFirst);
    targetNumber_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int x = 1; x <= n; ++x)
        targetNumber_[static_cast<std::size_t>(x)] =
            rank[static_cast<std::size_t>(slotOf(p, x, target) - 1)];
}

int SumExclusion::transformedSum(const Candidate& candidate) const
{
    return transformedSumOf(candidate, basis_.pickCount, targetNumber_);
}

bool SumExclusion::excludes(const Candidate& candidate) const
{
    const int sum = transformedSum(candidate);
    return sum >= high_ || sum <= low_;
}

// ----------------------------------------------------------------------------- repeat

RepeatExclusion::RepeatExclusion(ExclusionBasis basis, int lookBack, int threshold)
    : basis_(std::move(basis)), lookBack_(lookBack), threshold_(threshold)
{
}

void RepeatExclusion::preparePass(RandomSource& random)
{
    preparePass(drawPassChoice(basis_.target, basis_.totalNumbers, random));
}

void RepeatExclusion::preparePass(const PassChoice& choice)
{
    window_ = choice.window;
    // The walk keeps every draw's counts; only the draws the test reads are ranked.
    view_ =
        transformToTarget(basis_.draws, basis_.pickCount, choice.permutation, choice.window,
                          SlotOrdering::FewestHitsFirst, basis_.target, basis_.target - lookBack_);
}

int RepeatExclusion::repeat(const Candidate& candidate) const
{
    const NumberMask mask = view_.targetMask(candidate, basis_.pickCount);
    int best = 0;
    for (int d = basis_.target - 1; d >= basis_.target - lookBack_ && d >= 0; --d)
        best = std::max(best, std::popcount(mask & view_.drawMask(d)));
    return best;
}

bool RepeatExclusion::excludes(const Candidate& candidate) const
{
    return repeat(candidate) >= threshold_;
}

// ----------------------------------------------------------------------------- big / odd

BigOddExclusion::BigOddExclusion(ExclusionBasis basis, BigOddRules rules)
    : basis_(std::move(basis)), rules_(rules)
{
    for (int x = 1; x <= basis_.totalNumbers; ++x)
        if (counts(x))
            countedMask_ |= NumberMask{1} << x;
}

bool BigOddExclusion::counts(int transformedNumber) const
{
    return rules_.oddMode ? transformedNumber % 2 == 1
                          : transformedNumber >= basis_.totalNumbers / 2;
}

void BigOddExclusion::preparePass(RandomSource& random)
{
    preparePass(drawPassChoice(basis_.target, basis_.totalNumbers, random));
}

void BigOddExclusion::preparePass(const PassChoice& choice)
{
    window_ = choice.window;
    const int target = basis_.target;
    const int streak = std::clamp(rules_.streak, 0, target);
    view_ = transformToTarget(basis_.draws, basis_.pickCount, choice.permutation, choice.window,
                              SlotOrdering::FewestHitsFirst, target, target - streak);
    highHolds_ = true;
    lowHolds_ = true;
    for (int d = target - 1; d >= target - streak; --d) {
        const int c = std::popcount(view_.drawMask(d) & countedMask_);
        highHolds_ = highHolds_ && c >= rules_.highThreshold;
        lowHolds_ = lowHolds_ && c <= rules_.lowThreshold;
    }
}

bool BigOddExclusion::excludes(const Candidate& candidate) const
{
    const int c = std::popcount(view_.targetMask(candidate, basis_.pickCount) & countedMask_);
    if (rules_.highOn && highHolds_ && (c < rules_.highFrom || c > rules_.highTo))
        return true;
    return rules_.lowOn && lowHolds_ && (c < rules_.lowFrom || c > rules_.lowTo);
}

// ----------------------------------------------------------------------------- follow

FollowView followView(std::span<const Draw> draws, int totalNumbers, int pickCount, int target,
                      const FollowSettings& settings, const Permutation& p, int window)
{
    FollowView view;
    view.targetNumber.assign(static_cast<std::size_t>(totalNumbers) + 1, 0);
    if (!settings.arrangement) {
        const SlotOrdering ordering =
            settings.longestGap ? SlotOrdering::LongestGapFirst : SlotOrdering::FewestHitsFirst;
        SlotView slots = transformToTarget(draws, pickCount, p, window, ordering, target, 0);
        view.masks = std::move(slots.drawMasks);
        view.targetNumber = std::move(slots.targetNumber);
        return view;
    }
    view.masks.resize(static_cast<std::size_t>(target));
    for (int t = 0; t < target; ++t) {
        NumberMask mask = 0;
        for (int j = 0; j < pickCount; ++j)
            mask |=
                NumberMask{1} << slotOf(
                    p, draws[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)], t);
        view.masks[static_cast<std::size_t>(t)] = mask;
    }
    for (int x = 1; x <= totalNumbers; ++x)
        view.targetNumber[static_cast<std::size_t>(x)] = slotOf(p, x, target);
    return view;
}

std::vector<Draw> followTransformedDraws(std::span<const Draw> draws, int pickCount,
                                         const FollowSettings& settings, const Permutation& p,
                                         int window)
{
    const int count = static_cast<int>(draws.size());
    if (!settings.arrangement)
        return transformedDraws(draws, pickCount, p, window,
                                settings.longestGap ? SlotOrdering::LongestGapFirst
                                                    : SlotOrdering::FewestHitsFirst,
                                count);
    std::vector<Draw> result(draws.begin(), draws.end());
    for (int t = 0; t < count; ++t)
        for (int j = 0; j < pickCount; ++j)
            result[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)] = slotOf(
                p, draws[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)], t);
    return result;
}

FollowExclusion::FollowExclusion(ExclusionBasis basis, FollowSettings settings)
    : basis_(std::move(basis)), settings_(settings)
{
}

int FollowExclusion::windowFor(const FollowSettings& settings, int target, RandomSource& random)
{
    const int bound = settings.maximumWindow ? target + 1 : settings.phaseLength;
    return settings.randomWindow ? random.uniform(1, std::max(1, bound)) : bound;
}

void FollowExclusion::preparePass(RandomSource& random)
{
    if (!settings_.transformed) {
        if (regularReady_)
            return; // every pass of "常规" is the same
        std::vector<NumberMask> masks;
        masks.reserve(static_cast<std::size_t>(basis_.target));
        for (int t = 0; t < basis_.target; ++t)
            masks.push_back(drawMask(basis_.draws[static_cast<std::size_t>(t)], basis_.pickCount));
        followers_ = followerDraws(masks, basis_.target - 1, settings_.groupSize);
        targetNumber_.resize(static_cast<std::size_t>(basis_.totalNumbers) + 1);
        for (int x = 0; x <= basis_.totalNumbers; ++x)
            targetNumber_[static_cast<std::size_t>(x)] = x;
        regularReady_ = true;
        return;
    }
    random.reseedFromClock();
    const Permutation p = drawPermutation(basis_.totalNumbers, random);
    const int window = windowFor(settings_, basis_.target, random);
    preparePass(p, window);
}

void FollowExclusion::preparePass(const Permutation& p, int window)
{
    window_ = window;
    const int target = basis_.target;
    if (settings_.arrangement) {
        FollowView view = followView(basis_.draws, basis_.totalNumbers, basis_.pickCount, target,
                                     settings_, p, window);
        followers_ = followerDraws(view.masks, target - 1, settings_.groupSize);
        targetNumber_ = std::move(view.targetNumber);
        return;
    }
    // The groups of the last draw are usually found a few draws back: rank only the newest
    // periods, and twice as many again while a group is not found among them. The walk keeps
    // every slot's counts from the oldest draw on, so the ranks are those of the whole history.
    const SlotOrdering ordering =
        settings_.longestGap ? SlotOrdering::LongestGapFirst : SlotOrdering::FewestHitsFirst;
    for (int span = 64;; span *= 2) {
        const int first = std::max(0, target - span);
        SlotView view =
            transformToTarget(basis_.draws, basis_.pickCount, p, window, ordering, target, first);
        // Masks of periods first .. C - 1 stand at index 0 ..; earlier periods read as empty.
        std::vector<NumberMask> masks(static_cast<std::size_t>(target), 0);
        std::copy(view.drawMasks.begin(), view.drawMasks.end(), masks.begin() + first);
        const std::vector<NumberMask> groups =
            target >= 1
                ? drawGroups(masks[static_cast<std::size_t>(target - 1)], settings_.groupSize)
                : std::vector<NumberMask>{};
        bool allFound = true;
        for (const NumberMask group : groups) {
            bool found = false;
            for (int d = target - 2; d >= first && !found; --d)
                found = (masks[static_cast<std::size_t>(d)] & group) == group;
            allFound = allFound && found;
        }
        if (allFound || first == 0) {
            followers_ = followerDraws(masks, target - 1, settings_.groupSize);
            targetNumber_ = std::move(view.targetNumber);
            return;
        }
    }
}

int FollowExclusion::followNumberOf(const Candidate& candidate) const
{
    return followNumber(maskThrough(candidate, basis_.pickCount, targetNumber_), followers_);
}

bool FollowExclusion::excludes(const Candidate& candidate) const
{
    const int f = followNumberOf(candidate);
    return f >= settings_.high || f <= settings_.low;
}

} // namespace pickora
