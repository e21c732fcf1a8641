#pragma once
#include <QString>

namespace kivra {
// Opens the three databases of the program folder (Bible read-only) and reads every table the
// program needs. On failure tells the user which file could not be opened or is damaged and
// returns false.
bool OpenConnections(QString* failedFile = nullptr);
} // namespace kivra
