// Geometry on resize, tabs, tooltips, web panel and links of the main window.
#include "app/frmMain.h"

namespace kivra {

void frmMain::connectShell() {}
void frmMain::LayoutMainWindow() {}
void frmMain::SetMainWindowTooltips() {}

} // namespace kivra
