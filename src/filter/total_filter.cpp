#include "filter/total_filter.h"

#include <algorithm>
#include <charconv>

#include "store/transformed_history.h"

namespace pickora {

std::optional<int> parseInteger(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    std::string_view digits(text.data() + first, last - first + 1);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> parseDanNumbers(const std::string& text)
{
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        // Blanks and commas before a token are skipped; the token runs to the next blank.
        while (i < text.size() && (text[i] == ' ' || text[i] == ','))
            ++i;
        if (i >= text.size())
            break;
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const auto value = parseInteger(text.substr(i, end - i));
        if (!value)
            return std::nullopt;
        numbers.push_back(*value);
        i = end;
    }
    return numbers;
}

std::optional<std::string> checkFilterForm(const FilterForm& form, int pickCount)
{
    const bool anyIndicator = std::any_of(form.indicators.begin(), form.indicators.end(),
                                          [](const FilterForm::Range& r) { return r.checked; });
    if (!anyIndicator && !form.ballsChecked && !form.danChecked)
        return "请选择过滤条件！";
    for (const FilterForm::Range& r : form.indicators)
        if (r.checked && (r.low.empty() || r.high.empty()))
            return "请选择组合框中的数值！";
    if (form.danChecked && (form.danText.empty() || form.danLeast.empty() || form.danMost.empty()))
        return "请输入胆码以及最少中奖个数和最多中奖个数！";
    for (const FilterForm::Range& r : form.indicators)
        if (r.highIndex < r.lowIndex)
            return "请前面组合框中的数值应该小于等于后面组合框中的数值！";
    // The counts are read whether or not "胆码" is ticked.
    const auto least = parseInteger(form.danLeast);
    const auto most = parseInteger(form.danMost);
    if (!least || !most)
        return "胆码的中奖个数“" + (least ? form.danMost : form.danLeast) + "”不是有效的整数！";
    if (*most < *least)
        return "胆码前面的中奖个数应该小于等于后面的中奖个数！";
    if (form.ballsChecked && form.selectedBalls == 0)
        return "请点击你要选择的球号！";
    if (form.ballsChecked && form.selectedBalls < pickCount)
        return "请至少选择" + std::to_string(pickCount) + "个球号！";
    return std::nullopt;
}

bool passesFilter(const CandidateEntry& entry, const FilterConditions& conditions,
                  const FilterContext& context)
{
    const int k = context.pickCount;
    std::array<int, 3> test = entry.numbers;
    if (context.transformed)
        for (int j = 0; j < k; ++j)
            test[static_cast<std::size_t>(j)] = context.transformed->rankOfNextNumber(entry.numbers[static_cast<std::size_t>(j)]);
    const std::span<const int> numbers(test.data(), static_cast<std::size_t>(k));

    for (const FilterConditions::Range& r : conditions.indicators) {
        const int v = computeIndicator(r.kind, numbers, context.newestDraw, BigRule::FromHalf,
                                       context.totalNumbers);
        if (v < r.low || v > r.high)
            return false;
    }
    if (conditions.balls) {
        // The tiles name the entry's own numbers, never the transformed ones.
        int hits = 0;
        for (int j = 0; j < k; ++j) {
            const int x = entry.numbers[static_cast<std::size_t>(j)];
            hits += x >= 0 && x < 64 && conditions.selected[static_cast<std::size_t>(x)];
        }
        if (hits < conditions.ballsLow || hits > conditions.ballsHigh)
            return false;
    }
    if (conditions.dan) {
        int hits = 0;
        for (const int x : numbers)
            hits += std::find(conditions.dan->begin(), conditions.dan->end(), x) != conditions.dan->end();
        if (hits < conditions.danLeast || hits > conditions.danMost)
            return false;
    }
    return true;
}

int runFilter(CombinationSpace& space, const FilterConditions& conditions,
              const FilterContext& context)
{
    return runFilter(space, conditions, context, [](std::size_t) {});
}

int keptCount(const CombinationSpace& space)
{
    return static_cast<int>(std::count_if(space.entries.begin(), space.entries.end(),
                                          [](const CandidateEntry& e) { return e.excluded == 0; }));
}

} // namespace pickora
