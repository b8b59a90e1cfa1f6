#pragma once
// The one seam for randomness: the program seeds from the clock, tests from a fixed seed.

#include <cstdint>
#include <random>

namespace pickora {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly drawn integer in lo..hi (both included, lo <= hi).
    virtual int uniform(int lo, int hi) = 0;
    // Called before each random choice; a clock-seeded source starts afresh, a seeded one
    // used by tests keeps its sequence.
    virtual void reseedFromClock() {}
};

// Mersenne Twister with our own range reduction, so a seed gives the same sequence with every
// standard library.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    int uniform(int lo, int hi) override;
    // Re-seeds in place (the program re-seeds from the clock before each random choice).
    void reseed(std::uint32_t seed) { engine_.seed(seed); }

private:
    std::mt19937 engine_;
};

// Seeds itself from the clock at every reseed() and at construction.
class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    int uniform(int lo, int hi) override { return inner_.uniform(lo, hi); }
    void reseedFromClock() override;

private:
    SeededRandom inner_;
};

} // namespace pickora
