#pragma once
// Backup and restore of the database file. Copies go through SQLite's online backup, so the copy
// is a consistent snapshot even while the program holds the file open, and are written beside
// their target under a temporary name and renamed over it: a failure never leaves a half-copied
// file. Every failure throws db::DbError with a message a player can read.

#include <QString>

namespace pickora {

// The temporary copy is named "<target>.pickora-copy-XXXXXX" (SQLite adds "-journal" beside it
// while it writes): a copy killed halfway leaves files of that name, which the next copy to the
// same folder removes, as does the program's start for its own database folder.
inline constexpr char16_t kCopyInfix[] = u".pickora-copy-";

// Removes the leftovers of killed copies to `target` (files named as above, untouched for at
// least a minute, so a copy still running elsewhere keeps its file). Returns how many it removed.
int removeStaleCopies(const QString& target);

// Copies the database `source` to `target`, replacing an existing file.
void copyDatabase(const QString& source, const QString& target);

// Why `file` is not a database of this program (it must open as SQLite, pass SQLite's quick
// check and hold at least one table whose name ends with "彩票号码表"); empty when it is one.
QString programDatabaseProblem(const QString& file);

// Replaces the database `target` with a copy of `source` after checking that `source` is a
// database of this program; a file that fails the check leaves `target` untouched.
void restoreDatabase(const QString& source, const QString& target);

} // namespace pickora
