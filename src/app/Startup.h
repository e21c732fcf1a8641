#pragma once
#include <QString>

namespace kivra {
// Opens the three databases of the program folder (Bible read-only). On failure tells the user
// which file could not be opened and returns false.
bool OpenConnections(QString* failedFile = nullptr);
} // namespace kivra
