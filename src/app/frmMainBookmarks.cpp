// Bookmark panel, related bookmarks and the notes of the shown passage.
#include "app/frmMain.h"

namespace kivra {

void frmMain::connectBookmarks() {}
void frmMain::BookmarkCurrentVerse() {}
void frmMain::ShowPassageBookmark() {}
void frmMain::LoadBibleTextByIndex(int) {}
void frmMain::LoadBookmarkList() {}

} // namespace kivra
