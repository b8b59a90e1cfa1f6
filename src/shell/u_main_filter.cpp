// The main window's filter menu items and the "总体过滤" tool bar button.
#include "shell/u_main.h"

namespace pickora::ui {

void Tfrmmain::wireFilterMenu() {}

} // namespace pickora::ui
