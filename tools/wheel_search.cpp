#include "wheel_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace pickora::wheels {

namespace {

std::vector<WheelBet> subsetsOfSize(int n, int k)
{
    std::vector<WheelBet> all;
    for (unsigned s = 0; s < (1U << n); ++s)
        if (std::popcount(s) == k)
            all.push_back(static_cast<WheelBet>(s));
    return all;
}

template <class T>
const T& pick(const std::vector<T>& items, std::mt19937_64& random)
{
    return items[random() % items.size()];
}

} // namespace

bool lexicographicLess(WheelBet a, WheelBet b)
{
    // The first position in one bet but not the other decides: the bet holding it is smaller.
    const unsigned differ = static_cast<unsigned>(a ^ b);
    return differ != 0 && (a & differ & (~differ + 1)) != 0;
}

WheelInstance::WheelInstance(const WheelParams& p)
    : params(p), bets(subsetsOfSize(p.base, p.pick)), drawnSets(subsetsOfSize(p.base, p.drawn)),
      served(bets.size()), servers(drawnSets.size())
{
    for (std::size_t b = 0; b < bets.size(); ++b)
        for (std::size_t d = 0; d < drawnSets.size(); ++d)
            if (serves(static_cast<int>(b), static_cast<int>(d))) {
                served[b].push_back(static_cast<std::uint16_t>(d));
                servers[d].push_back(static_cast<std::uint16_t>(b));
            }
}

bool WheelInstance::serves(int bet, int drawnSet) const
{
    return std::popcount(static_cast<unsigned>(bets[static_cast<std::size_t>(bet)]
                                               & drawnSets[static_cast<std::size_t>(drawnSet)]))
           >= params.guaranteed;
}

std::vector<WheelBet> greedyWheel(const WheelInstance& instance, std::mt19937_64& random)
{
    std::vector<char> done(instance.drawnSets.size(), 0);
    std::size_t left = done.size();
    std::vector<WheelBet> design;
    while (left > 0) {
        std::size_t bestGain = 0;
        std::vector<int> best;
        for (std::size_t b = 0; b < instance.bets.size(); ++b) {
            std::size_t gain = 0;
            for (const std::uint16_t d : instance.served[b])
                gain += done[d] == 0;
            if (gain > bestGain) {
                bestGain = gain;
                best.clear();
            }
            if (gain == bestGain && gain > 0)
                best.push_back(static_cast<int>(b));
        }
        const int chosen = pick(best, random);
        for (const std::uint16_t d : instance.served[static_cast<std::size_t>(chosen)])
            if (!done[d]) {
                done[d] = 1;
                --left;
            }
        design.push_back(instance.bets[static_cast<std::size_t>(chosen)]);
    }
    return design;
}

namespace {

// A design of fixed size with, per drawn set, how many of its bets serve it, and the list of
// drawn sets served by none.
class Annealer {
public:
    Annealer(const WheelInstance& instance, std::mt19937_64& random)
        : in_(instance), random_(random), count_(instance.drawnSets.size(), 0),
          where_(instance.drawnSets.size(), -1), indexOf_(1U << instance.params.base, -1)
    {
        for (std::size_t b = 0; b < in_.bets.size(); ++b)
            indexOf_[in_.bets[b]] = static_cast<int>(b);
        for (std::size_t d = 0; d < count_.size(); ++d)
            markUnserved(static_cast<int>(d));
    }

    void add(int bet)
    {
        design_.push_back(bet);
        for (const std::uint16_t d : in_.served[static_cast<std::size_t>(bet)])
            if (count_[d]++ == 0)
                markServed(d);
    }
    void removeAt(std::size_t i)
    {
        const int bet = design_[i];
        design_[i] = design_.back();
        design_.pop_back();
        for (const std::uint16_t d : in_.served[static_cast<std::size_t>(bet)])
            if (--count_[d] == 0)
                markUnserved(d);
    }
    void replaceAt(std::size_t i, int bet)
    {
        const int old = design_[i];
        design_[i] = bet;
        for (const std::uint16_t d : in_.served[static_cast<std::size_t>(bet)])
            if (count_[d]++ == 0)
                markServed(d);
        for (const std::uint16_t d : in_.served[static_cast<std::size_t>(old)])
            if (--count_[d] == 0)
                markUnserved(d);
    }
    // How many drawn sets served only by the bet at `i` would be lost when it is removed.
    int sole(std::size_t i) const
    {
        int lost = 0;
        for (const std::uint16_t d : in_.served[static_cast<std::size_t>(design_[i])])
            lost += count_[d] == 1;
        return lost;
    }

    void load(const std::vector<WheelBet>& start, int size)
    {
        for (const WheelBet bet : start)
            if (indexOf_[bet] >= 0)
                add(indexOf_[bet]);
        // Too many: drop the bets that serve fewest drawn sets alone.
        while (static_cast<int>(design_.size()) > size) {
            std::size_t worst = 0;
            int fewest = 1 << 30;
            for (std::size_t i = 0; i < design_.size(); ++i) {
                const int lost = sole(i) * 64 + static_cast<int>(random_() % 64);
                if (lost < fewest) {
                    fewest = lost;
                    worst = i;
                }
            }
            removeAt(worst);
        }
        while (static_cast<int>(design_.size()) < size)
            add(static_cast<int>(random_() % in_.bets.size()));
    }

    bool run(Clock::time_point deadline)
    {
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const double hot = 1.2;
        const double cold = 0.08;
        const long stepsPerSweep = 200'000;
        double temperature = hot;
        long step = 0;
        while (!unserved_.empty()) {
            if ((++step & 1023) == 0) {
                if (Clock::now() >= deadline)
                    return false;
                temperature = hot * std::pow(cold / hot, double(step % stepsPerSweep) / stepsPerSweep);
            }
            // Aim at a drawn set no bet serves: bring in a bet serving it in place of another.
            const int d = pick(unserved_, random_);
            const int bet = pick(in_.servers[static_cast<std::size_t>(d)], random_);
            const std::size_t i = random_() % design_.size();
            const int old = design_[i];
            int delta = 0;
            for (const std::uint16_t s : in_.served[static_cast<std::size_t>(old)])
                if (count_[s] == 1 && !in_.serves(bet, s))
                    ++delta;
            for (const std::uint16_t s : in_.served[static_cast<std::size_t>(bet)])
                if (count_[s] == 0)
                    --delta;
            if (delta <= 0 || unit(random_) < std::exp(-delta / temperature))
                replaceAt(i, bet);
        }
        return true;
    }

    std::vector<WheelBet> design() const
    {
        std::vector<WheelBet> bets;
        for (const int b : design_)
            bets.push_back(in_.bets[static_cast<std::size_t>(b)]);
        std::sort(bets.begin(), bets.end(), lexicographicLess);
        return bets;
    }

private:
    void markUnserved(int d)
    {
        where_[static_cast<std::size_t>(d)] = static_cast<int>(unserved_.size());
        unserved_.push_back(d);
    }
    void markServed(int d)
    {
        const int at = where_[static_cast<std::size_t>(d)];
        const int last = unserved_.back();
        unserved_[static_cast<std::size_t>(at)] = last;
        where_[static_cast<std::size_t>(last)] = at;
        unserved_.pop_back();
        where_[static_cast<std::size_t>(d)] = -1;
    }

    const WheelInstance& in_;
    std::mt19937_64& random_;
    std::vector<int> design_;
    std::vector<int> count_;
    std::vector<int> where_;
    std::vector<int> unserved_;
    std::vector<int> indexOf_;
};

} // namespace

bool annealToSize(const WheelInstance& instance, std::vector<WheelBet> start, int size,
                  Clock::time_point deadline, std::mt19937_64& random,
                  std::vector<WheelBet>& found)
{
    Annealer annealer(instance, random);
    annealer.load(start, size);
    if (!annealer.run(deadline))
        return false;
    found = annealer.design();
    return true;
}

SearchResult searchWheel(const WheelParams& p, const std::vector<WheelBet>& known, int target,
                         double seconds, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    const WheelInstance instance(p);
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    SearchResult result;
    result.best = greedyWheel(instance, random);
    result.greedySize = static_cast<int>(result.best.size());
    if (!known.empty() && known.size() <= result.best.size())
        result.best = known;
    while (static_cast<int>(result.best.size()) > target && Clock::now() < deadline) {
        std::vector<WheelBet> smaller;
        if (!annealToSize(instance, result.best, static_cast<int>(result.best.size()) - 1,
                          deadline, random, smaller))
            break;
        result.best = std::move(smaller);
    }
    return result;
}

} // namespace pickora::wheels

namespace pickora::wheels {

namespace {

// Drawn sets as bit rows: one bit per drawn set, at most C(11, 5) = 462 of them.
using Row = std::array<std::uint64_t, 8>;

class ExistenceSearch {
public:
    ExistenceSearch(const WheelInstance& instance, std::uint64_t nodeLimit)
        : in_(instance), rows_(instance.bets.size()), limit_(nodeLimit)
    {
        for (std::size_t b = 0; b < rows_.size(); ++b) {
            rows_[b].fill(0);
            for (const std::uint16_t d : in_.served[b])
                rows_[b][d / 64] |= 1ULL << (d % 64);
        }
        full_.fill(0);
        for (std::size_t d = 0; d < in_.drawnSets.size(); ++d)
            full_[d / 64] |= 1ULL << (d % 64);
    }

    std::optional<bool> exists(int size)
    {
        if (size <= 0)
            return false;
        const int m = in_.params.pick;
        const int b = in_.params.base;
        const auto indexOf = [&](WheelBet bet) {
            return static_cast<int>(std::find(in_.bets.begin(), in_.bets.end(), bet) - in_.bets.begin());
        };
        const WheelBet first = static_cast<WheelBet>((1U << m) - 1);
        if (size == 1)
            return covers(rows_[static_cast<std::size_t>(indexOf(first))]);
        // The second bet shares i numbers with the first: 1 … i and then m - i numbers after m.
        for (int i = std::max(0, 2 * m - b); i < m; ++i) {
            const WheelBet second = static_cast<WheelBet>(((1U << i) - 1) | (((1U << (m - i)) - 1) << m));
            Row row = rows_[static_cast<std::size_t>(indexOf(first))];
            merge(row, rows_[static_cast<std::size_t>(indexOf(second))]);
            const std::optional<bool> found = extend(row, size - 2);
            if (!found || *found)
                return found;
        }
        return false;
    }

private:
    bool covers(const Row& row) const { return row == full_; }
    static void merge(Row& row, const Row& other)
    {
        for (std::size_t w = 0; w < row.size(); ++w)
            row[w] |= other[w];
    }

    std::optional<bool> extend(const Row& row, int left)
    {
        if (++nodes_ > limit_)
            return std::nullopt;
        int unserved = -1;
        for (std::size_t w = 0; w < row.size() && unserved < 0; ++w)
            if (const std::uint64_t missing = full_[w] & ~row[w])
                unserved = static_cast<int>(w * 64) + std::countr_zero(missing);
        if (unserved < 0)
            return true;
        if (left == 0)
            return false;
        for (const std::uint16_t bet : in_.servers[static_cast<std::size_t>(unserved)]) {
            Row next = row;
            merge(next, rows_[bet]);
            const std::optional<bool> found = extend(next, left - 1);
            if (!found || *found)
                return found;
        }
        return false;
    }

    const WheelInstance& in_;
    std::vector<Row> rows_;
    Row full_{};
    std::uint64_t limit_;
    std::uint64_t nodes_ = 0;
};

} // namespace

std::optional<bool> designExists(const WheelInstance& instance, int size, std::uint64_t nodeLimit)
{
    return ExistenceSearch(instance, nodeLimit).exists(size);
}

int provenLowerBound(const WheelParams& p, int size, std::uint64_t nodeLimit)
{
    const int bound = wheelLowerBound(p);
    if (size <= bound)
        return bound;
    const std::optional<bool> smaller = designExists(WheelInstance(p), size - 1, nodeLimit);
    return smaller && !*smaller ? size : bound;
}

} // namespace pickora::wheels
