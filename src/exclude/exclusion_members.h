#pragma once
// The four exclusion tests. Each pass the member makes its random choices and computes its
// statistics once; then every kept candidate is tested against them. Members work on their own
// copy of the draws, so a pass may run anywhere.

#include <span>
#include <vector>

#include "exclude/candidate_table.h"
#include "exclude/slot_transform.h"
#include "store/draw_types.h"
#include "store/random_source.h"

namespace pickora {

// What every member needs of the open lottery: its draws (oldest first), N, k and the target
// period C (the draws before C are the history the pass looks at).
struct ExclusionBasis {
    std::vector<Draw> draws;
    int totalNumbers = 11;
    int pickCount = 3;
    int target = 0;
};

class ExclusionMember {
public:
    virtual ~ExclusionMember() = default;
    // The random choices and statistics of one pass.
    virtual void preparePass(RandomSource& random) = 0;
    // False when the pass tests no candidate at all (the big/odd member without a streak).
    virtual bool testsThisPass() const { return true; }
    virtual bool excludes(const Candidate& candidate) const = 0;
    // The hits window of the last pass (0 before the first).
    int lastWindow() const { return window_; }

protected:
    int window_ = 0;
};

// Sum: the transformed numbers of the target period are the ranks of their slots ranked
// `RecentFirst`; a candidate whose transformed sum is >= high or <= low is excluded.
class SumExclusion : public ExclusionMember {
public:
    SumExclusion(ExclusionBasis basis, int high, int low);
    void preparePass(RandomSource& random) override;
    bool excludes(const Candidate& candidate) const override;
    int transformedSum(const Candidate& candidate) const;
    // For tests: prepares the pass from given choices.
    void preparePass(const PassChoice& choice);

private:
    ExclusionBasis basis_;
    int high_;
    int low_;
    std::vector<int> targetNumber_;
};

// Repeat: the whole history is transformed (`FewestHitsFirst`); a candidate sharing at least
// `threshold` transformed numbers with one of the last `lookBack` transformed draws is excluded.
class RepeatExclusion : public ExclusionMember {
public:
    RepeatExclusion(ExclusionBasis basis, int lookBack, int threshold);
    void preparePass(RandomSource& random) override;
    void preparePass(const PassChoice& choice);
    bool excludes(const Candidate& candidate) const override;
    int repeat(const Candidate& candidate) const;

private:
    ExclusionBasis basis_;
    int lookBack_;
    int threshold_;
    SlotView view_;
};

// Big/odd: after a streak of Y transformed draws whose big (or odd) count stayed high (>= A) or
// low (<= X), candidates whose count lies outside the range of the holding rule are excluded.
struct BigOddRules {
    bool oddMode = false; // "奇偶模式": count odd numbers instead of big ones
    int streak = 2;       // Y
    bool highOn = true;
    int highThreshold = 2;        // A
    int highFrom = 0, highTo = 2; // B1..B2
    bool lowOn = true;
    int lowThreshold = 1;       // X
    int lowFrom = 1, lowTo = 3; // X1..X2
};

class BigOddExclusion : public ExclusionMember {
public:
    BigOddExclusion(ExclusionBasis basis, BigOddRules rules);
    void preparePass(RandomSource& random) override;
    void preparePass(const PassChoice& choice);
    bool testsThisPass() const override { return highHolds_ || lowHolds_; }
    bool excludes(const Candidate& candidate) const override;
    bool highStreak() const { return highHolds_; }
    bool lowStreak() const { return lowHolds_; }
    // The counted property of a transformed number: big means at least N div 2.
    bool counts(int transformedNumber) const;

private:
    ExclusionBasis basis_;
    BigOddRules rules_;
    SlotView view_;
    NumberMask countedMask_ = 0;
    bool highHolds_ = false;
    bool lowHolds_ = false;
};

// Follow: the follow number of the candidate against the draw before the target period, on the
// stored draws ("常规") or on a history transformed anew every pass ("变幻").
struct FollowSettings {
    bool transformed = true;    // "变幻"
    bool arrangement = false;   // "排列模式": the slot itself instead of its rank
    bool longestGap = false;    // "间隔模式": LongestGapFirst instead of FewestHitsFirst
    bool randomWindow = false;  // "随机阶段"
    bool maximumWindow = false; // "最大阶段期数": bound C + 1 instead of P
    int phaseLength = 100;      // P
    int groupSize = 2;          // g
    int high = 3;               // excluded when the follow number >= high
    int low = 0;                //                             or <= low
};

class FollowExclusion : public ExclusionMember {
public:
    FollowExclusion(ExclusionBasis basis, FollowSettings settings);
    void preparePass(RandomSource& random) override;
    // For tests and the statistics: prepares from a given permutation and window.
    void preparePass(const Permutation& p, int window);
    bool excludes(const Candidate& candidate) const override;
    int followNumberOf(const Candidate& candidate) const;

    // The hits window the settings give for a transformed pass.
    static int windowFor(const FollowSettings& settings, int target, RandomSource& random);

private:
    ExclusionBasis basis_;
    FollowSettings settings_;
    std::vector<int> targetNumber_; // identity in "常规"
    std::vector<NumberMask> followers_;
    bool regularReady_ = false;
};

// The follow member's transformed draws 0 .. C - 1 as masks and the numbers of period C.
struct FollowView {
    std::vector<NumberMask> masks;
    std::vector<int> targetNumber;
};
FollowView followView(std::span<const Draw> draws, int totalNumbers, int pickCount, int target,
                      const FollowSettings& settings, const Permutation& p, int window);
// The same view with every draw's numbers in stored order (the "变幻统计" grid).
std::vector<Draw> followTransformedDraws(std::span<const Draw> draws, int pickCount,
                                         const FollowSettings& settings, const Permutation& p,
                                         int window);

} // namespace pickora
