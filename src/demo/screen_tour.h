#pragma once
// A walk through every window of the program for pictures and layout checks: the main window
// without and with a lottery on each tab, the catalogue, every window the menus and the tool bar
// open (modal ones included), the draw editor, about and the splash. Each window is shown at a
// size that fits a 1024 x 768 screen before it is visited.

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "store/program_folder.h"

class QWidget;

namespace pickora::ui {

class Tfrmmain;

inline constexpr QSize kSmallScreen{1024, 768};

// Called with a file-name-like name ("main_tab0", "Tfrmtotalfilt", ...) and the window, shown.
using WindowVisitor = std::function<void(const QString& name, QWidget* window)>;

// Copies the program's pictures, credit texts, help and wheel files into another program folder
// (never its database) and makes its database folder.
void copyProgramFiles(const ProgramFolder& from, const ProgramFolder& to);

// Walks `main` (its store holding `lottery` in the database, no lottery open yet) through every
// window. Menu items that leave the program (web links, help), write or replace the database
// (backup, restore) or end it are skipped. Leaves the lottery open.
void visitEveryWindow(Tfrmmain& main, const ProgramFolder& folder, const QString& lottery,
                      const WindowVisitor& visit);

// The visible widgets of `window` that reach outside their parent (or the window outside the
// small screen), each as "name (class) at x,y w×h in parent w×h". Widgets inside a scroll area's
// viewport are the area's to clip and are not checked.
QStringList cutOffChildren(const QWidget* window);

} // namespace pickora::ui
