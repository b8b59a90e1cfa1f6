#pragma once
// The demo database: the four lotteries, each with 3000 generated draws (store/demo_draws.h)
// ending on 2026-12-09. Used by scripts/run.sh --demo (through tools/make_demo_database.cpp)
// and by the demonstration program.

#include <QString>

namespace pickora {

inline constexpr int kDemoDrawsPerLottery = 3000;

// The table the demo database carries so that the program can tell it from a real one (its one
// row explains what the draws are). No lottery table ends like it, so no list shows it.
inline constexpr char16_t kDemoMarkerTable[] = u"演示数据说明";
// What the main window shows while the demo database is open.
inline constexpr char16_t kDemoNote[] = u"演示数据（模拟开奖，非真实结果）";

// Whether `file` is a demo database (holds the marker table); false for a missing or unreadable
// file.
bool isDemoDatabase(const QString& file);
// Adds the marker to an existing database of demo draws (one made before databases carried it);
// nothing when it is there already. Throws db::DbError.
void markAsDemoDatabase(const QString& file);

// Creates the database `file`, which must not exist yet, holding the demo draws. It is built and
// filled under another name and renamed at the end, so no half-made database is ever found.
// Returns the number of rows written; throws db::DbError.
int createDemoDatabase(const QString& file);

} // namespace pickora
