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

    const LotteryProfile& profile() const { return profile_; }
    // The lottery the next openDrawStore() (or the quick draw) opens.
    void setProfile(const LotteryProfile& profile) { profile_ = profile; }
    DrawPosition drawPosition() const { return drawPosition_; }
    // The position ("前三", "中三", "后三") the next open analyses; the catalogue keeps it at once.
    void setDrawPosition(DrawPosition position) { drawPosition_ = position; }
    const DrawHistory& history() const { return history_; }
    const TransformedHistory& transformed() const { return transformed_; }
    // The total filter's working list of bets (rebuilt with every open).
    CombinationSpace& combinations() { return combinations_; }
    const CombinationSpace& combinations() const { return combinations_; }
    bool lotteryOpen() const { return lotteryOpen_; }
    bool transformedMode() const { return transformedMode_; }

    Tdatamod& datamod() { return datamod_; }
    // The generator behind every random choice of the open lottery's windows.
    RandomSource& random() { return random_; }

    // Opens the profile's lottery: connect, retention cap, combination space and the standard
    // history. The lottery counts as open only when all of it succeeded; on failure the store is
    // closed again and the StoreError is passed on.
    void openLottery(const LotteryProfile& profile);

    // Connects to the profile's number table, applies the retention cap and rebuilds the
    // combination space. Throws db::DbError; the connection is closed again on failure.
    void openDrawStore();
    // Fills the history from the open record set (standard rows). Throws db::DbError or
    // DrawDataError and leaves the previous history in place on failure.
    void loadDrawHistory();
    // "标准走势": the stored draws as they are. Throws StoreError (the mode is left unchanged).
    void showStandard();
    // "变幻走势": a new permutation and window over the stored draws.
    void showTransformed();
    // Draws a new permutation and window, builds the transformed history and shows its rows.
    void loadTransformedHistory();
    // The two halves of it, for a search that tests many transforms and keeps one: the random
    // draw (reseeded from the clock), and building and showing the history of given parameters
    // (which switches to the transformed mode).
    TransformParameters drawTransformParameters();
    void applyTransform(const TransformParameters& parameters);
    // Closes the connection and empties the draws (name, position and profile stay).
    void closeDrawStore();

signals:
    // The rows the views show were replaced (open, reload, transform, close).
    void rowsChanged();

private:
    // The standard history of the open record set; throws db::DbError or DrawDataError.
    DrawHistory readHistory();

    LotteryProfile profile_;
    DrawPosition drawPosition_ = DrawPosition::Front;
    DrawHistory history_;
    TransformedHistory transformed_;
    CombinationSpace combinations_;
    bool lotteryOpen_ = false;
    bool transformedMode_ = false;
    Tdatamod& datamod_;
    RandomSource& random_;
};

} // namespace pickora
