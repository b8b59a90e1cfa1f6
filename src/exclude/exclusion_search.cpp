#include "exclude/exclusion_search.h"

#include <algorithm>

namespace pickora {

int progressMaximum(const CandidateTable& table, const ExclusionStopRule& rule)
{
    if (!rule.countMode)
        return std::max(0, rule.passes);
    return std::max(0, static_cast<int>(table.entries.size()) - rule.target);
}

ExclusionOutcome runExclusionSearch(CandidateTable& table, ExclusionMember& member,
                                    const ExclusionStopRule& rule, RandomSource& random,
                                    const ExclusionHooks& hooks)
{
    ExclusionOutcome out;
    out.remaining = table.keptCount();
    int excludedNow = 0;
    for (long long r = 1;; ++r) {
        if (!rule.countMode) {
            hooks.progress(static_cast<int>(std::min<long long>(r, rule.passes)));
            if (r > rule.passes)
                return out;
        }
        // Also asked once per pass, so a table with nothing left to test still hears a stop.
        if (!hooks.keepGoing()) {
            out.end = ExclusionEnd::Stopped;
            return out;
        }
        out.passes = r;
        hooks.passBegun(r);
        member.preparePass(random);
        const bool testing = member.testsThisPass();
        for (Candidate& c : table.entries) {
            if (!hooks.keepGoing()) {
                out.end = ExclusionEnd::Stopped;
                return out;
            }
            if (!testing || c.excluded != 0 || !member.excludes(c))
                continue;
            c.excluded = 1;
            --out.remaining;
            if (rule.countMode) {
                hooks.progress(++excludedNow);
                if (out.remaining <= rule.target)
                    return out;
            }
        }
    }
}

} // namespace pickora
