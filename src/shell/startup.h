#pragma once

class QApplication;

namespace pickora::ui {

// Creates the database on first start, the data module, the draw store and the main window,
// then runs the message loop.
int runProgram(QApplication& app);

} // namespace pickora::ui
