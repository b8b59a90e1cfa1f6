#pragma once

class QApplication;
class QTranslator;

namespace pickora::ui {

// Shows the splash, then creates the database on first start, the data module, the draw store
// and the main window, and runs the message loop.
int runProgram(QApplication& app);

// Loads Qt's own Chinese texts (the buttons "确定"/"取消", the file dialogs) from Qt's
// translations folder and makes Chinese the default locale. Returns the installed translator
// (owned by `app`), or nullptr, with Qt's English texts left in place, when they are missing.
QTranslator* installChineseQtTexts(QApplication& app);

} // namespace pickora::ui
