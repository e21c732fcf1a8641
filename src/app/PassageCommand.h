#pragma once
#include <QStringList>

namespace kivra {
struct PassageChoice;
// The text the reading pane shows for a passage given by its shown texts, with the stored options.
// False (with a message in error) when the testament, book or range does not exist.
bool PassageTextFor(const PassageChoice& choice, QString* text, QString* error);
// The same for the command line's TESTAMENT BOOK C:V-C:V.
bool PassageTextForArguments(const QStringList& arguments, QString* text, QString* error);
// `passage TESTAMENT BOOK C:V-C:V` or `passage REFERENCE` ("John 3:16"): prints the text; returns the process exit code.
int RunPassageCommand(const QStringList& operands);
} // namespace kivra
