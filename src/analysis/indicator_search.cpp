#include "analysis/indicator_search.h"

#include <QElapsedTimer>

#include <vector>

#include "store/transformed_history.h"
#include "store/u_public.h"
#include "widgets/long_loop.h"

namespace pickora::ui {

IndicatorSearchOutcome runIndicatorSearch(DrawStore& store, const SearchSettings& settings,
                                          LongLoop& loop,
                                          const std::function<void(int transforms)>& progress)
{
    const int n = store.profile().totalNumbers;
    const int k = store.profile().pickCount;
    // Each trial ranks only the draws the test reads; the transform that passes is then built
    // whole and shown.
    const int ranked = settings.runLength + (needsReference(settings.kind) ? 1 : 0);
    IndicatorSearchOutcome outcome;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    TransformParameters trial;
    for (;;) {
        trial = store.drawTransformParameters();
        ++outcome.transforms;
        const std::vector<Draw> newest = transformNewest(store.history().draws, n, k,
                                                         trial.permutation, trial.windowLength,
                                                         ranked);
        std::vector<float> values = newestIndicatorValues(settings.kind, newest,
                                                          static_cast<int>(newest.size()), n, k);
        // A skew or repeat needs the draw before the newest L only as its reference.
        if (values.size() > static_cast<std::size_t>(settings.runLength))
            values.erase(values.begin(), values.end() - settings.runLength);
        if (searchStops(settings, values)) {
            outcome.found = true;
            break;
        }
        if (sinceProgress.elapsed() >= 30) {
            progress(outcome.transforms);
            sinceProgress.restart();
        }
        if (!loop.pump())
            break;
    }
    // A stopped search applies the last transform it tried, like a press of "变幻走势"; the store
    // is only touched while the window is still there.
    if (loop.windowAlive() && store.lotteryOpen())
        store.applyTransform(trial);
    return outcome;
}

} // namespace pickora::ui
