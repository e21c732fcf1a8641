// Story panel of the main window.
#include "app/frmMain.h"

namespace kivra {

void frmMain::connectStories() {}
void frmMain::imgBibleStory_Click() {}

} // namespace kivra
