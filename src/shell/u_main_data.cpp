// The main window's data, web and help menus: the draw editor, backup and restore, help, links
// and the about window.
#include "shell/u_main.h"

namespace pickora::ui {

void Tfrmmain::wireDataMenus() {}

} // namespace pickora::ui
