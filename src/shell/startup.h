#pragma once

class QApplication;

namespace pickora::ui {

// Shows the splash, then creates the database on first start, the data module, the draw store
// and the main window, and runs the message loop.
int runProgram(QApplication& app);

} // namespace pickora::ui
