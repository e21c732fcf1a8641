#pragma once
#include <QFont>
#include <QSize>
#include <QString>

namespace kivra {
// A verse drawn at random: its text, two line breaks and, with reference 1, "(Abbr:chapter:verse)".
// The empty text when the drawn verse is missing.
QString GetWordsFromGod(int withReference);
// The same for a given verse ID (the draw is separate so it can be tested).
QString WordsFromGodForId(int id, int withReference);

// The verse is read at a glance: the documented font, stepped down in half points only as far as
// the whole text needs to fit the area of a plain-text box (inside its margins), but never below
// smallestPointSize; what still does not fit then scrolls.
QFont FontToFitVerse(const QFont& documented, const QString& text, const QSize& area, qreal smallestPointSize);
} // namespace kivra
