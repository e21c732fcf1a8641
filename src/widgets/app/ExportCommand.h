#pragma once
#include <QStringList>

namespace kivra {
// `export-rtf TESTAMENT BOOK C:V-C:V FILE`: writes the passage as the window's export does, with
// the stored options. Returns the process exit code; errors go to the standard error stream.
int RunExportRtfCommand(const QStringList& operands);
} // namespace kivra
