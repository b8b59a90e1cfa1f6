#pragma once
// The demo database: the four lotteries, each with 3000 generated draws (store/demo_draws.h)
// ending on 2026-12-09. Used by scripts/run.sh --demo (through tools/make_demo_database.cpp)
// and by the demonstration program.

#include <QString>

namespace pickora {

inline constexpr int kDemoDrawsPerLottery = 3000;

// Creates the database `file`, which must not exist yet, holding the demo draws. It is built and
// filled under another name and renamed at the end, so no half-made database is ever found.
// Returns the number of rows written; throws db::DbError.
int createDemoDatabase(const QString& file);

} // namespace pickora
