// The main window's investment menu: the three plan windows.
#include "shell/u_main.h"

namespace pickora::ui {

void Tfrmmain::wireInvestMenu() {}

} // namespace pickora::ui
