#pragma once
// Bookmark reference numbers: a digit text made from the volume serial of the program's folder and
// a random suffix, unique in tblBookmark. References are kept as text everywhere, so leading zeros
// and long numbers survive; older rows may hold a reference without its leading zeros, which
// SameReference still matches.
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kivra {

// The serial of the volume holding path, upper-case hexadecimal without leading zeros; empty when
// the volume cannot be queried. The file system id (statfs f_fsid) folded to 32 bits stands in for
// the serial.
QString GetDriveSerial(const QString& path);

// One character of the serial as a digit: a..i give 0..8, j..z give 9, lower codes give 0; the
// empty text gives 5.
int SerialCharToDigit(const QString& c);

// The integer part of r * span + lower, r uniform in [0, 1).
int RandomNumber(int lower, int span);

// The digits derived from a serial: every character but the last, letters through SerialCharToDigit.
QString ReferencePrefix(const QString& serial);

// The reference with its leading zeros dropped, as older rows stored it ("000" gives the empty text).
QString NormalizedReference(const QString& reference);
// Equal as stored text, or equal and not empty once leading zeros are dropped. The empty text
// matches nothing.
bool SameReference(const QString& a, const QString& b);

// A reference not yet present in table.field, made from prefix (only its first 7 digits follow an
// existing row) and draws of draw(lower, span). When every two-digit suffix is taken the suffix
// widens by one digit at a time, so the search always ends; existing rows are never changed.
using ReferenceDraw = std::function<int(int lower, int span)>;
QString NewBookmarkReference(const QSqlDatabase& db, const QString& table, const QString& field,
                             const QString& prefix, const ReferenceDraw& draw = RandomNumber);
// The same with the prefix of this machine (the serial of the program folder's volume).
QString NewBookmarkReference(const QSqlDatabase& db, const QString& table, const QString& field);

} // namespace kivra
