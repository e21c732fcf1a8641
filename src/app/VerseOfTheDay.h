#pragma once
#include <QString>

namespace kivra {
// A verse drawn at random: its text, two line breaks and, with reference 1, "(Abbr:chapter:verse)".
// The empty text when the drawn verse is missing.
QString GetWordsFromGod(int withReference);
// The same for a given verse ID (the draw is separate so it can be tested).
QString WordsFromGodForId(int id, int withReference);
} // namespace kivra
