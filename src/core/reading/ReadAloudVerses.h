#pragma once
// The verses of a shown passage as they are read aloud: where each lies in the text, to mark it
// while it is read, and what is said (the text without its "(1:1)" reference).
#include "reading/Passage.h"

#include <QList>
#include <QString>

namespace kivra {

struct SpokenVerse {
    int start = 0;  // [start, end) in the shown text
    int end = 0;
    QString words;
};

// The verses [from, to) of text touches, the whole passage when the range is empty.
QList<SpokenVerse> VersesToRead(const QString& text, const QList<VerseSpan>& spans, int from, int to);

} // namespace kivra
