#pragma once
// The searches from the command line, running the statements the windows run:
//   search TEXT
//   advanced-search [--text1 T] [--op1 OP] [--join AND|OR] [--text2 T] [--op2 OP]
//                   [--scope TESTAMENT BOOK C:V-C:V]
// Operators by their internal names (LIKE, "NOT LIKE"); no --scope searches all books.
#include <QStringList>

class QIODevice;
class QTextStream;

namespace kivra {

// operands start with the command word. Prints one line per hit ("Gen 1:1<TAB>text") and then the
// status text ("160 verses found"), in UTF-8; errors go to err. Returns the process exit code.
int RunSearchCommand(const QStringList& operands, QIODevice& out, QTextStream& err);

} // namespace kivra
