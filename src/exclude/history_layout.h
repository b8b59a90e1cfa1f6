#pragma once
// The layout the sum and repeat windows share: the history grid and chart on the left, the
// settings, the result list and the buttons on the right.

class QWidget;
class QLayout;

namespace pickora::ui {

// left: grid above chart; right: settings above the list; the buttons and the progress bar under
// the right column.
void layoutHistoryWindow(QWidget* window, QWidget* left, QWidget* right);

} // namespace pickora::ui
