#pragma once
// The command line's way to the study aids:
//   strongs NUMBER                             the lexicon entry of a Strong's number
//   search --strongs NUMBER (with --bible)     every verse carrying the number
//   commentary --module NAME REFERENCE         a commentary's notes on the passage
#include <QStringList>

class QIODevice;
class QTextStream;

namespace kivra {

// Each returns the exit status: 0 done, 1 nothing to read it from, 2 a wrong command line.
int RunStrongsCommand(const QStringList& operands, QTextStream& out, QTextStream& err);
// operands are the search command's after "--strongs"; the chosen Bible is searched.
int RunStrongsSearchCommand(const QStringList& operands, QIODevice& out, QTextStream& err);
int RunCommentaryCommand(const QStringList& operands, QTextStream& out, QTextStream& err);

} // namespace kivra
