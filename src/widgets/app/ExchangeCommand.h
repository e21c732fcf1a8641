#pragma once
// The exchange-file commands of the command line: dump, export-/import-bookmarks, export-/import-stories.
#include "storage/TableGram.h"

#include <QString>

namespace kivra {

// The columns (name, kind, flags) and the rows of a TableGram as readable text; binary cells show
// their size and first bytes, text is quoted with control characters escaped.
QString DumpTableGram(const TableGram& table);

// Each returns the process exit code and writes what went wrong to stderr.
int RunDumpCommand(const QString& path);
// The four below act on the program folder's databases; the connections must be open.
int RunExportBookmarksCommand(const QString& path);
int RunImportBookmarksCommand(const QString& path);
int RunExportStoriesCommand(const QString& path);
int RunImportStoriesCommand(const QString& path);

} // namespace kivra
