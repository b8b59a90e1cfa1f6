#pragma once
// The open lottery: its profile, its draws in memory, the transformed history, the combination
// space of the total filter, and the operations that fill them from the database.

#include <QObject>

#include "store/combination_space.h"
#include "store/draw_types.h"
#include "store/random_source.h"
#include "store/transformed_history.h"

namespace pickora {

class Tdatamod;

// Opened lotteries keep at most this many draws: the oldest beyond it are deleted from the file.
inline constexpr int kRetainedDraws = 3000;

class DrawStore : public QObject {
    Q_OBJECT
public:
    DrawStore(Tdatamod& datamod, RandomSource& random, QObject* parent = nullptr);

    LotteryProfile profile;
    DrawPosition drawPosition = DrawPosition::Front;
    DrawHistory history;
    TransformedHistory transformed;
    CombinationSpace combinations;
    bool lotteryOpen = false;
    bool transformedMode = false;

    Tdatamod& datamod() { return datamod_; }
    // The generator behind every random choice of the open lottery's windows.
    RandomSource& random() { return random_; }

    // Connects to the profile's number table, applies the retention cap and rebuilds the
    // combination space. Throws db::DbError; the connection is closed again on failure.
    void openDrawStore();
    // Fills the history from the open record set (standard rows). Throws db::DbError or
    // DrawDataError and leaves the previous history in place on failure.
    void loadDrawHistory();
    // Draws a new permutation and window, builds the transformed history and shows its rows.
    void loadTransformedHistory();
    // The two halves of it, for a search that tests many transforms and keeps one: the random
    // draw (reseeded from the clock), and building and showing the history of given parameters.
    TransformParameters drawTransformParameters();
    void applyTransform(const TransformParameters& parameters);
    // Closes the connection and empties the draws (name, position and profile stay).
    void closeDrawStore();

signals:
    // The rows the views show were replaced (open, reload, transform, close).
    void rowsChanged();

private:
    Tdatamod& datamod_;
    RandomSource& random_;
};

} // namespace pickora
