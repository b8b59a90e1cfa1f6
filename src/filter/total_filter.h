#pragma once
// Narrowing the ordered bets: the form's checks, the indicator, ball and dan passes over the
// combination space, cumulative from run to run.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/indicators.h"
#include "store/combination_space.h"

namespace pickora {

struct TransformedHistory;

// The seven indicator conditions of the form, in their order on screen.
inline constexpr std::array<IndicatorKind, 7> kFilterIndicators = {
    IndicatorKind::Big,  IndicatorKind::Odd,  IndicatorKind::Sum, IndicatorKind::Span,
    IndicatorKind::Scatter, IndicatorKind::Skew, IndicatorKind::AC};

// What the form holds, as texts and list positions (-1 for no selection).
struct FilterForm {
    struct Range {
        bool checked = false;
        std::string low, high;   // the texts of the two lists
        int lowIndex = -1, highIndex = -1;
    };
    std::array<Range, 7> indicators;
    bool danChecked = false;
    std::string danText, danLeast = "1", danMost = "1";
    bool ballsChecked = false;
    int selectedBalls = 0;
    std::string ballsLow, ballsHigh;
};

// The first failing check's message, in the order the form checks them; nothing when it passes.
// pickCount is k ("请至少选择" k "个球号！").
std::optional<std::string> checkFilterForm(const FilterForm& form, int pickCount);

// The dan numbers of a text: tokens split at blanks, blanks and commas before a token skipped;
// nothing when a token is not a whole number ("1,2" is one token).
std::optional<std::vector<int>> parseDanNumbers(const std::string& text);
// A whole number written in decimal (blanks around it allowed).
std::optional<int> parseInteger(const std::string& text);

// The conditions of a run, parsed.
struct FilterConditions {
    struct Range {
        IndicatorKind kind;
        int low, high;
    };
    std::vector<Range> indicators;
    std::optional<std::vector<int>> dan;
    int danLeast = 1, danMost = 1;
    bool balls = false;
    std::array<bool, 64> selected{}; // selected[x] for the tiles 1..N
    int ballsLow = 0, ballsHigh = 0;
};

// The numbers a run tests: the entries' own numbers, or their ranks for the next draw.
struct FilterContext {
    int totalNumbers = 11;
    int pickCount = 3;
    std::vector<int> newestDraw;                      // the Skew reference, as stored
    const TransformedHistory* transformed = nullptr; // set in the transformed mode
};

// Marks the kept entries that fail a condition; returns how many stay kept. `onProgress` is
// called with the index of each entry; it may pump the window's events.
template <class Progress>
int runFilter(CombinationSpace& space, const FilterConditions& conditions,
              const FilterContext& context, Progress&& onProgress);

int runFilter(CombinationSpace& space, const FilterConditions& conditions,
              const FilterContext& context);

// Whether one entry passes every condition.
bool passesFilter(const CandidateEntry& entry, const FilterConditions& conditions,
                  const FilterContext& context);

int keptCount(const CombinationSpace& space);

template <class Progress>
int runFilter(CombinationSpace& space, const FilterConditions& conditions,
              const FilterContext& context, Progress&& onProgress)
{
    int kept = 0;
    for (std::size_t i = 0; i < space.entries.size(); ++i) {
        onProgress(i);
        CandidateEntry& entry = space.entries[i];
        if (entry.excluded)
            continue;
        if (passesFilter(entry, conditions, context))
            ++kept;
        else
            entry.excluded = 1;
    }
    return kept;
}

} // namespace pickora
