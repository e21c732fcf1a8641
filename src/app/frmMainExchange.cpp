// Bookmark and story exchange files, from the main window's panels.
#include "app/frmMain.h"

namespace kivra {

void frmMain::connectExchange() {}

} // namespace kivra
