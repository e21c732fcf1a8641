// Quick search, results grid and advanced search of the main window.
#include "app/frmMain.h"

namespace kivra {

void frmMain::connectSearch() {}
void frmMain::setDataGrid() {}
void frmMain::ClearSearch() {}
void frmMain::AdvancedSearch(const QString&, const QVariantList&) {}

} // namespace kivra
