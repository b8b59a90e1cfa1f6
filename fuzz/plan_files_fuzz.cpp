// Plan files handed to the plan windows' "载入", and the variable plan continued from what was
// loaded. Whatever the file holds: rows that pass the range check can be averaged and, with
// settings a window accepts, continued by "添加本期计划" without overflow (the sanitizers stop on
// any); a continued row is refused or lies within the bounds a loaded row must keep.
//
// The last byte picks the window (fixed 5 settings / phased 6 / variable 6, 7 or 8 columns);
// the rest is the file's text.
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz_support.h"
#include "invest/plan.h"
#include "invest/plan_file.h"

using namespace pickora;
using pickora::fuzz::require;

namespace {

std::int64_t setting(const LoadedPlan& plan, std::size_t i)
{
    std::int64_t value = 0;
    return i < plan.settings.size() && parseWholeNumber(plan.settings[i], value) ? value : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int window = input.ConsumeIntegralInRange(0, 2);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const bool variable = window == 2;
    const int settingsCount = window == 0 ? 5 : 6;
    const int columns = variable ? 8 : 7;

    const LoadedPlan plan = parsePlanFile(text, settingsCount, columns);
    require(plan.settings.size() == static_cast<std::size_t>(settingsCount));
    require(plan.rows.size() <= plan.cells.size());
    for (const PlanRow& row : plan.rows)
        require(row.size() == static_cast<std::size_t>(columns));
    // The written form of what was read reads back to the same rows.
    std::vector<std::vector<std::string>> cells;
    for (const PlanRow& row : plan.rows) {
        std::vector<std::string> texts;
        for (const std::int64_t v : row)
            texts.push_back(std::to_string(v));
        cells.push_back(std::move(texts));
    }
    const LoadedPlan again = parsePlanFile(planFileText(plan.settings, cells), settingsCount, columns);
    require(again.rows == plan.rows);

    if (!checkPlanRows(plan.rows).empty())
        return 0;
    const auto count = static_cast<std::int64_t>(plan.rows.size());
    columnAverage(plan.rows, variable ? 6 : 5, count);
    if (!variable)
        return 0;

    // The settings as the window reads them from the boxes the file filled.
    PlanSettings s;
    s.priorLoss = setting(plan, 0);
    s.expectedProfit = setting(plan, 1);
    s.unitStake = 1; // the variable plan's stake follows from the bets
    s.unitPrize = setting(plan, 3);
    s.periods = setting(plan, 4);
    const std::int64_t bets = setting(plan, 5);
    if (!checkPlanSettings(s).empty() || !checkBetCount(bets).empty())
        return 0;
    PlanTable table = plan.rows;
    for (int period = 0; period < 3 && static_cast<std::int64_t>(table.size()) < s.periods; ++period) {
        const PlanResult next = variablePeriod(s, table, bets);
        if (next.rows.empty()) {
            require(next.tooLarge || next.outOfRange);
            break;
        }
        require(checkPlanRows(next.rows).empty());
        table.push_back(next.rows.front());
    }
    columnAverage(table, 6, static_cast<std::int64_t>(table.size()));
    return 0;
}
