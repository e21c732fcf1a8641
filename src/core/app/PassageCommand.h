#pragma once
#include <QStringList>

namespace kivra {
struct Passage;
// The text the reading pane shows for a passage, with the stored options. False (with a message in
// error) when the book or range does not exist.
bool PassageText(const Passage& passage, QString* text, QString* error);
// The same for the command line's TESTAMENT BOOK C:V-C:V.
bool PassageTextForArguments(const QStringList& arguments, QString* text, QString* error);
// `passage TESTAMENT BOOK C:V-C:V` or `passage REFERENCE` ("John 3:16"): prints the text; returns the process exit code.
int RunPassageCommand(const QStringList& operands);
} // namespace kivra
