#pragma once
// The command line's way to the SWORD Bibles: "bibles" lists them, "--bible NAME" chooses one.
class QTextStream;
class QString;

namespace kivra {

// One line per usable Bible: module name, description, language, separated by tabs; the unusable
// ones go to err with the reason. Returns the exit status.
int RunBiblesCommand(QTextStream& out, QTextStream& err);

// Chooses the Bible called name for the command. An unknown or unreadable one is reported on err,
// naming the installed Bibles; the result is then false.
bool ChooseBibleForCommand(const QString& name, QTextStream& err);

} // namespace kivra
