#pragma once
#include <QString>

namespace kivra {
struct PassageChoice;
// The text the reading pane shows for a passage given by its shown texts, with the stored options.
// False (with a message in error) when the testament, book or range does not exist.
bool PassageTextFor(const PassageChoice& choice, QString* text, QString* error);
} // namespace kivra
