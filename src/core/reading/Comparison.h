#pragma once
// Two or three Bibles side by side: one row per verse of a passage, each Bible's text of that verse
// in its column, aligned by chapter and verse (a verse one Bible lacks leaves its cell empty).
#include "reading/Passage.h"

#include <QList>
#include <QStringList>

namespace kivra {

struct ComparedVerse {
    int chapter = 0, verse = 0;
    QStringList texts;  // one per Bible, in the order asked; empty where a Bible lacks the verse
};

// bibles are module names, the empty name for the built-in Bible. A Bible that cannot be read adds
// its reason to errors and an empty column.
QList<ComparedVerse> CompareBibles(const QStringList& bibles, const Passage& passage, QStringList* errors = nullptr);

} // namespace kivra
