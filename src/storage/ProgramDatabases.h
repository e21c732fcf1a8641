#pragma once
#include <QString>
#include <optional>

namespace kivra {

// The first database file that could not be used, with the string-table message that names it:
// 701 (cannot be opened) or 703 (there, but not a database of this program or damaged).
struct DatabaseFailure {
    QString path;
    int messageId = 0;
};

// Opens the three databases of the program folder (Bible read-only) and reads every table the
// program needs; stops at the first file that fails.
std::optional<DatabaseFailure> OpenProgramDatabases();

} // namespace kivra
