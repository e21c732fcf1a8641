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

// The verse of the day as a plain-text box of the given inner area shows it: the documented layout
// (an empty line, the verse, an empty line, the reference) in the documented face, stepped down in
// half points to 7; a verse too long for that loses the empty lines, takes its reference on its
// last line and may go down to 5.5 (at the first window size only the longest, Esther 8:9, needs
// that). fits is false when even that does not fit, and the box then scrolls. verse is the drawn
// text with "\n" line breaks.
struct VerseOfTheDayLayout {
    QString text;
    QFont font;
    bool fits = false;
};
VerseOfTheDayLayout LayOutVerseOfTheDay(const QString& verse, const QFont& documented, const QSize& area);
} // namespace kivra
