// The main window's download menu and the quick draw's download step.
#include "shell/u_main.h"

namespace pickora::ui {

void Tfrmmain::wireDownloadMenu() {}

} // namespace pickora::ui
