#pragma once
#include "bookmarks/BookmarkExchange.h"

class QWidget;

namespace kivra {

// Tells the user what the import refused, in one message however many were refused, or why it
// failed (the technical detail goes to the log).
void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent);

} // namespace kivra
