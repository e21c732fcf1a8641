#pragma once
#include "bookmarks/BookmarkExchange.h"

class QWidget;

namespace kivra {

// Tells the user what the import refused or why it failed (messages 140, 781, 783, 787).
void ReportBookmarkImport(const BookmarkImport& result, const QString& path, QWidget* parent);

} // namespace kivra
