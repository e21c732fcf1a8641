#pragma once
#include "resources/Strings.h"
#include <QString>
#include <optional>

namespace kivra {

// The first database file that could not be used, with the message that names it: DatabaseMissing
// (cannot be opened) or NotAProgramDatabase (there, but not a database of this program or damaged).
struct DatabaseFailure {
    QString path;
    Message messageId{};
};

// Opens the three databases of the program folder (Bible read-only) and reads every table the
// program needs; stops at the first file that fails.
std::optional<DatabaseFailure> OpenProgramDatabases();

} // namespace kivra
