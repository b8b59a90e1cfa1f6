#pragma once
// "搜索杀号" run on the open lottery: transform again and again until the newest L transformed
// draws pass the settings' test, or until the player stops it. The transform that passed (or the
// last one tried, after a stop) is then applied to the store, so the trend mode is "变幻走势".

#include <functional>

#include "analysis/trend_search.h"

namespace pickora {
class DrawStore;
}

namespace pickora::ui {

class LongLoop;

struct IndicatorSearchOutcome {
    bool found = false; // false: stopped before a transform passed
    int transforms = 0; // how many transforms were tried
};

// Runs the search inside `loop` (which keeps the window painting and carries the stop request);
// `progress` is told the number of transforms tried, a few times a second. The settings must have
// passed checkSearchSettings.
IndicatorSearchOutcome runIndicatorSearch(DrawStore& store, const SearchSettings& settings,
                                          LongLoop& loop,
                                          const std::function<void(int transforms)>& progress);

} // namespace pickora::ui
