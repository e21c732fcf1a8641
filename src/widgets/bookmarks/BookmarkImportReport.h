#pragma once
#include "bookmarks/BookmarkExchange.h"

class QWidget;

namespace kivra {

// Tells the user what the import refused or why it failed (BookmarkAlreadyExists,
// FileNotImportable, BookmarkReferenceNotNumber or ImportFailed).
void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent);

} // namespace kivra
